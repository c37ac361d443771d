// src/app/main.cpp: program entry of the workbench.
#include "app/multiform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    app::TMultiform window;
    window.showMaximized();
    return application.exec();
}
