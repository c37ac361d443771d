// tests/support/widget_test_main.cpp: entry of the widget test programs, headless by default.
#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cstdlib>

// Qt keeps global caches until process exit; leak reports of them would drown real ones. The
// widget tests run with leak detection off (an ASAN_OPTIONS setting still overrides this).
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

int main(int argc, char* argv[])
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
