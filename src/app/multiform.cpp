// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/multiform.cpp: creation and destruction of the main window, and the locale it reads.
#include "app/multiform.h"

#include "app/captions.h"
#include "app/decimal_separator.h"
#include "app/file_drop_filter.h"
#include "app/pane_filler.h"
#include "app/qt_dialogs.h"
#include "app/qt_text_lines.h"
#include "app/run_guarded.h"
#include "app/window_notebook_host.h"
#include "fit/fit_state.h"
#include "layout/window_design.h"
#include "options/options_notebook.h"
#include "qtgraph/qt_font.h"

#include <QAction>
#include <QEvent>
#include <QLayout>
#include <QPlainTextEdit>
#include <QTimer>

namespace app {

namespace {

    // How long the data pane must rest after a change before the graph follows it: long
    // enough not to redraw at every keystroke, short enough to seem immediate.
    constexpr int TypingPauseMilliseconds = 300;

} // namespace

TMultiform::TMultiform(std::unique_ptr<Dialogs> dialogs)
    : m_dialogs(dialogs ? std::move(dialogs) : std::make_unique<QtDialogs>())
    , m_decimalSeparator(SystemDecimalSeparator())
{
    setObjectName(QStringLiteral("Multiform"));
    setWindowTitle(QString::fromLatin1(StartCaption));
    setFont(qtgraph::WindowFont());

    CreateComponents();
    CreateMenu();
    new MouseEventRouter(*this, workbench.layout, *m_dialogs,
        { DataWindow, Memo1, FitResultsWindow, Memo2, YAxisLabel }, this);
    m_dataLines = std::make_unique<QtTextLines>(*Memo1);
    m_paneFiller = new PaneFiller(*Memo1);
    m_resultLines = std::make_unique<QtTextLines>(*Memo2);
    FollowTyping();
    new FileDropFilter(*this, [this](const QString& path) { OpenGivenFile(path); });

    // Qt's geometry excludes the window manager's frame, which is not known before the window
    // is shown: the design size is taken as the size inside the frame. Laying out now gives
    // the client area its creation-time size for FormCreate.
    setGeometry(layout::DesignLeft, layout::DesignTop, layout::DesignWidth, layout::DesignHeight);
    layout()->activate();

    FormCreate();
}

TMultiform::~TMultiform()
{
    FormDestroy();
    // The notebook goes before the host it calls, which goes with the window's members.
    delete TabbedNotebook1;
    TabbedNotebook1 = nullptr;
}

void TMultiform::FormCreate()
{
    // The start-up values of the workbench are its structs' defaults, and PolyOrderLabel and
    // SpinEdit1 of the notebook's fit page are created hidden: what is left is the storage and
    // the first layout.
    fit::AllocateWorkingStorage(workbench.fit);
    // Half the client height at creation, kept by later layout passes.
    DataWindow->resize(DataWindow->width(), ClientArea->height() / 2);
    Reallocate();
}

void TMultiform::FormDestroy()
{
    workbench.fit.FitValid = false;
    workbench.points.DataPresent = false;
    fit::ReleaseWorkingStorage(workbench.fit);
}

void TMultiform::FollowTyping()
{
    m_typingPause = new QTimer(this);
    m_typingPause->setSingleShot(true);
    m_typingPause->setInterval(TypingPauseMilliseconds);
    connect(Memo1, &QPlainTextEdit::textChanged, m_typingPause, qOverload<>(&QTimer::start));
    connect(m_typingPause, &QTimer::timeout, this,
        [this] { RunGuarded(*m_dialogs, this, [this] { FormPaint(); }); });
}

void TMultiform::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        m_decimalSeparator = SystemDecimalSeparator();
    QMainWindow::changeEvent(event);
}

void TMultiform::ConnectGuarded(QAction* action, void (TMultiform::*handler)())
{
    connect(action, &QAction::triggered, this,
        [this, handler] { RunGuarded(*m_dialogs, this, [&] { (this->*handler)(); }); });
}

} // namespace app
