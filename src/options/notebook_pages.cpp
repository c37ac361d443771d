// SPDX-License-Identifier: GPL-3.0-or-later
// src/options/notebook_pages.cpp: the pages and controls of the options notebook and their wiring.
#include "options/band_levels.h"
#include "options/color_table.h"
#include "options/editable_combo.h"
#include "options/options_notebook.h"
#include "options/whole_number_spin_box.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QVBoxLayout>

#include <utility>

namespace options {

namespace {

    // Design place and size of the notebook in the window.
    constexpr QRect DesignGeometry { 48, 24, 321, 233 };
    constexpr int TabFontPixels = 11;
    constexpr int ButtonWidth = 80;

    QLabel* MakeLabel(const QString& caption, const QString& name, QWidget* page)
    {
        auto* label = new QLabel(caption, page);
        label->setObjectName(name);
        return label;
    }

    QCheckBox* MakeCheckBox(const QString& caption, const QString& name, QWidget* page)
    {
        auto* box = new QCheckBox(caption, page);
        box->setObjectName(name);
        return box;
    }

    // Controls that the handlers hide and show keep their place, so the rows never move.
    void KeepPlaceWhenHidden(QWidget* widget)
    {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }

    QPushButton* MakeButton(const QString& caption, const QString& name, QWidget* page)
    {
        auto* button = new QPushButton(caption, page);
        button->setObjectName(name);
        button->setAutoDefault(false);
        button->setFixedWidth(ButtonWidth);
        return button;
    }

    // The Show and Exit buttons of a page, in the row below its other controls.
    struct ShowExitRow {
        QPushButton* show;
        QPushButton* exit;
        QHBoxLayout* row;
    };

    // Adds the row of a page's "&Show" and "E&xit" buttons, named showName and exitName.
    ShowExitRow AddShowExitRow(
        QWidget* page, QVBoxLayout* rows, const char* showName, const char* exitName)
    {
        ShowExitRow buttons {
            MakeButton(QStringLiteral("&Show"), QString::fromLatin1(showName), page),
            MakeButton(QStringLiteral("E&xit"), QString::fromLatin1(exitName), page),
            new QHBoxLayout,
        };
        buttons.row->addWidget(buttons.show);
        buttons.row->addWidget(buttons.exit);
        buttons.row->addStretch(1);
        rows->addLayout(buttons.row);
        return buttons;
    }

    QVBoxLayout* PageRows(QWidget* page)
    {
        auto* rows = new QVBoxLayout(page);
        rows->setContentsMargins(8, 6, 8, 6);
        rows->setSpacing(4);
        return rows;
    }

