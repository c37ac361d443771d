// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/print_command.cpp: one page holding the window's image, sized in inches as on screen
// as far as the page allows.
#include "app/print_command.h"

#include "app/local_file_name.h"
#include "common/failure.h"
#include "common/integer_conversions.h"
#include "common/printable_text.h"
#include "common/safe_file_write.h"
#include "layout/window_design.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrinter>

#include <string>

namespace app {

namespace {

    // What the failure messages call the printer: its output file, else its name.
    std::string TargetName(const QPrinter& printer)
    {
        if (!printer.outputFileName().isEmpty())
            return common::FullPath(LocalFileName(printer.outputFileName()));
        return common::PrintableText(printer.printerName().toStdString());
    }

    int Stretched(int windowPixels, int printerPixelsPerInch)
    {
        return common::Nearest(static_cast<common::Extended>(windowPixels) * printerPixelsPerInch
            / layout::PixelsPerInch);
    }

    // Paints the page on device (whose pixels are the printable area), which prints for
    // printer; the failures name the printer.
    void PrintPage(QPaintDevice& device, const QPixmap& image, const QPrinter& printer)
    {
        QPainter painter;
        if (!painter.begin(&device))
            throw common::Failure("Cannot start printing on " + TargetName(printer));
        // Lines and text one pixel wide stay sharp: no lossy compression of the image.
        painter.setRenderHint(QPainter::LosslessImageRendering);
        const QSize windowSize = image.deviceIndependentSize().toSize();
        const QSize printed = PrintedSize(windowSize, device.logicalDpiX(), device.logicalDpiY(),
            QSize(device.width(), device.height()));
        // The painter's origin is the top-left corner of the printable area (not the full page).
        painter.drawPixmap(QRect(QPoint(0, 0), printed), image);
        if (!painter.end())
            throw common::Failure("Cannot finish printing on " + TargetName(printer));
    }

    // The same page through a PDF writer with the printer's page and resolution, into memory.
    QByteArray PdfPage(const QPixmap& image, const QPrinter& printer)
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(printer.pageLayout());
        writer.setResolution(printer.resolution());
        writer.setCreator(printer.creator());
        writer.setTitle(printer.docName());
        PrintPage(writer, image, printer);
        return buffer.data();
    }

} // namespace

QSize PrintedSize(
    QSize windowSize, int printerPixelsPerInchX, int printerPixelsPerInchY, QSize printable)
{
    const QSize trueSize(Stretched(windowSize.width(), printerPixelsPerInchX),
        Stretched(windowSize.height(), printerPixelsPerInchY));
    if (trueSize.width() <= printable.width() && trueSize.height() <= printable.height())
        return trueSize;
    return trueSize.scaled(printable, Qt::KeepAspectRatio);
}

std::string PrintWindowImage(const QPixmap& image, QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        const QByteArray page = PdfPage(image, printer);
        return common::WriteFileSafely(LocalFileName(printer.outputFileName()),
            std::string_view(page.constData(), std::size_t(page.size())));
    }
    PrintPage(printer, image, printer);
    return std::string();
}

} // namespace app
