// SPDX-License-Identifier: GPL-3.0-or-later
// tests/app/window_driver.h: a shown main window with scripted dialogs, driven as a user drives
// it, and the pixels the graph should have.
#pragma once

#include "graph/plot_transforms.h"
#include "qtgraph/qt_color.h"
#include "report/initial_results_text.h"
#include "support/shown_window.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace app_test {

// Pixels as Rgb gives them.
constexpr QRgb RedPixel = 0xFF0000;
constexpr QRgb WhitePixel = 0xFFFFFF;
constexpr QRgb BlackPixel = 0x000000;

// The first line of the instructions the results pane starts with.
inline const std::string InstructionsFirstLine(
    report::InitialResultsText.substr(0, report::InitialResultsText.find('\n')));

class WindowDriver : public test_support::ShownWindow {
protected:
    WindowDriver() { fixedSize = QSize(960, 640); }

    // Types the lines into the data pane, each followed by Return.
    void TypeData(std::initializer_list<const char*> lines)
    {
        Memo1()->setFocus();
        for (const char* line : lines) {
            QTest::keyClicks(Memo1(), QString::fromLatin1(line));
            QTest::keyClick(Memo1(), Qt::Key_Return);
        }
    }

    // Clicks an item of the menu bar itself ("Forma&t", "Fit &Data").
    void ChooseMenu(QAction* item)
    {
        QMenuBar* bar = window->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(item).center());
    }

    template <typename Control> Control* Find(const char* name)
    {
        auto* control = TabbedNotebook1()->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    // Picks the item from the combo box's open list with the mouse.
    void Choose(const char* comboName, const char* item)
    {
        auto* box = Find<QComboBox>(comboName);
        const int index = box->findText(QString::fromLatin1(item));
        ASSERT_GE(index, 0) << item;
        box->showPopup();
        QAbstractItemView* list = box->view();
        const QRect place = list->visualRect(list->model()->index(index, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
        ASSERT_FALSE(list->isVisible());
    }

    void Press(const char* buttonName)
    {
        auto* button = Find<QPushButton>(buttonName);
        ASSERT_TRUE(button->isVisible()) << buttonName;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Clicks the tick square of a check box.
    void Tick(const char* boxName)
    {
        auto* box = Find<QCheckBox>(boxName);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }

    // Types over the whole text of an edit box.
    void TypeOver(QWidget* box, const char* text)
    {
        if (auto* edit = qobject_cast<QLineEdit*>(box))
            edit->selectAll();
        else if (auto* spin = qobject_cast<QAbstractSpinBox*>(box))
            spin->selectAll();
        QTest::keyClicks(box, QString::fromLatin1(text));
    }

    // The data as typed, the fit chosen on the Fit Data page, and Show.
    void FitAndShow(std::initializer_list<const char*> lines, const char* fitType)
    {
        TypeData(lines);
        ChooseMenu(MenuItem("FitData1"));
        Choose("TabbedFitCombo", fitType);
        Press("TabbedFitShow");
    }

    // What the client area shows now, panes and labels included; taking it runs a paint.
    QImage Screen() const { return ClientArea()->grab().toImage(); }

    // What the window has put on the screen once its pending paints are done, in client
    // coordinates; taking it paints nothing.
    QImage Shown() const
    {
        for (int round = 0; round < 20; ++round)
            QCoreApplication::processEvents();
        const QRect client(ClientArea()->mapTo(window.get(), QPoint(0, 0)), ClientArea()->size());
        return window->screen()->grabWindow(window->winId()).toImage().copy(client);
    }

    static QRgb Rgb(const QImage& image, QPoint pixel) { return image.pixel(pixel) & RGB_MASK; }

    QRgb ColorOf(common::ColorValue colour) const
    {
        return qtgraph::ColorOf(colour, ClientArea()->palette()).rgb() & RGB_MASK;
    }

    // Where the drawing pass put the point, from the plot of its last run.
    QPoint PixelOf(common::Extended x, common::Extended y) const
    {
        const app::Workbench& state = window->workbench;
        return { graph::XToPixel(state.graph, state.points, x),
            graph::YToPixel(state.graph, state.points, y) };
    }

    std::string ResultLine(int index) const { return ResultLines().Line(index); }
};

} // namespace app_test