    QStringList ColorNames()
    {
        QStringList names;
        for (const ColorChoice& choice : ColorChoices)
            names.append(QString::fromLatin1(choice.Name));
        return names;
    }

} // namespace

OptionsNotebook::OptionsNotebook(data::PointStore& points, fit::FitState& fit,
    report::ReportSettings& report, graph::GraphState& graph, NotebookHost& host, QWidget* parent)
    : QTabWidget(parent)
    , m_points(points)
    , m_fit(fit)
    , m_report(report)
    , m_graph(graph)
    , m_host(host)
{
    setObjectName(QStringLiteral("TabbedNotebook1"));
    QFont tabFont = font();
    tabFont.setPixelSize(TabFontPixels);
    tabBar()->setFont(tabFont);

    addTab(BuildFitDataPage(), QStringLiteral("Fit &Data"));
    addTab(BuildColorsPage(), QStringLiteral("&Colors"));
    addTab(BuildTitlesPage(), QStringLiteral("&Titles"));
    addTab(BuildMarkersPage(), QStringLiteral("&Markers"));

    setGeometry(DesignGeometry);
    setFixedSize(DesignGeometry.size());
    // Opaque over the data pane it covers.
    setAutoFillBackground(true);
    hide();
    ConnectHandlers();
}

QWidget* OptionsNotebook::BuildFitDataPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("FitDataPage"));
    QVBoxLayout* rows = PageRows(page);

    TabbedFitCombo
        = MakeEditableCombo({ QStringLiteral("Straight Line"), QStringLiteral("Polynomial fit"),
                                QStringLiteral("Power Law"), QStringLiteral("Exponential") },
            QStringLiteral("Straight Line"), page);
    TabbedFitCombo->setObjectName(QStringLiteral("TabbedFitCombo"));
    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(MakeLabel(QStringLiteral("Type of Fit"), QStringLiteral("FitLabel"), page));
    typeRow->addWidget(TabbedFitCombo, 1);
    rows->addLayout(typeRow);

    ZeroForceBox = MakeCheckBox(
        QStringLiteral("Force the fit through the origin"), QStringLiteral("ZeroForceBox"), page);
    KeepPlaceWhenHidden(ZeroForceBox);
    rows->addWidget(ZeroForceBox);

    PolyOrderLabel = MakeLabel(
        QStringLiteral("Highest order of fit:"), QStringLiteral("PolyOrderLabel"), page);
    SpinEdit1 = new WholeNumberSpinBox(page);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->SetMinValue(0);
    SpinEdit1->SetMaxValue(25);
    SpinEdit1->SetValue(0);
    KeepPlaceWhenHidden(PolyOrderLabel);
    KeepPlaceWhenHidden(SpinEdit1);
    PolyOrderLabel->hide();
    SpinEdit1->hide();
    auto* orderRow = new QHBoxLayout;
    orderRow->addWidget(PolyOrderLabel);
    orderRow->addWidget(SpinEdit1);
    orderRow->addStretch(1);
    rows->addLayout(orderRow);

    const ShowExitRow buttons = AddShowExitRow(page, rows, "TabbedFitShow", "TabbedFitExit");
    TabbedFitShow = buttons.show;
    TabbedFitExit = buttons.exit;
    // The Cancel button stands hidden between them.
    TabbedFitCancel
        = MakeButton(QStringLiteral("&Cancel"), QStringLiteral("TabbedFitCancel"), page);
    KeepPlaceWhenHidden(TabbedFitCancel);
    TabbedFitCancel->hide();
    buttons.row->insertWidget(1, TabbedFitCancel);

    PrecisionFlagBox = MakeCheckBox(
        QStringLiteral("Extra digit of precision?"), QStringLiteral("PrecisionFlagBox"), page);
    ZeroSuppressBox
        = MakeCheckBox(QStringLiteral("Suppress zero?"), QStringLiteral("ZeroSuppressBox"), page);
    // What the report and the graph add, beside the design's two boxes and under them.
    StatisticsBox
        = MakeCheckBox(QStringLiteral("Statistics"), QStringLiteral("StatisticsBox"), page);
    ResidualsBox = MakeCheckBox(QStringLiteral("Residuals"), QStringLiteral("ResidualsBox"), page);
    ConfidenceBandBox = MakeCheckBox(
        QStringLiteral("Confidence band"), QStringLiteral("ConfidenceBandBox"), page);
    PredictionBandBox = MakeCheckBox(
        QStringLiteral("Prediction band"), QStringLiteral("PredictionBandBox"), page);
    BandLevelCombo = new QComboBox(page);
    BandLevelCombo->setObjectName(QStringLiteral("BandLevelCombo"));
    for (const BandLevelChoice& choice : BandLevelChoices)
        BandLevelCombo->addItem(QString::fromLatin1(choice.Name));
    BandLevelCombo->setCurrentText(QStringLiteral("95%"));
    auto* levelRow = new QHBoxLayout;
    levelRow->addWidget(MakeLabel(QStringLiteral("Level"), QStringLiteral("BandLevelLabel"), page));
    levelRow->addWidget(BandLevelCombo);
    levelRow->addStretch(1);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(4);
    grid->addWidget(PrecisionFlagBox, 0, 0);
    grid->addWidget(StatisticsBox, 0, 1);
    grid->addWidget(ZeroSuppressBox, 1, 0);
    grid->addWidget(ResidualsBox, 1, 1);
    grid->addWidget(ConfidenceBandBox, 2, 0);
    grid->addLayout(levelRow, 2, 1);
    grid->addWidget(PredictionBandBox, 3, 0);
    rows->addLayout(grid);
    rows->addStretch(1);

    return page;
}

