// SPDX-License-Identifier: GPL-3.0-or-later
// tests/app/run_guarded_test.cpp: a failing command is reported once, with its full stop.
#include "app/run_guarded.h"

#include "common/failure.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

TEST(RunGuarded, ShowsTheFailureFollowedByAFullStop)
{
    test_support::ScriptedDialogs dialogs;

    const struct {
        const char* name;
        std::function<void()> failure;
        QString message;
    } cases[] = {
        { "a failure of the program",
            [] { throw common::Failure("Cannot open file /tmp/run.dat"); },
            QStringLiteral("Cannot open file /tmp/run.dat.") },
        { "a floating-point fault",
            [] { throw common::FloatingPointError(common::FloatingPointError::Kind::Overflow); },
            QStringLiteral("Floating point overflow.") },
        { "no memory", [] { throw std::bad_alloc(); },
            QStringLiteral("Not enough memory for this command.") },
        { "any other standard exception", [] { throw std::out_of_range("Index out of range"); },
            QStringLiteral("Index out of range.") },
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        dialogs.errorTexts.clear();
        int stepsDone = 0;
        app::RunGuarded(dialogs, nullptr, [&] {
            ++stepsDone;
            testCase.failure();
            ++stepsDone;
        });
        // The command ends at the failing step; what it did before stays done.
        EXPECT_EQ(stepsDone, 1);
        EXPECT_EQ(dialogs.errorTexts, std::vector<QString> { testCase.message });
    }

    dialogs.errorTexts.clear();
    app::RunGuarded(dialogs, nullptr, [] {});
    EXPECT_TRUE(dialogs.errorTexts.empty());
}
