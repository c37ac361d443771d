// src/app/run_guarded.cpp: the general error report.
#include "app/run_guarded.h"

#include "app/dialogs.h"
#include "app/multiform.h"
#include "common/failure.h"

#include <new>
#include <stdexcept>

namespace app {

namespace {

    void Report(TMultiform& window, const char* message)
    {
        QString text = QString::fromUtf8(message);
        text += QLatin1Char('.');
        window.UserDialogs().Error(&window, text);
    }

} // namespace

void RunGuarded(TMultiform& window, const std::function<void()>& action)
{
    try {
        action();
    } catch (const common::Failure& failure) {
        Report(window, failure.what());
    } catch (const std::bad_alloc&) {
        Report(window, "Not enough memory for this command");
    } catch (const std::exception& exception) {
        Report(window, exception.what());
    }
}

} // namespace app
