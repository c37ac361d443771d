// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/multiform_components.cpp: the controls of the main window as laid out.
#include "app/multiform.h"

#include "app/client_surface.h"
#include "app/qt_label.h"
#include "app/qt_line_editor.h"
#include "app/window_notebook_host.h"
#include "layout/window_design.h"
#include "options/options_notebook.h"
#include "qtgraph/caption_size.h"
#include "report/initial_results_text.h"

#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>

namespace app {

namespace {

    LineEditor* CreateEditor(QWidget* parent, const char* name)
    {
        auto* editor = new LineEditor(parent);
        editor->setObjectName(QString::fromLatin1(name));
        editor->setLineWrapMode(QPlainTextEdit::NoWrap);
        // The Tab key types a tab character instead of moving the focus.
        editor->setTabChangesFocus(false);
        return editor;
    }

    QLabel* CreateLabel(QWidget* parent, const char* name, const QString& caption)
    {
        auto* label = new QLabel(caption, parent);
        label->setObjectName(QString::fromLatin1(name));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->hide();
        return label;
    }

    // A legend at its start place, sized to its caption and on the graph's background.
    QLabel* CreateLegend(QWidget* parent, const char* name, const layout::LegendStart& start,
        bool wrapWords, common::ColorValue background)
    {
        QLabel* legend = CreateLabel(parent, name, qtgraph::StartCaption(start));
        legend->setWordWrap(wrapWords);
        legend->move(start.Left, start.Top);
        SizeToCaption(*legend);
        SetLabelBackground(*legend, background);
        return legend;
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
    ClientArea = new ClientSurface(*this, *m_dialogs, this);
    ClientArea->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(ClientArea);

    // Its height is set by FormCreate, its place by every layout pass.
    DataWindow = new QWidget(ClientArea);
    DataWindow->setObjectName(QStringLiteral("DataWindow"));
    SetBackground(DataWindow, DataWindow->palette().color(QPalette::Light));
    DataWindow->resize(layout::DataWindowStartWidth, DataWindow->height());

    FitResultsWindow = new QWidget(ClientArea);
    FitResultsWindow->setObjectName(QStringLiteral("FitResultsWindow"));

    Memo1 = CreateEditor(DataWindow, "Memo1");
    Memo1->lineToolTip = [this](int line) { return DataLineToolTip(line); };

    CoordinateLabel = CreateLabel(ClientArea, "CoordinateLabel", QString());
    const layout::Box readout = layout::CoordinateLabelStart;
    CoordinateLabel->setGeometry(readout.Left, readout.Top, readout.Width, readout.Height);
    SetBackground(CoordinateLabel, Qt::white);
    const common::ColorValue background = workbench.graph.BackgroundColor;
    TitleLabel = CreateLegend(ClientArea, "TitleLabel", layout::TitleStart, false, background);
    XAxisLabel = CreateLegend(ClientArea, "XAxisLabel", layout::XAxisStart, false, background);
    YAxisLabel = CreateLegend(ClientArea, "YAxisLabel", layout::YAxisStart, true, background);

    Memo2 = CreateEditor(FitResultsWindow, "Memo2");
    Memo2->setPlainText(QString::fromUtf8(
        report::InitialResultsText.data(), static_cast<int>(report::InitialResultsText.size())));

    // Shown at (0, 0) of the client area, over the data pane.
    m_notebookHost = std::make_unique<WindowNotebookHost>(*m_dialogs, this,
        LegendLabels { TitleLabel, XAxisLabel, YAxisLabel },
        NotebookRoutines { [this] { ReadDataPane(); }, [this] { DrawGraphOnClientArea(); },
            [this] { TabbedFitShowClick(); } });
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
