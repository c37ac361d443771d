// SPDX-License-Identifier: GPL-3.0-or-later
// tests/app/file_window_fixture.h: a fresh main window with scripted dialogs and a folder of
// its own for the files it opens, saves and prints.
#pragma once

#include "support/shown_window.h"

#include <QAction>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

class FileWindow : public test_support::ShownWindow {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ShownWindow::SetUp();
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
        MenuItem("Open1")->trigger();
    }

    void SaveAs(const QString& answer)
    {
        dialogs->saveAnswers.push_back(answer);
        MenuItem("SaveAs1")->trigger();
    }

    std::string PaneText() const { return DataLines().Text(); }

    QTemporaryDir folder;
};
