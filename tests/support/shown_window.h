// SPDX-License-Identifier: GPL-3.0-or-later
// tests/support/shown_window.h: a fresh main window with scripted dialogs, shown, and its
// controls found by the names of the window's layout.
#pragma once

#include "app/client_surface.h"
#include "app/multiform.h"
#include "app/qt_text_lines.h"
#include "options/options_notebook.h"
#include "support/scripted_dialogs.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSize>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>

// Failure messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace test_support {

class ShownWindow : public ::testing::Test {
protected:
    // Shows the window maximised, or at fixedSize when a fixture sets one (a plot then has the
    // same size with or without a window manager), and waits until it is on the screen.
    void SetUp() override;

    std::optional<QSize> fixedSize;

    // Controls under the names of the window's layout.
    app::ClientSurface* ClientArea() const;
    QWidget* DataWindow() const;
    QWidget* FitResultsWindow() const;
    QPlainTextEdit* Memo1() const;
    QPlainTextEdit* Memo2() const;
    QLabel* CoordinateLabel() const;
    QLabel* TitleLabel() const;
    QLabel* XAxisLabel() const;
    QLabel* YAxisLabel() const;
    options::OptionsNotebook* TabbedNotebook1() const;
    QMenu* File1() const;
    // A menu item: New1, Open1, Save1, SaveAs1, PrinterSetup1, Print1, Exit1, Format1, FitData1.
    QAction* MenuItem(const char* name) const;

    // The data pane and the results pane as editor lines.
    common::TextLines& DataLines() const { return *m_dataLines; }
    common::TextLines& ResultLines() const { return *m_resultLines; }
    // What the client area shows below its panes and labels.
    const QImage& GraphImage() const { return ClientArea()->GraphImage(); }

    ScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<app::TMultiform> window;

private:
    template <typename Control> Control* Named(const char* name) const;

    std::unique_ptr<app::QtTextLines> m_dataLines;
    std::unique_ptr<app::QtTextLines> m_resultLines;
};

} // namespace test_support
