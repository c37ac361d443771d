// src/common/failure.h: the failures the core raises; what() is the user's text without the final
// ".".
#pragma once

#include <stdexcept>
#include <string>

namespace common {

// Base of every failure a command can end with. The one catch site in the shell shows
// what() followed by "." and the event loop goes on.
class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A floating-point fault: division by zero, an invalid operation or an overflow.
class FloatingPointError : public Failure {
public:
    enum class Kind { DivisionByZero, InvalidOperation, Overflow };

    explicit FloatingPointError(Kind kind);
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
