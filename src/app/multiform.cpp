// src/app/multiform.cpp: the main window.
#include "app/multiform.h"

namespace app {

TMultiform::TMultiform(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("VARNEK32 -- 32-bit Varnekworks"));
}

} // namespace app
