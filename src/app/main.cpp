// src/app/main.cpp: program entry of the workbench.
#include "app/multiform.h"
#include "common/version_text.h"

#include <QApplication>

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

int main(int argc, char* argv[])
{
    // --version is answered before Qt starts, so that it needs no display.
    for (int index = 1; index < argc; ++index) {
        if (std::string_view(argv[index]) == "--version") {
            const std::string text = common::VersionText("varnek32");
            const bool written = std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0;
            return written ? 0 : 1;
        }
    }

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
