// SPDX-License-Identifier: GPL-3.0-or-later
// tests/support/qt_test_main.cpp: entry of every test program that runs Qt, headless by default.
#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

// Qt keeps global caches until process exit; leak reports of them would drown real ones. The
// Qt tests run with leak detection off (an ASAN_OPTIONS setting still overrides this).
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

int main(int argc, char* argv[])
{
    // No display is needed: the offscreen platform unless the caller chose one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Before anything reads settings.
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
