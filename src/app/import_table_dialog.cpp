// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/import_table_dialog.cpp: the Import Table dialog's controls, read again at every change.
#include "app/import_table_dialog.h"

#include "data/data_text_file.h"
#include "data/pane_text_of_points.h"

#include <QColor>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>
#include <utility>

namespace app {

namespace {

    // The rows the preview shows.
    constexpr int PreviewRows = 20;
    // The rows left out that the summary names; its tooltip names all that were kept.
    constexpr int NamedLeftOutRows = 3;
    // A point's line takes at most 60 bytes (two numbers of up to 21 digits, a sign, a point and
    // an exponent each): up to this many points always fit the data pane's capacity.
    constexpr int PointsThatAlwaysFit = static_cast<int>(data::MemoCapacity / 60);

    QString ColumnLabel(int number, const std::vector<std::string>& names)
    {
        const std::size_t index = static_cast<std::size_t>(number) - 1;
        if (index < names.size() && !names[index].empty())
            return QStringLiteral("%1: %2").arg(number).arg(QString::fromStdString(names[index]));
        return QString::number(number);
    }

} // namespace

ImportTableDialog::ImportTableDialog(
    std::string text, const QString& fileName, std::string paneDecimalSeparator, QWidget* parent)
    : QDialog(parent)
    , m_text(std::move(text))
    , m_paneDecimalSeparator(std::move(paneDecimalSeparator))
{
    CreateControls(fileName);
    Reread();
}

void ImportTableDialog::CreateControls(const QString& fileName)
{
    setObjectName(QStringLiteral("ImportTableDialog"));
    setWindowTitle(QStringLiteral("Import Table - %1").arg(fileName));

    m_delimiter = new QComboBox(this);
    m_delimiter->setObjectName(QStringLiteral("DelimiterBox"));
    for (const auto& [caption, delimiter] : { std::pair { "Comma", data::TableDelimiter::Comma },
             std::pair { "Semicolon", data::TableDelimiter::Semicolon },
             std::pair { "Tab", data::TableDelimiter::Tab },
             std::pair { "Spaces or tabs", data::TableDelimiter::Blanks } })
        m_delimiter->addItem(QString::fromLatin1(caption), static_cast<int>(delimiter));
    m_headerRows = new QSpinBox(this);
    m_headerRows->setObjectName(QStringLiteral("HeaderRowsBox"));
    m_headerRows->setRange(0, 9999);
    m_comment = new QLineEdit(this);
    m_comment->setObjectName(QStringLiteral("CommentBox"));
    m_comment->setMaxLength(1);
    m_comment->setPlaceholderText(QStringLiteral("none"));
    m_decimalSeparator = new QComboBox(this);
    m_decimalSeparator->setObjectName(QStringLiteral("DecimalSeparatorBox"));
    m_decimalSeparator->addItem(QStringLiteral("Point (.)"), QStringLiteral("."));
    m_decimalSeparator->addItem(QStringLiteral("Comma (,)"), QStringLiteral(","));
    m_xColumn = new QComboBox(this);
    m_xColumn->setObjectName(QStringLiteral("XColumnBox"));
    m_yColumn = new QComboBox(this);
    m_yColumn->setObjectName(QStringLiteral("YColumnBox"));

    auto* settings = new QFormLayout;
    settings->addRow(QStringLiteral("&Delimiter:"), m_delimiter);
    settings->addRow(QStringLiteral("&Header rows:"), m_headerRows);
    settings->addRow(QStringLiteral("&Comment character:"), m_comment);
    settings->addRow(QStringLiteral("D&ecimal separator:"), m_decimalSeparator);
    auto* columns = new QFormLayout;
    columns->addRow(QStringLiteral("&X column:"), m_xColumn);
    columns->addRow(QStringLiteral("&Y column:"), m_yColumn);
    auto* choices = new QHBoxLayout;
    choices->addLayout(settings);
    choices->addSpacing(24);
    choices->addLayout(columns);
    choices->addStretch();

    m_preview = new QTableWidget(this);
    m_preview->setObjectName(QStringLiteral("Preview"));
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->setSelectionMode(QAbstractItemView::NoSelection);
    m_preview->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("SummaryLabel"));
    m_summary->setWordWrap(true);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->setObjectName(QStringLiteral("Buttons"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(m_preview, 1);
    layout->addWidget(m_summary);
    layout->addWidget(m_buttons);
    resize(720, 480);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A setting the user changes is kept; those not changed are detected again.
    connect(m_delimiter, &QComboBox::currentIndexChanged, this, [this] {
        m_given.Delimiter = static_cast<data::TableDelimiter>(m_delimiter->currentData().toInt());
        Reread();
    });
    connect(m_headerRows, &QSpinBox::valueChanged, this, [this](int rows) {
        m_given.HeaderRows = rows;
        Reread();
    });
    connect(m_comment, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QByteArray character = text.toUtf8();
        m_given.CommentCharacter = character.size() == 1 ? character[0] : '\0';
        Reread();
    });
    connect(m_decimalSeparator, &QComboBox::currentIndexChanged, this, [this] {
        m_given.DecimalSeparator = m_decimalSeparator->currentData().toString().toStdString();
        Reread();
    });
    connect(m_xColumn, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_columns.X.Number = index + 1;
        Reread();
    });
    connect(m_yColumn, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_columns.Y.Number = index + 1;
        Reread();
    });
}

