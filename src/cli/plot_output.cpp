// src/cli/plot_output.cpp: the drawing pass into an image, saved as PNG or PDF.
#include "cli/plot_output.h"

#include "graph/graph_state.h"
#include "layout/window_design.h"
#include "qtgraph/graph_image.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMarginsF>
#include <QMessageLogContext>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSizeF>

#include <filesystem>
#include <memory>

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

    bool SavePdf(const QImage& image, const QString& title, QIODevice& device)
    {
        QPdfWriter writer(&device);
        // One image pixel is one window pixel at the design resolution.
        writer.setResolution(layout::PixelsPerInch);
        const QSizeF inches = QSizeF(image.size()) / layout::PixelsPerInch;
        writer.setPageSize(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("varnek-fit"));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        painter.drawImage(0, 0, image);
        return painter.end();
    }

    // The file name as the user sees it, completed to a full path where possible.
    std::string FullName(const std::string& fileName)
    {
        std::error_code failure;
        const std::filesystem::path fullPath = std::filesystem::absolute(fileName, failure);
        return failure ? fileName : fullPath.string();
    }

} // namespace

graph::WindowGeometry PlotWindow(int width, int height)
{
    graph::WindowGeometry window;
    window.OuterWidth = width;
    window.OuterHeight = height;
    window.ClientWidth = width;
    window.ClientHeight = height;
    window.DataWindowLeft = 0;
    window.DataWindowTop = 0;
    window.DataWindowWidth = layout::DataWindowStartWidth;
    return window;
}

bool WritePlot(const CliOptions& options, const FitSession& session, std::ostream& errors)
{
    const std::unique_ptr<QGuiApplication> application = StartQtWithoutDisplay();

    graph::GraphState graph = options.graph;
    qtgraph::GraphLegends captions;
    captions.Title.Caption = QString::fromLocal8Bit(options.TitleCaption);
    captions.XLegend.Caption = QString::fromLocal8Bit(options.XLegendCaption);
    captions.YLegend.Caption = QString::fromLocal8Bit(options.YLegendCaption);
    const QImage image = qtgraph::RenderGraphImage(graph, session.points, session.fit,
        PlotWindow(options.ImageWidth, options.ImageHeight), captions);

    // Written aside and moved into place only when complete.
    QSaveFile file(QFile::decodeName(options.PlotFileName.c_str()));
    bool written = false;
    if (!image.isNull() && file.open(QIODevice::WriteOnly)) {
        const bool drawn = PlotFormatOf(options.PlotFileName) == PlotFormat::Pdf
            ? SavePdf(image, captions.Title.Caption, file)
            : image.save(&file, "PNG");
        if (drawn)
            written = file.commit();
        else
            file.cancelWriting();
    }
    if (!written)
        errors << "Cannot create file " << FullName(options.PlotFileName) << ".\n";
    return written;
}

} // namespace cli
