// src/app/print_command.h: printing the image of the window's client area on one page.
#pragma once

#include <QSize>

class QPixmap;
class QPrinter;

namespace app {

// The size in printer pixels of an image of windowSize window pixels: each side stretched by
// the printer's pixels per inch / 96 in its own direction and rounded to whole pixels.
QSize PrintedSize(QSize windowSize, int printerPixelsPerInchX, int printerPixelsPerInchY);

// Prints image (in window pixels; a high-density pixmap by its device-independent size) as one
// page on printer, at the top-left corner of the printable area, stretched by PrintedSize.
// Throws common::Failure when the printer cannot start the job or finish it.
void PrintWindowImage(const QPixmap& image, QPrinter& printer);

} // namespace app
