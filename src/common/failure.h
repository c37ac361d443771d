// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/failure.h: the failures the core raises; what() is the user's text without the final
// ".".
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace common {

// Base of every failure a command can end with. The one catch site in the shell shows
// what() followed by "." and the event loop goes on. A failure may also carry the reason in the
// user's terms, shown on a second line.
class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& message, std::string reason = {})
        : std::runtime_error(message)
        , m_reason(std::move(reason))
    {
    }
    // Empty when no reason is known.
    const std::string& reason() const { return m_reason; }

private:
    std::string m_reason;
};

// The text a failure is shown with: what() and "."; then the reason, when there is one, on a
// second line.
std::string FailureText(const Failure& failure);

// A floating-point fault: division by zero, an invalid operation or an overflow.
class FloatingPointError : public Failure {
public:
    enum class Kind { DivisionByZero, InvalidOperation, Overflow };

    explicit FloatingPointError(Kind kind, std::string reason = {});
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

// Clears the division-by-zero, invalid and overflow flags before a step.
void ClearFloatingPointFlags();

// Throws FloatingPointError when a step raised division by zero, an invalid operation or an
// overflow (checked in that order), clearing the flags first. Underflow and inexact pass.
void CheckFloatingPointFlags();

} // namespace common
