// SPDX-License-Identifier: GPL-3.0-or-later
// tests/support/shown_window.cpp: the shown main window and its controls by name.
#include "support/shown_window.h"

#include <QTest>

namespace test_support {

void ShownWindow::SetUp()
{
    auto scripted = std::make_unique<ScriptedDialogs>();
    dialogs = scripted.get();
    window = std::make_unique<app::TMultiform>(std::move(scripted));
    m_dataLines = std::make_unique<app::QtTextLines>(*Memo1());
    m_resultLines = std::make_unique<app::QtTextLines>(*Memo2());
    if (fixedSize) {
        window->resize(*fixedSize);
        window->show();
    } else {
        window->showMaximized();
    }
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    if (fixedSize) {
        ASSERT_TRUE(QTest::qWaitFor([this] { return window->size() == *fixedSize; }));
    }
}

template <typename Control> Control* ShownWindow::Named(const char* name) const
{
    auto* control = window->findChild<Control*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

app::ClientSurface* ShownWindow::ClientArea() const
{
    return Named<app::ClientSurface>("ClientArea");
}

QWidget* ShownWindow::DataWindow() const { return Named<QWidget>("DataWindow"); }

QWidget* ShownWindow::FitResultsWindow() const { return Named<QWidget>("FitResultsWindow"); }

QPlainTextEdit* ShownWindow::Memo1() const { return Named<QPlainTextEdit>("Memo1"); }

QPlainTextEdit* ShownWindow::Memo2() const { return Named<QPlainTextEdit>("Memo2"); }

QLabel* ShownWindow::CoordinateLabel() const { return Named<QLabel>("CoordinateLabel"); }

QLabel* ShownWindow::TitleLabel() const { return Named<QLabel>("TitleLabel"); }

QLabel* ShownWindow::XAxisLabel() const { return Named<QLabel>("XAxisLabel"); }

QLabel* ShownWindow::YAxisLabel() const { return Named<QLabel>("YAxisLabel"); }

options::OptionsNotebook* ShownWindow::TabbedNotebook1() const
{
    return Named<options::OptionsNotebook>("TabbedNotebook1");
}

QMenu* ShownWindow::File1() const { return Named<QMenu>("File1"); }

QAction* ShownWindow::MenuItem(const char* name) const { return Named<QAction>(name); }

} // namespace test_support
