// SPDX-License-Identifier: GPL-3.0-or-later
// src/app/run_guarded.cpp: the general error report.
#include "app/run_guarded.h"

#include "app/dialogs.h"
#include "common/failure.h"

#include <new>
#include <stdexcept>
#include <string>

namespace app {

namespace {

    void Report(Dialogs& dialogs, QWidget* parent, const std::string& text)
    {
        dialogs.Error(parent, QString::fromStdString(text));
    }

    void Report(Dialogs& dialogs, QWidget* parent, const char* message)
    {
        Report(dialogs, parent, std::string(message) + '.');
    }

} // namespace

void RunGuarded(Dialogs& dialogs, QWidget* parent, const std::function<void()>& action)
{
    try {
        action();
    } catch (const common::Failure& failure) {
        Report(dialogs, parent, common::FailureText(failure));
    } catch (const std::bad_alloc&) {
        Report(dialogs, parent, "Not enough memory for this command");
    } catch (const std::exception& exception) {
        Report(dialogs, parent, exception.what());
    }
}

} // namespace app
