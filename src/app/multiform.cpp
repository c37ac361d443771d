// src/app/multiform.cpp: creation and destruction of the main window, and the locale it reads.
#include "app/multiform.h"

#include "app/captions.h"
#include "app/client_surface.h"
#include "app/decimal_separator.h"
#include "app/mouse_event_router.h"
#include "app/qt_dialogs.h"
#include "app/qt_text_lines.h"
#include "app/run_guarded.h"
#include "app/window_notebook_host.h"
#include "fit/fit_state.h"
#include "qtgraph/qt_font.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLayout>

namespace app {

namespace {

    // The window's outer size and place as laid out; it is shown maximised.
    constexpr int DesignLeft = 244;
    constexpr int DesignTop = 174;
    constexpr int DesignWidth = 540;
    constexpr int DesignHeight = 404;

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
    m_mouseEventRouter = new MouseEventRouter(*this);
    m_dataLines = std::make_unique<QtTextLines>(*Memo1);
    m_resultLines = std::make_unique<QtTextLines>(*Memo2);

    // Qt's geometry excludes the window manager's frame, which is not known before the window
    // is shown: the design size is taken as the size inside the frame. Laying out now gives
    // the client area its creation-time size for FormCreate.
    setGeometry(DesignLeft, DesignTop, DesignWidth, DesignHeight);
    layout()->activate();

    FormCreate(this);
}

TMultiform::~TMultiform()
{
    FormDestroy(this);
    // The notebook goes before the host it calls, which goes with the window's members.
    delete TabbedNotebook1;
    TabbedNotebook1 = nullptr;
}

void TMultiform::FormCreate(QObject* sender)
{
    data::PointStore& points = workbench.points;
    fit::FitState& fitState = workbench.fit;
    report::ReportSettings& report = workbench.report;
    graph::GraphState& graphState = workbench.graph;
    LayoutState& layout = workbench.layout;

    fit::AllocateWorkingStorage(fitState);
    // PolyOrderLabel and SpinEdit1 of the notebook's fit page are created hidden.
    report.XUnitsText = "XUnits";
    report.YUnitsText = "YUnits";
    points.SuppressZero = false;
    fitState.FitValid = false;
    fitState.ZeroForce = false;
    graphState.GraphMargin = 40;
    layout.PaneOffset = 0;
    points.MarginPercent = 10;
    layout.GripSize = 10;
    graphState.BackgroundColor = common::ButtonFaceColor;
    graphState.GraphColor = common::White;
    graphState.TickColor = common::Black;
    graphState.MarkerColor = common::Red;
    graphState.MarkerSize = 7;
    graphState.MarkerType = graph::Circle;
    // Half the client height at creation, kept by later layout passes.
    DataWindow->resize(DataWindow->width(), ClientArea->height() / 2);
    Reallocate(sender);
    fitState.FitType = fit::StraightLine;
    report.PrecisionFlag = 0;
}

void TMultiform::FormDestroy(QObject* sender)
{
    (void)sender;
    workbench.fit.FitValid = false;
    workbench.points.DataPresent = false;
    fit::ReleaseWorkingStorage(workbench.fit);
}

void TMultiform::Exit1Click(QObject* sender)
{
    (void)sender;
    QCoreApplication::exit(0);
}

common::TextLines& TMultiform::DataLines() { return *m_dataLines; }

common::TextLines& TMultiform::ResultLines() { return *m_resultLines; }

void TMultiform::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        m_decimalSeparator = SystemDecimalSeparator();
    QMainWindow::changeEvent(event);
}

void TMultiform::ConnectGuarded(QAction* action, void (TMultiform::*handler)(QObject*))
{
    connect(action, &QAction::triggered, this,
        [this, action, handler] { RunGuarded(*this, [&] { (this->*handler)(action); }); });
}

} // namespace app
