// src/app/multiform_components.cpp: the controls of the main window as laid out.
#include "app/multiform.h"

#include "app/client_surface.h"
#include "app/qt_label.h"
#include "app/qt_line_editor.h"
#include "app/window_notebook_host.h"
#include "options/options_notebook.h"
#include "report/initial_results_text.h"

#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>

namespace app {

namespace {

    constexpr int DataWindowWidth = 330;

    QPlainTextEdit* CreateEditor(QWidget* parent, const char* name)
    {
        auto* editor = new LineEditor(parent);
        editor->setObjectName(QString::fromLatin1(name));
        editor->setLineWrapMode(QPlainTextEdit::NoWrap);
        // The Tab key types a tab character instead of moving the focus.
        editor->setTabChangesFocus(false);
        return editor;
    }

    QLabel* CreateLabel(QWidget* parent, const char* name, const char* caption, const QRect& box)
    {
        auto* label = new QLabel(QString::fromLatin1(caption), parent);
        label->setObjectName(QString::fromLatin1(name));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(box);
        label->hide();
        return label;
    }

    void SetBackground(QWidget* widget, const QColor& colour)
    {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, colour);
        widget->setPalette(palette);
        widget->setAutoFillBackground(true);
    }

} // namespace

void TMultiform::CreateComponents()
{
    ClientArea = new ClientSurface(*this);
    ClientArea->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(ClientArea);

    // Its height is set by FormCreate, its place by every layout pass.
    DataWindow = new QWidget(ClientArea);
    DataWindow->setObjectName(QStringLiteral("DataWindow"));
    SetBackground(DataWindow, DataWindow->palette().color(QPalette::Light));
    DataWindow->resize(DataWindowWidth, DataWindow->height());

    FitResultsWindow = new QWidget(ClientArea);
    FitResultsWindow->setObjectName(QStringLiteral("FitResultsWindow"));

    Memo1 = CreateEditor(DataWindow, "Memo1");

    CoordinateLabel = CreateLabel(ClientArea, "CoordinateLabel", "", QRect(200, 0, 153, 17));
    SetBackground(CoordinateLabel, Qt::white);
    TitleLabel = CreateLabel(ClientArea, "TitleLabel", "Title", QRect(400, 8, 28, 16));
    XAxisLabel = CreateLabel(ClientArea, "XAxisLabel", "XAxisLabel", QRect(328, 232, 73, 16));
    YAxisLabel = CreateLabel(ClientArea, "YAxisLabel", "YAxisLabel", QRect(208, 48, 74, 16));
    YAxisLabel->setWordWrap(true);
    // The legends size themselves to their captions and stand on the graph's background.
    for (QLabel* legend : { TitleLabel, XAxisLabel, YAxisLabel }) {
        SizeToCaption(*legend);
        SetLabelBackground(*legend, workbench.graph.BackgroundColor);
    }

    Memo2 = CreateEditor(FitResultsWindow, "Memo2");
    Memo2->setPlainText(QString::fromUtf8(
        report::InitialResultsText.data(), static_cast<int>(report::InitialResultsText.size())));

    // Shown at (0, 0) of the client area, over the data pane.
    m_notebookHost = std::make_unique<WindowNotebookHost>(*this);
    TabbedNotebook1 = new options::OptionsNotebook(workbench.points, workbench.fit,
        workbench.report, workbench.graph, *m_notebookHost, ClientArea);

    // The labels lie on the window's surface, under its panes and notebook: a readout or a
    // legend left where a pane grows is covered by it rather than drawn over the text.
    for (QLabel* label : { CoordinateLabel, TitleLabel, XAxisLabel, YAxisLabel })
        label->lower();

    // Typing goes to the data pane from the start.
    Memo1->setFocus();
}

} // namespace app
