// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/failure.cpp: failure texts and the floating-point flag check.
#include "common/failure.h"

#include <cfenv>

namespace common {

namespace {

    const char* MessageOf(FloatingPointError::Kind kind)
    {
        switch (kind) {
        case FloatingPointError::Kind::DivisionByZero:
            return "Floating point division by zero";
        case FloatingPointError::Kind::InvalidOperation:
            return "Invalid floating point operation";
        case FloatingPointError::Kind::Overflow:
            return "Floating point overflow";
        }
        return "Invalid floating point operation";
    }

    constexpr int FaultFlags = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

} // namespace

std::string FailureText(const Failure& failure)
{
    std::string text = failure.what();
    text += '.';
    if (!failure.reason().empty()) {
        text += '\n';
        text += failure.reason();
    }
    return text;
}

FloatingPointError::FloatingPointError(Kind kind, std::string reason)
    : Failure(MessageOf(kind), std::move(reason))
    , m_kind(kind)
{
}

void ClearFloatingPointFlags() { std::feclearexcept(FaultFlags); }

void CheckFloatingPointFlags()
{
    const int raised = std::fetestexcept(FaultFlags);
    if (raised == 0)
        return;
    std::feclearexcept(FaultFlags);
    if (raised & FE_DIVBYZERO)
        throw FloatingPointError(FloatingPointError::Kind::DivisionByZero);
    if (raised & FE_INVALID)
        throw FloatingPointError(FloatingPointError::Kind::InvalidOperation);
    throw FloatingPointError(FloatingPointError::Kind::Overflow);
}

} // namespace common