QWidget* OptionsNotebook::BuildColorsPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("ColorsPage"));
    QVBoxLayout* rows = PageRows(page);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(4);
    rows->addLayout(grid);

    // Every colour box starts empty, so the start-up colours hold until the user chooses.
    const auto addColorRow
        = [&](int row, const QString& caption, const QString& labelName, const QString& boxName) {
              QComboBox* box = MakeEditableCombo(ColorNames(), QString(), page);
              box->setObjectName(boxName);
              grid->addWidget(MakeLabel(caption, labelName, page), row, 0);
              grid->addWidget(box, row, 1);
              return box;
          };
    BackColorCombo = addColorRow(0, QStringLiteral("Background Color"),
        QStringLiteral("TabbedColorBackground"), QStringLiteral("BackColorCombo"));
    GraphCombo = addColorRow(1, QStringLiteral("Graph Color"), QStringLiteral("TabbedColorGraph"),
        QStringLiteral("GraphCombo"));
    TickColorCombo = addColorRow(2, QStringLiteral("Tick Color"), QStringLiteral("TabbedColorTick"),
        QStringLiteral("TickColorCombo"));
    MarkerColorCombo = addColorRow(3, QStringLiteral("Marker Color"),
        QStringLiteral("TabbedColorMarker"), QStringLiteral("MarkerColorCombo"));

    const ShowExitRow buttons = AddShowExitRow(page, rows, "TabbedColorsShow", "TabbedColorsExit");
    TabbedColorsShow = buttons.show;
    TabbedColorsExit = buttons.exit;
    rows->addStretch(1);

    return page;
}

QWidget* OptionsNotebook::BuildTitlesPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TitlesPage"));
    QVBoxLayout* rows = PageRows(page);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(4);
    rows->addLayout(grid);

    const auto addEditRow
        = [&](int row, const QString& caption, const QString& labelName, const QString& editName) {
              auto* edit = new QLineEdit(page);
              edit->setObjectName(editName);
              grid->addWidget(MakeLabel(caption, labelName, page), row, 0);
              grid->addWidget(edit, row, 1);
              return edit;
          };
    TabbedTitleEdit = addEditRow(0, QStringLiteral("Title"), QStringLiteral("TabbedTitleLabel"),
        QStringLiteral("TabbedTitleEdit"));
    TabbedX1 = addEditRow(1, QStringLiteral("Legend: X Axis"), QStringLiteral("TabbedXAxisLabel"),
        QStringLiteral("TabbedX1"));
    TabbedX2 = addEditRow(2, QStringLiteral("Units: X Axis"), QStringLiteral("TabbedXUnits"),
        QStringLiteral("TabbedX2"));
    TabbedY1 = addEditRow(3, QStringLiteral("Legend: Y Axis"), QStringLiteral("TabbedYAxisLabel"),
        QStringLiteral("TabbedY1"));
    TabbedY2 = addEditRow(4, QStringLiteral("Units: Y Axis"), QStringLiteral("TabbedYUnits"),
        QStringLiteral("TabbedY2"));

    const ShowExitRow buttons = AddShowExitRow(page, rows, "TabbedTitlesShow", "TabbedTitleExit");
    TabbedTitlesShow = buttons.show;
    TabbedTitleExit = buttons.exit;
    rows->addStretch(1);

    return page;
}

QWidget* OptionsNotebook::BuildMarkersPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("MarkersPage"));
    QVBoxLayout* rows = PageRows(page);

    MarkerTypeComboBox1 = MakeEditableCombo(
        { QStringLiteral("Circle"), QStringLiteral("Square"), QStringLiteral("Equilat"),
            QStringLiteral("UpsideEquilat"), QStringLiteral("Diamond") },
        QStringLiteral("Circle"), page);
    MarkerTypeComboBox1->setObjectName(QStringLiteral("MarkerTypeComboBox1"));
    rows->addWidget(MarkerTypeComboBox1);

    const ShowExitRow buttons
        = AddShowExitRow(page, rows, "TabbedMarkersShow", "TabbedMarkersExit");
    TabbedMarkersShow = buttons.show;
    TabbedMarkersExit = buttons.exit;
    rows->addStretch(1);

    return page;
}

std::function<void()> OptionsNotebook::Guarded(std::function<void()> handler)
{
    return [this, handler = std::move(handler)] { m_host.RunGuarded(handler); };
}

std::function<void()> OptionsNotebook::Guarded(void (OptionsNotebook::*handler)())
{
    return Guarded([this, handler] { (this->*handler)(); });
}

