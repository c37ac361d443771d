// tests/app/file_window_fixture.h: a fresh main window with scripted dialogs and a folder of
// its own for the files it opens, saves and prints.
#pragma once

#include "app/multiform.h"
#include "support/scripted_dialogs.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

// Failure messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

class FileWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        auto scripted = std::make_unique<test_support::ScriptedDialogs>();
        dialogs = scripted.get();
        window = std::make_unique<app::TMultiform>(std::move(scripted));
        window->showMaximized();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QString PathOf(const QString& name) const { return folder.filePath(name); }

    // Writes bytes as the whole content of the file name in the folder; returns its path.
    QString WriteFile(const QString& name, const std::string& bytes) const
    {
        QFile file(PathOf(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), qint64(bytes.size()));
        return file.fileName();
    }

    static std::string ReadFile(const QString& path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return file.readAll().toStdString();
    }

    // Chooses File, Open with the given answer of the open dialog (empty: cancel).
    void Open(const QString& answer)
    {
        dialogs->openAnswers.push_back(answer);
        window->Open1->trigger();
    }

    void SaveAs(const QString& answer)
    {
        dialogs->saveAnswers.push_back(answer);
        window->SaveAs1->trigger();
    }

    std::string PaneText() const { return window->DataLines().Text(); }

    QTemporaryDir folder;
    test_support::ScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<app::TMultiform> window;
};
