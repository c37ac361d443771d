// tests/app/window_driver.h: a shown main window with scripted dialogs, driven as a user drives
// it, and the pixels the graph should have.
#pragma once

#include "app/client_surface.h"
#include "app/multiform.h"
#include "graph/plot_transforms.h"
#include "qtgraph/qt_color.h"
#include "support/scripted_dialogs.h"

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

#include <memory>

namespace app_test {

// Pixels as Rgb gives them.
constexpr QRgb RedPixel = 0xFF0000;
constexpr QRgb WhitePixel = 0xFFFFFF;
constexpr QRgb BlackPixel = 0x000000;

class WindowDriver : public ::testing::Test {
protected:
    static constexpr QSize WindowSize { 960, 640 };

    void SetUp() override
    {
        auto scripted = std::make_unique<test_support::ScriptedDialogs>();
        dialogs = scripted.get();
        window = std::make_unique<app::TMultiform>(std::move(scripted));
        // A fixed size rather than maximised, so the plot is the same with or without a
        // window manager.
        window->resize(WindowSize);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ASSERT_TRUE(QTest::qWaitFor([this] { return window->size() == WindowSize; }));
    }

    // Types the lines into the data pane, each followed by Return.
    void TypeData(std::initializer_list<const char*> lines)
    {
        window->Memo1->setFocus();
        for (const char* line : lines) {
            QTest::keyClicks(window->Memo1, QString::fromLatin1(line));
            QTest::keyClick(window->Memo1, Qt::Key_Return);
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
        auto* control = window->TabbedNotebook1->findChild<Control*>(QString::fromLatin1(name));
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
        ChooseMenu(window->FitData1);
        Choose("TabbedFitCombo", fitType);
        Press("TabbedFitShow");
    }

    // What the client area shows now, panes and labels included; taking it runs a paint.
    QImage Screen() const { return window->ClientArea->grab().toImage(); }

    // What the window has put on the screen once its pending paints are done, in client
    // coordinates; taking it paints nothing.
    QImage Shown() const
    {
        for (int round = 0; round < 20; ++round)
            QCoreApplication::processEvents();
        const QRect client(
            window->ClientArea->mapTo(window.get(), QPoint(0, 0)), window->ClientArea->size());
        return window->screen()->grabWindow(window->winId()).toImage().copy(client);
    }

    static QRgb Rgb(const QImage& image, QPoint pixel) { return image.pixel(pixel) & RGB_MASK; }

    QRgb ColorOf(common::ColorValue colour) const
    {
        return qtgraph::ColorOf(colour, window->ClientArea->palette()).rgb() & RGB_MASK;
    }

    // Where the drawing pass put the point, from the plot of its last run.
    QPoint PixelOf(common::Extended x, common::Extended y) const
    {
        const app::Workbench& state = window->workbench;
        return { graph::XToPixel(state.graph, state.points, x),
            graph::YToPixel(state.graph, state.points, y) };
    }

    std::string ResultLine(int index) const { return window->ResultLines().Line(index); }

    test_support::ScriptedDialogs* dialogs = nullptr;
    std::unique_ptr<app::TMultiform> window;
};

} // namespace app_test
