// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/print_command.h: printing the image of the window's client area on one page.
#pragma once

#include <QSize>

#include <string>

class QPixmap;
class QPrinter;

namespace app {

// The size in printer pixels of an image of windowSize window pixels: each side stretched by
// the printer's pixels per inch / 96 in its own direction and rounded to whole pixels, so that
// it keeps its size in inches; when that is larger than printable, scaled down to the largest
// size that fits, in the same proportions.
QSize PrintedSize(
    QSize windowSize, int printerPixelsPerInchX, int printerPixelsPerInchY, QSize printable);

// Prints image (in window pixels; a high-density pixmap by its device-independent size) as one
// page on printer, at the top-left corner of the printable area, sized by PrintedSize. A printer
// that prints into a PDF file gets the page made in memory and written by
// common::WriteFileSafely, so that the file is replaced only by a complete page; its note about
// the written file is returned (empty otherwise). Throws common::Failure when the printer cannot
// start the job or finish it, or "Cannot create file <full path>" with the reason when the PDF
// file cannot be written (the old file, if any, then stays as it was).
[[nodiscard]] std::string PrintWindowImage(const QPixmap& image, QPrinter& printer);

} // namespace app
