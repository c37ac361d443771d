// src/app/multiform.h: the main window.
#pragma once

#include <QMainWindow>

namespace app {

class TMultiform : public QMainWindow {
    Q_OBJECT

public:
    explicit TMultiform(QWidget* parent = nullptr);
};

} // namespace app
