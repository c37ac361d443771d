// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/main.cpp: program entry of the workbench.
#include "app/memory_return.h"
#include "app/multiform.h"
#include "common/version_text.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>

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

    app::KeepLargeBlocksMapped();
    QApplication application(argc, argv);
    try {
        app::TMultiform window;
        window.showMaximized();
        // varnek32 FILE opens FILE as a drop on the window would, once the window shows.
        const QStringList arguments = QCoreApplication::arguments();
        if (arguments.size() > 1)
            QTimer::singleShot(
                0, &window, [&window, path = arguments.at(1)] { window.OpenGivenFile(path); });
        return application.exec();
    } catch (const std::exception& failure) {
        // Only the window's creation can get here (the working storage could not be had):
        // handlers never let a failure out.
        std::fprintf(stderr, "VARNEK32: %s.\n", failure.what());
        return 1;
    }
}
