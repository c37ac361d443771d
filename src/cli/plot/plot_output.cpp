// SPDX-License-Identifier: GPL-3.0-or-later
// src/cli/plot/plot_output.cpp: the graph alone drawn into a PNG, SVG or PDF file.
#include "cli/plot/plot_output.h"

#include "common/failure.h"
#include "graph/graph_state.h"
#include "qtgraph/graph_file.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageLogContext>
#include <QString>

#include <memory>
#include <string>

namespace cli {

namespace {

    QtMessageHandler previousMessageHandler = nullptr;

    // Qt's notes and warnings about the machine it starts on (a missing runtime folder, say)
    // are not the user's business; its critical and fatal messages still get through.
    void KeepSeriousMessages(
        QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if ((type == QtCriticalMsg || type == QtFatalMsg) && previousMessageHandler != nullptr)
            previousMessageHandler(type, context, message);
    }

    // A Qt GUI application on the offscreen platform when none runs yet.
    std::unique_ptr<QGuiApplication> StartQtWithoutDisplay()
    {
        if (QCoreApplication::instance() != nullptr)
            return nullptr;
        previousMessageHandler = qInstallMessageHandler(KeepSeriousMessages);
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt keeps references to these for the application's lifetime.
        static int argumentCount = 1;
        static char programName[] = "varnek-fit";
        static char* arguments[] = { programName, nullptr };
        return std::make_unique<QGuiApplication>(argumentCount, arguments);
    }

} // namespace

bool WritePlot(const CliOptions& options, const FitSession& session, std::ostream& errors)
{
    const std::unique_ptr<QGuiApplication> application = StartQtWithoutDisplay();

    qtgraph::GraphLegends legends;
    legends.Title.Caption = QString::fromLocal8Bit(options.TitleCaption);
    legends.XLegend.Caption = QString::fromLocal8Bit(options.XLegendCaption);
    legends.YLegend.Caption = QString::fromLocal8Bit(options.YLegendCaption);
    const qtgraph::GraphView view = qtgraph::GraphAloneView(options.graph, session.points,
        session.fit, QSize(options.ImageWidth, options.ImageHeight), legends);
    std::string note;
    try {
        note = qtgraph::ExportGraph(
            options.PlotFileName, options.graph, session.points, session.fit, view);
    } catch (const common::Failure& failure) {
        errors << common::FailureText(failure) << '\n';
        return false;
    }
    // Written, but not as the old file was: said like any other message.
    if (!note.empty())
        errors << note << ".\n";
    return note.empty();
}

} // namespace cli
