// src/app/main.cpp: program entry of the workbench.
#include "app/multiform.h"

#include <QApplication>

#include <cstdio>
#include <exception>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    try {
        app::TMultiform window;
        window.showMaximized();
        return application.exec();
    } catch (const std::exception& failure) {
        // Only the window's creation can get here (the working storage could not be had):
        // handlers never let a failure out.
        std::fprintf(stderr, "VARNEK32: %s.\n", failure.what());
        return 1;
    }
}