void OptionsNotebook::ConnectHandlers()
{
    // Editable combo boxes report both a chosen item and every typed change as a text change.
    connect(TabbedFitCombo, &QComboBox::editTextChanged, this,
        Guarded(&OptionsNotebook::TabbedFitComboChange));
    connect(SpinEdit1, &WholeNumberSpinBox::TextChanged, this,
        Guarded(&OptionsNotebook::SpinEdit1Change));
    // Check boxes report every change of their tick, also one made by a handler.
    connect(ZeroForceBox, &QCheckBox::toggled, this, Guarded(&OptionsNotebook::ZeroForceBoxClick));
    connect(PrecisionFlagBox, &QCheckBox::toggled, this,
        Guarded(&OptionsNotebook::PrecisionFlagBoxClick));
    connect(ZeroSuppressBox, &QCheckBox::toggled, this,
        Guarded(&OptionsNotebook::ZeroSuppressBoxClick));
    connect(
        StatisticsBox, &QCheckBox::toggled, this, Guarded(&OptionsNotebook::StatisticsBoxClick));
    connect(ConfidenceBandBox, &QCheckBox::toggled, this,
        Guarded(&OptionsNotebook::ConfidenceBandBoxClick));
    connect(PredictionBandBox, &QCheckBox::toggled, this,
        Guarded(&OptionsNotebook::PredictionBandBoxClick));
    connect(ResidualsBox, &QCheckBox::toggled, this, Guarded(&OptionsNotebook::ResidualsBoxClick));
    connect(BandLevelCombo, &QComboBox::currentIndexChanged, this,
        Guarded(&OptionsNotebook::BandLevelComboChange));

    connect(BackColorCombo, &QComboBox::editTextChanged, this,
        Guarded(&OptionsNotebook::BackColorComboChange));
    connect(
        GraphCombo, &QComboBox::editTextChanged, this, Guarded(&OptionsNotebook::GraphComboChange));
    connect(TickColorCombo, &QComboBox::editTextChanged, this,
        Guarded(&OptionsNotebook::TickColorComboChange));
    connect(MarkerColorCombo, &QComboBox::editTextChanged, this,
        Guarded(&OptionsNotebook::MarkerColorComboChange));

    connect(TabbedTitleEdit, &QLineEdit::textChanged, this,
        Guarded(&OptionsNotebook::TabbedTitleEditChange));
    connect(TabbedX1, &QLineEdit::textChanged, this, Guarded(&OptionsNotebook::TabbedX1Change));
    connect(TabbedX2, &QLineEdit::textChanged, this, Guarded(&OptionsNotebook::TabbedX2Change));
    connect(TabbedY1, &QLineEdit::textChanged, this, Guarded(&OptionsNotebook::TabbedY1Change));
    connect(TabbedY2, &QLineEdit::textChanged, this, Guarded(&OptionsNotebook::TabbedY2Change));

    connect(MarkerTypeComboBox1, &QComboBox::editTextChanged, this,
        Guarded(&OptionsNotebook::MarkerTypeComboBox1Change));

    for (QPushButton* show :
        { TabbedFitShow, TabbedColorsShow, TabbedTitlesShow, TabbedMarkersShow })
        connect(show, &QPushButton::clicked, this, Guarded([this] { m_host.ShowFit(); }));
    for (QPushButton* exit :
        { TabbedFitExit, TabbedColorsExit, TabbedTitleExit, TabbedMarkersExit })
        connect(exit, &QPushButton::clicked, this, Guarded(&OptionsNotebook::TabbedFitExitClick));

    // Escape does what the page's Exit button does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, Guarded(&OptionsNotebook::TabbedFitExitClick));
    // A page the user turns to, by its tab or its access key, gives its first control the focus,
    // so the keys never stay with a control of the page that went.
    connect(this, &QTabWidget::currentChanged, this, [this] {
        if (isVisible())
            FocusFirstControl();
    });

    // The enter handler runs when the input focus comes into the notebook from outside it.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* previous, QWidget* current) {
        const bool wasInside = previous != nullptr && isAncestorOf(previous);
        if (current != nullptr && isAncestorOf(current) && !wasInside)
            Guarded (&OptionsNotebook::TabbedNotebook1Enter)();
    });
}

} // namespace options
