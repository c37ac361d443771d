// SPDX-License-Identifier: GPL-3.0-or-later
// tests/app/print_test.cpp: Printer Setup and Print: one page holding the client area's image,
// sized in inches as on screen as far as the page allows, and the printer's failure; Export
// Graph: the graph area in each format, also without a graph, and its failures.
#include "app/print_command.h"
#include "app/qt_dialogs.h"
#include "file_window_fixture.h"
#include "graph/plot_transforms.h"
#include "qtgraph/qt_color.h"
#include "support/write_failures.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QImage>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTimer>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

namespace {

// One stream object of a PDF file as Qt writes it: its dictionary and its inflated data.
struct PdfStream {
    QString dictionary;
    QByteArray data;
};

// The stream objects of pdf, each inflated when it is Flate-compressed.
std::vector<PdfStream> Streams(const QByteArray& pdf)
{
    // Latin-1 keeps one character per byte, so match positions are byte positions.
    const QString text = QString::fromLatin1(pdf);
    const QRegularExpression header(
        QStringLiteral("obj\\s*(<<(?:(?!endobj).)*?>>)\\s*stream\\r?\\n"),
        QRegularExpression::DotMatchesEverythingOption);
    std::vector<PdfStream> streams;
    auto matches = header.globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const qsizetype start = match.capturedEnd();
        const qsizetype end = pdf.indexOf("endstream", start);
        PdfStream stream { match.captured(1), pdf.mid(start, end - start) };
        if (stream.dictionary.contains(QStringLiteral("/FlateDecode"))) {
            // qUncompress takes a zlib stream after its expected size (a hint; it grows).
            QByteArray sized(4, '\0');
            sized[1] = 1;
            stream.data = qUncompress(sized + stream.data);
        }
        streams.push_back(stream);
    }
    return streams;
}