void ImportTableDialog::Reread()
{
    m_points = data::PointStore();
    m_reading
        = data::ReadTable(m_text, m_given, m_columns, std::numeric_limits<int>::max(), m_points);
    m_fitsPane
        = m_reading.PointsRead <= PointsThatAlwaysFit || PaneText().size() <= data::MemoCapacity;
    ShowSettings();
    ShowColumns();
    ShowPreview();
    m_summary->setText(Summary());
    QStringList leftOut;
    for (const data::LeftOutRow& row : m_reading.LeftOut)
        leftOut
            << QStringLiteral("Row %1: %2").arg(row.Row).arg(QString::fromStdString(row.Reason));
    m_summary->setToolTip(leftOut.join(QLatin1Char('\n')));
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(m_reading.PointsRead > 0 && m_fitsPane);
}

void ImportTableDialog::ShowSettings()
{
    const data::TableFormat& format = m_reading.Format;
    const QSignalBlocker delimiterBlocker(m_delimiter);
    m_delimiter->setCurrentIndex(m_delimiter->findData(static_cast<int>(*format.Delimiter)));
    const QSignalBlocker headerBlocker(m_headerRows);
    m_headerRows->setValue(*format.HeaderRows);
    if (!m_comment->hasFocus()) {
        const char comment = *format.CommentCharacter;
        m_comment->setText(comment == '\0' ? QString() : QString(QLatin1Char(comment)));
    }
    const QSignalBlocker separatorBlocker(m_decimalSeparator);
    m_decimalSeparator->setCurrentIndex(
        m_decimalSeparator->findData(QString::fromStdString(*format.DecimalSeparator)));
}

void ImportTableDialog::ShowColumns()
{
    const int count = std::max({ static_cast<int>(m_reading.ColumnNames.size()), m_reading.XColumn,
        m_reading.YColumn, 2 });
    for (auto [box, chosen] : { std::pair { m_xColumn, m_reading.XColumn },
             std::pair { m_yColumn, m_reading.YColumn } }) {
        const QSignalBlocker blocker(box);
        box->clear();
        for (int number = 1; number <= count; ++number)
            box->addItem(ColumnLabel(number, m_reading.ColumnNames));
        box->setCurrentIndex(chosen - 1);
    }
}

