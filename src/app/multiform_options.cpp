// src/app/multiform_options.cpp: the fit command of the Show buttons and the menu commands that
// show the options notebook.
#include "app/multiform.h"

#include "app/client_surface.h"
#include "app/qt_text_lines.h"
#include "fit/fit_command.h"
#include "options/options_notebook.h"
#include "report/lsq_results_to_screen.h"

#include <QAction>
#include <QEvent>
#include <QKeySequence>
#include <QShortcutEvent>
#include <QTabBar>

#include <vector>

namespace app {

namespace {

    // The notebook's tabs "Fit &Data" and "&Titles" share Alt+D and Alt+T with the menu items
    // "Fit &Data" and "Forma&t". Qt would hand such a key to the tab bar and the menu bar in
    // turn; the menu item takes it every time instead, which shows the same page.
    class MenuKeysFirst : public QObject {
    public:
        MenuKeysFirst(QObject* parent, std::initializer_list<QAction*> items)
            : QObject(parent)
            , m_items(items)
        {
        }

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() != QEvent::Shortcut)
                return QObject::eventFilter(watched, event);
            const QKeySequence key = static_cast<QShortcutEvent*>(event)->key();
            for (QAction* item : m_items) {
                if (QKeySequence::mnemonic(item->text()) == key) {
                    item->trigger();
                    return true;
                }
            }
            return false;
        }

    private:
        std::vector<QAction*> m_items;
    };

    // The notebook lies over the panes, so hiding it uncovers no part of the drawing surface
    // and Qt would not repaint it; the window repaints in any case, which drops a curve whose
    // fit is no longer valid.
    class RepaintWhenHidden : public QObject {
    public:
        RepaintWhenHidden(QObject* parent, QWidget& surface)
            : QObject(parent)
            , m_surface(surface)
        {
        }

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Hide)
                m_surface.update();
            return QObject::eventFilter(watched, event);
        }

    private:
        QWidget& m_surface;
    };

} // namespace

void TMultiform::ConnectNotebook()
{
    auto* tabs = TabbedNotebook1->findChild<QTabBar*>();
    tabs->installEventFilter(new MenuKeysFirst(this, { Format1, FitData1 }));
    TabbedNotebook1->installEventFilter(new RepaintWhenHidden(this, *ClientArea));
}

void TMultiform::TabbedFitShowClick()
{
    ReadDataPane();
    const fit::FitOutcome outcome
        = fit::CheckAndFit(workbench.points, workbench.fit, [this](std::string_view message) {
              m_dialogs->Information(
                  this, QString::fromUtf8(message.data(), qsizetype(message.size())));
          });
    if (outcome != fit::FitOutcome::Fitted)
        return;
    report::LsqResultsToScreen(workbench.fit, workbench.report, *m_resultLines);
    // FitValid is set: the graph is drawn with the fitted curve.
    DrawGraphOnClientArea();
}

void TMultiform::Format1Click() { TabbedNotebook1->ShowTitlesPage(); }

void TMultiform::FitData1Click() { TabbedNotebook1->ShowFitDataPage(); }

} // namespace app
