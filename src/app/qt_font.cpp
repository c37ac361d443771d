// src/app/qt_font.cpp: the window font.
#include "app/qt_font.h"

namespace app {

QFont WindowFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    return font;
}

} // namespace app