void ImportTableDialog::ShowPreview()
{
    const std::vector<data::TablePreviewRow> rows
        = data::FirstTableRows(m_text, m_reading.Format, PreviewRows);
    int columnCount = std::max(m_reading.XColumn, m_reading.YColumn);
    for (const data::TablePreviewRow& row : rows)
        columnCount = std::max(columnCount, static_cast<int>(row.Fields.size()));
    m_preview->clear();
    m_preview->setRowCount(static_cast<int>(rows.size()));
    m_preview->setColumnCount(columnCount);
    QStringList columnLabels;
    for (int number = 1; number <= columnCount; ++number) {
        QString label = ColumnLabel(number, m_reading.ColumnNames);
        if (number == m_reading.XColumn)
            label += QStringLiteral(" (x)");
        if (number == m_reading.YColumn)
            label += QStringLiteral(" (y)");
        columnLabels << label;
    }
    m_preview->setHorizontalHeaderLabels(columnLabels);
    QStringList rowLabels;
    // Rows are numbered by the line they start on, as the summary names them; the header rows
    // show in grey italics, the rows left out on a tinted ground with their reason.
    for (int index = 0; index < static_cast<int>(rows.size()); ++index) {
        rowLabels << QString::number(rows[index].Row);
        const bool header = index < *m_reading.Format.HeaderRows;
        const auto leftOut = std::find_if(m_reading.LeftOut.begin(), m_reading.LeftOut.end(),
            [&](const data::LeftOutRow& row) { return row.Row == rows[index].Row; });
        for (int column = 0; column < static_cast<int>(rows[index].Fields.size()); ++column) {
            auto* item = new QTableWidgetItem(QString::fromStdString(rows[index].Fields[column]));
            if (header) {
                QFont font = item->font();
                font.setItalic(true);
                item->setFont(font);
                item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            } else if (leftOut != m_reading.LeftOut.end()) {
                item->setBackground(QColor(255, 228, 225));
                item->setToolTip(QString::fromStdString(leftOut->Reason));
            }
            m_preview->setItem(index, column, item);
        }
    }
    m_preview->setVerticalHeaderLabels(rowLabels);
    m_preview->resizeColumnsToContents();
}

QString ImportTableDialog::Summary() const
{
    const int points = m_reading.PointsRead;
    QString text
        = points == 1 ? QStringLiteral("1 point") : QStringLiteral("%1 points").arg(points);
    const int leftOut = m_reading.LeftOutCount;
    if (leftOut > 0) {
        const int named = std::min(leftOut, NamedLeftOutRows);
        QStringList rows;
        QStringList reasons;
        for (int index = 0; index < named; ++index) {
            rows << QString::number(m_reading.LeftOut[index].Row);
            reasons << QString::fromStdString(m_reading.LeftOut[index].Reason);
        }
        QString rowList;
        if (leftOut == 1)
            rowList = QStringLiteral("row ") + rows.front();
        else if (leftOut == named)
            rowList = QStringLiteral("rows %1 and %2")
                          .arg(rows.mid(0, named - 1).join(", "), rows.back());
        else
            rowList
                = QStringLiteral("rows %1 and %2 more").arg(rows.join(", ")).arg(leftOut - named);
        text += QStringLiteral("; %1 %2 left out: %3")
                    .arg(rowList, leftOut == 1 ? QStringLiteral("is") : QStringLiteral("are"),
                        reasons.join(QStringLiteral("; ")));
    }
    if (!m_fitsPane)
        text += QStringLiteral("; more than the data pane holds (16 MiB of text): "
                               "varnek-fit --all-points fits every point");
    else if (points > data::MaxPoints)
        text += QStringLiteral("; the first %1 of %2 points are used")
                    .arg(data::MaxPoints)
                    .arg(points);
    return text + QLatin1Char('.');
}

std::string ImportTableDialog::PaneText() const
{
    return data::PaneTextOfPoints(m_points, m_paneDecimalSeparator);
}

} // namespace app