int PageCount(const QByteArray& pdf)
{
    return int(
        QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

TEST(PrintedSize, KeepsInchesAndShrinksOnlyToFitThePage)
{
    // An A4 page at 1200 pixels per inch with margins of about 0.4 inch.
    const QSize a4(8960, 13060);
    const struct {
        const char* name;
        QSize window;
        int pixelsPerInchX;
        int pixelsPerInchY;
        QSize printed;
    } cases[] = {
        { "screen resolution", QSize(540, 380), 96, 96, QSize(540, 380) },
        { "1200 by 600", QSize(540, 380), 1200, 600, QSize(6750, 2375) },
        { "rounded to whole pixels", QSize(97, 95), 300, 300, QSize(303, 297) },
        { "just fits", QSize(716, 1044), 1200, 1200, QSize(8950, 13050) },
        // 1920 x 1017 window pixels are 24000 x 12712.5 printer pixels, 2.68 times too wide.
        { "maximised, too wide", QSize(1920, 1017), 1200, 1200, QSize(8960, 4745) },
        { "too tall", QSize(500, 2000), 1200, 1200, QSize(3265, 13060) },
        { "no pixels", QSize(0, 0), 600, 600, QSize(0, 0) },
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(
            app::PrintedSize(expected.window, expected.pixelsPerInchX, expected.pixelsPerInchY, a4),
            expected.printed);
    }
}

using Print = FileWindow;

TEST_F(Print, PrintsTheClientAreaOnOnePage)
{
    DataLines().SetText("1 2\n3 4\n");
    TabbedNotebook1()->show();
    // No blinking caret, so that the image taken below is the printed one.
    Memo1()->clearFocus();
    dialogs->pdfPath = PathOf("page.pdf");
    MenuItem("Print1")->trigger();
    EXPECT_TRUE(dialogs->errorTexts.empty());
    // Taking the image ran the repaint pass, which read the data pane.
    EXPECT_EQ(window->workbench.points.PointCount, 2);

    QFile file(dialogs->pdfPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(PageCount(pdf), 1);

    const QImage client = ClientArea()->grab().toImage().convertToFormat(QImage::Format_RGB888);
    std::vector<PdfStream> images;
    QString page;
    for (const PdfStream& stream : Streams(pdf)) {
        if (stream.dictionary.contains(QStringLiteral("/Subtype /Image")))
            images.push_back(stream);
        else if (stream.data.contains(" Do"))
            page = QString::fromLatin1(stream.data);
    }
    // One image of the client area's pixels, stored without loss.
    ASSERT_EQ(images.size(), 1u);
    EXPECT_TRUE(images[0].dictionary.contains(
        QStringLiteral("/Width %1\n/Height %2").arg(client.width()).arg(client.height())));
    const qsizetype rowBytes = qsizetype(client.width()) * 3;
    ASSERT_EQ(images[0].data.size(), rowBytes * client.height());
    int differingRows = 0;
    for (int row = 0; row < client.height(); ++row) {
        if (QByteArrayView(images[0].data.constData() + row * rowBytes, rowBytes)
            != QByteArrayView(reinterpret_cast<const char*>(client.constScanLine(row)), rowBytes))
            ++differingRows;
    }
    EXPECT_EQ(differingRows, 0);

    // Drawn at the printable area's top-left corner, stretched to the printed size.
    const QRegularExpressionMatch placed = QRegularExpression(
        QStringLiteral("([\\d.]+) 0 0 ([\\d.]+) 0 0 cm\\s+(\\d+) 0 0 -(\\d+) 0 "
                       "\\d+ cm /Im\\d+\\s+Do"))
                                               .match(page);
    ASSERT_TRUE(placed.hasMatch()) << page.toStdString();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QSize printable(printer.width(), printer.height());
    const QSize printed
        = app::PrintedSize(client.size(), printer.logicalDpiX(), printer.logicalDpiY(), printable);
    // The maximised window is wider than the page: all of it is on the page.
    EXPECT_EQ(printed.width(), printable.width());
    EXPECT_NEAR(
        placed.captured(1).toDouble() * placed.captured(3).toDouble(), printed.width(), 1e-3);
    EXPECT_NEAR(
        placed.captured(2).toDouble() * placed.captured(4).toDouble(), printed.height(), 1e-3);
}

TEST_F(Print, EmptyDataPanePrintsNoGraph)
{
    DataLines().SetText("1 2\n3 4\n");
    window->FormPaint();
    const graph::GraphState& graph = window->workbench.graph;
    const QPoint plotCentre(
        graph.PlotLeft + graph.PlotWidth / 2, graph.PlotTop + graph.PlotHeight / 2);
    ASSERT_EQ(GraphImage().pixel(plotCentre) & RGB_MASK, 0xFFFFFFu);

    // The screen keeps the last graph; the page is drawn afresh and finds no data.
    MenuItem("New1")->trigger();
    dialogs->pdfPath = PathOf("empty.pdf");
    MenuItem("Print1")->trigger();
    EXPECT_TRUE(dialogs->errorTexts.empty());

    QFile file(dialogs->pdfPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QSize client = ClientArea()->size();
    QByteArray pixels;
    for (const PdfStream& stream : Streams(file.readAll()))
        if (stream.dictionary.contains(QStringLiteral("/Subtype /Image")))
            pixels = stream.data;
    ASSERT_EQ(pixels.size(), qsizetype(client.width()) * client.height() * 3);
    const qsizetype at = (qsizetype(plotCentre.y()) * client.width() + plotCentre.x()) * 3;
    const QColor printed { quint8(pixels[at]), quint8(pixels[at + 1]), quint8(pixels[at + 2]) };
    EXPECT_EQ(printed, qtgraph::ColorOf(common::ButtonFaceColor, ClientArea()->palette()));
}

TEST_F(Print, CancelledPdfNamePrintsNothing)
{
    dialogs->pdfPath.clear();
    MenuItem("Print1")->trigger();
    EXPECT_TRUE(dialogs->errorTexts.empty());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(Print, PdfFileThatCannotBeWrittenIsReportedAndKept)
{
    DataLines().SetText("1 2\n3 4\n");
    dialogs->pdfPath = WriteFile("page.pdf", "old page");
    {
        test_support::FileSizeLimit diskFullAfter(2000);
        MenuItem("Print1")->trigger();
    }
    EXPECT_EQ(dialogs->errorTexts,
        (std::vector<QString> {
            "Cannot create file " + dialogs->pdfPath + ": " + std::strerror(EFBIG) + "." }));
    EXPECT_EQ(ReadFile(dialogs->pdfPath), "old page");
}

TEST_F(Print, PrinterSetupShowsTheDialog)
{
    MenuItem("PrinterSetup1")->trigger();
    EXPECT_EQ(dialogs->printerSetupCount, 1);
}

TEST(QtDialogs, PrinterSetupConfirmsWithOk)
{
    app::QtDialogs dialogs;
    QStringList buttons;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        for (const QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons())
            buttons << button->text();
        dialog->close();
    });
    EXPECT_FALSE(dialogs.PrinterSetup(nullptr));
    EXPECT_TRUE(buttons.contains(QStringLiteral("OK")));
    EXPECT_EQ(buttons.filter(QStringLiteral("Print")), QStringList {});
}

using ExportGraph = FileWindow;

TEST_F(ExportGraph, WritesTheGraphAreaInEachFormat)
{
    DataLines().SetText("1 1\n2 2\n3 2\n4 3\n");
    window->FormPaint();
    const app::Workbench& state = window->workbench;
    // The graph area right of the panes, and the marker of (2, 2) in it.
    const int paneRight = DataWindow()->width();
    const QPoint marker(graph::XToPixel(state.graph, state.points, 2) - paneRight,
        graph::YToPixel(state.graph, state.points, 2));
    dialogs->exportAnswers
        = { PathOf("graph.png"), PathOf("graph.svg"), PathOf("graph.pdf"), PathOf("graph.txt") };
    for (int file = 0; file < 4; ++file)
        MenuItem("ExportGraph1")->trigger();
    ASSERT_EQ(dialogs->errorTexts.size(), 1u);
    EXPECT_TRUE(dialogs->errorTexts[0].startsWith("Cannot create file " + PathOf("graph.txt")));

    const QImage png(PathOf("graph.png"));
    EXPECT_EQ(png.size(), QSize(ClientArea()->width() - paneRight, ClientArea()->height()));
    EXPECT_EQ(png.pixel(marker) & RGB_MASK, 0xFF0000u);
    QFile svgFile(PathOf("graph.svg"));
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&svgFile);
    EXPECT_TRUE(svg.readNextStartElement() && svg.name() == QStringLiteral("svg"));
    while (!svg.atEnd())
        svg.readNext();
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    EXPECT_EQ(PageCount(QByteArray::fromStdString(ReadFile(PathOf("graph.pdf")))), 1);
}

TEST_F(ExportGraph, NeitherExportNorPrintReplacesTheFileThePaneCameFrom)
{
    // The opened file and, through a link, the imported table: each stays as it was.
    const QString data = WriteFile("data.dat", "1 2\r\n3 4\r\n");
    const QString table = WriteFile("table.csv", "x,y\n1,2\n3,5\n");
    ASSERT_TRUE(QFile::link(table, PathOf("link.png")));
    const QString refusal
        = "Cannot create file %1.\nIt is the data file, which the graph would replace.";
    dialogs->openAnswers.push_back(data);
    MenuItem("Open1")->trigger();
    dialogs->exportAnswers = { data };
    MenuItem("ExportGraph1")->trigger();
    dialogs->pdfPath = data;
    MenuItem("Print1")->trigger();
    dialogs->importAnswers.push_back(table);
    MenuItem("ImportTable1")->trigger();
    dialogs->exportAnswers = { PathOf("link.png") };
    MenuItem("ExportGraph1")->trigger();
    EXPECT_EQ(dialogs->errorTexts,
        (std::vector<QString> {
            refusal.arg(data), refusal.arg(data), refusal.arg(PathOf("link.png")) }));
    EXPECT_EQ(ReadFile(data), "1 2\r\n3 4\r\n");
    EXPECT_EQ(ReadFile(table), "x,y\n1,2\n3,5\n");
}

TEST_F(ExportGraph, WritesTheGraphAreaWithoutAGraphAsTheWindowShowsIt)
{
    const struct {
        const char* name;
        const char* text;
    } panes[] = { { "empty pane", "" }, { "no line reads", "x y\n" } };
    for (const auto& pane : panes) {
        SCOPED_TRACE(pane.name);
        DataLines().SetText(pane.text);
        window->FormPaint();
        dialogs->exportAnswers = { PathOf("empty.png") };
        MenuItem("ExportGraph1")->trigger();
        ASSERT_TRUE(dialogs->errorTexts.empty());
        const int paneRight = DataWindow()->width();
        const QImage shown = GraphImage().copy(
            QRect(paneRight, 0, ClientArea()->width() - paneRight, ClientArea()->height()));
        EXPECT_EQ(QImage(PathOf("empty.png")).convertToFormat(shown.format()), shown);
    }
}

} // namespace
