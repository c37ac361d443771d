// SPDX-License-Identifier: GPL-3.0-or-later
// bench/open_bench.cpp: the window's Open of the largest data file it takes (16 MiB in 1.2
// million lines), to its first view and to its last line, and a keystroke in it followed by the
// repaint pass the typing pause runs, and one typed while the file goes in. The peak memory of the
// process is reported with each.
#include "app/dialogs.h"
#include "app/memory_return.h"
#include "app/multiform.h"
#include "data/data_text_file.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include <sys/resource.h>

namespace {

// Opens the one file it is given and answers every other dialog with a cancel.
class OpenOnly : public app::Dialogs {
public:
    explicit OpenOnly(QString path)
        : m_path(std::move(path))
    {
    }
    std::optional<QString> OpenFileName(QWidget*, const QString&) override { return m_path; }
    std::optional<QString> SaveFileName(QWidget*, const QString&) override { return {}; }
    std::optional<QString> ExportFileName(QWidget*, const QString&) override { return {}; }
    std::optional<QString> ImportFileName(QWidget*, const QString&) override { return {}; }
    bool ConfirmImport(app::ImportTableDialog&) override { return false; }
    void Help(QWidget*, const QString&, const QString&) override { }
    app::SaveChangesAnswer AskSaveChanges(QWidget*, const QString&) override
    {
        return app::SaveChangesAnswer::Discard;
    }
    void Information(QWidget*, const QString&) override { }
    void Error(QWidget*, const QString& text) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    bool PrinterSetup(QWidget*) override { return false; }
    QPrinter* PrintTarget(QWidget*) override { return nullptr; }

private:
    QString m_path;
};

QString largestFile;
// The pane's lines with all of the file in: its lines and the empty one after the last break.
int largestFileBlocks = 1;

// 16 MiB, the largest data file Open takes, in lines of 14 bytes such as "104857 31415\r\n":
// about 1.2 million lines.
QString LargestDataFile(const QTemporaryDir& folder)
{
    const QString path = folder.filePath(QStringLiteral("largest.dat"));
    std::ofstream file(path.toStdString(), std::ios::binary);
    constexpr std::size_t LineLength = 14;
    char line[32];
    for (std::size_t written = 0; written + LineLength <= data::MemoCapacity;
         written += LineLength) {
        const long number = long(written / LineLength);
        std::snprintf(
            line, sizeof line, "%6ld %5ld\r\n", number % 900000 + 100000, (number * 7919) % 100000);
        file << line;
        ++largestFileBlocks;
    }
    return path;
}

double PeakMebibytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

std::unique_ptr<app::TMultiform> ShownWindow(const QString& path)
{
    auto window = std::make_unique<app::TMultiform>(std::make_unique<OpenOnly>(path));
    window->showMaximized();
    if (!QTest::qWaitForWindowExposed(window.get()))
        std::fprintf(stderr, "the window is not shown\n");
    return window;
}

bool AllIn(const QPlainTextEdit& pane)
{
    return pane.document()->blockCount() == largestFileBlocks;
}

// From the menu item to the window showing the file's first lines and its graph, and, with
// wholeText, on to the pane holding all of it (the window answering meanwhile).
void OpenLargestFile(benchmark::State& state, bool wholeText)
{
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<app::TMultiform> window = ShownWindow(largestFile);
        auto* pane = window->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
        state.ResumeTiming();
        window->findChild<QAction*>(QStringLiteral("Open1"))->trigger();
        QApplication::processEvents();
        while (wholeText && !AllIn(*pane))
            QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    state.counters["peak MiB"] = PeakMebibytes();
}

// A key typed on the first line of the open file and the repaint pass that follows it.
void TypeInLargestFile(benchmark::State& state)
{
    std::unique_ptr<app::TMultiform> window = ShownWindow(largestFile);
    window->findChild<QAction*>(QStringLiteral("Open1"))->trigger();
    auto* pane = window->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    while (!AllIn(*pane))
        QApplication::processEvents();
    for (auto _ : state) {
        QTest::keyClick(pane, Qt::Key_5);
        window->FormPaint();
        QApplication::processEvents();
    }
    state.counters["peak MiB"] = PeakMebibytes();
}

// A key typed at the end of the file while its lines still go in, and the slice of them that
// follows: the longest a keystroke waits to show.
void TypeWhileLargestFileGoesIn(benchmark::State& state)
{
    std::unique_ptr<app::TMultiform> window = ShownWindow(largestFile);
    window->findChild<QAction*>(QStringLiteral("Open1"))->trigger();
    auto* pane = window->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    pane->moveCursor(QTextCursor::End);
    for (auto _ : state) {
        QTest::keyClick(pane, Qt::Key_5);
        QApplication::processEvents();
    }
    state.counters["all in"] = AllIn(*pane) ? 1 : 0;
    state.counters["peak MiB"] = PeakMebibytes();
}

BENCHMARK_CAPTURE(OpenLargestFile, FirstLines, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);
BENCHMARK_CAPTURE(OpenLargestFile, WholeText, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);
BENCHMARK(TypeInLargestFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(TypeWhileLargestFileGoesIn)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(40);

} // namespace

int main(int argc, char* argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // As the workbench runs.
    app::KeepLargeBlocksMapped();
    QApplication application(argc, argv);
    QTemporaryDir temporary;
    largestFile = LargestDataFile(temporary);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
