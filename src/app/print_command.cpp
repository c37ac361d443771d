// src/app/print_command.cpp: one page holding the window's image, sized in inches as on screen.
#include "app/print_command.h"

#include "common/failure.h"
#include "common/integer_conversions.h"
#include "layout/window_design.h"

#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>

#include <string>

namespace app {

namespace {

    // What the failure messages call the printer: its output file, else its name.
    std::string TargetName(const QPrinter& printer)
    {
        if (!printer.outputFileName().isEmpty())
            return QDir::toNativeSeparators(printer.outputFileName()).toStdString();
        return printer.printerName().toStdString();
    }

    int Stretched(int windowPixels, int printerPixelsPerInch)
    {
        return common::Nearest(static_cast<common::Extended>(windowPixels) * printerPixelsPerInch
            / layout::PixelsPerInch);
    }

} // namespace

QSize PrintedSize(QSize windowSize, int printerPixelsPerInchX, int printerPixelsPerInchY)
{
    return QSize(Stretched(windowSize.width(), printerPixelsPerInchX),
        Stretched(windowSize.height(), printerPixelsPerInchY));
}

void PrintWindowImage(const QPixmap& image, QPrinter& printer)
{
    QPainter painter;
    // The painter's origin is the top-left corner of the printable area (not the full page).
    if (!painter.begin(&printer)) {
        std::string message = "Cannot start printing on ";
        message += TargetName(printer);
        throw common::Failure(message);
    }
    // Lines and text one pixel wide stay sharp: no lossy compression of the image.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const QSize windowSize = image.deviceIndependentSize().toSize();
    const QSize printed = PrintedSize(windowSize, printer.logicalDpiX(), printer.logicalDpiY());
    painter.drawPixmap(QRect(QPoint(0, 0), printed), image);
    if (!painter.end()) {
        std::string message = "Cannot finish printing on ";
        message += TargetName(printer);
        throw common::Failure(message);
    }
}

} // namespace app
