// SPDX-License-Identifier: GPL-3.0-or-later
// src/common/floating_point_step.h: ending a step of arithmetic with the check of the FPU flags,
// or keeping the flags as they were.
#pragma once

#include "common/failure.h"

#include <cfenv>

namespace common {

// Makes sure the arithmetic that produced value is carried out before this point. GCC does not
// model the floating-point flags, so without it a result used only after the flag check could
// be computed after it and its fault would escape the check (or be reported by a later step).
template <typename Value> inline void KeepBeforeCheck(Value& value)
{
    asm volatile("" : "+m"(value));
}

// Ends a step: the given results are complete, then CheckFloatingPointFlags throws the fault
// the step raised, if any. Results written to the caller's state need not be listed.
template <typename... Values> inline void EndFloatingPointStep(Values&... values)
{
    (KeepBeforeCheck(values), ...);
    CheckFloatingPointFlags();
}

// Puts the floating-point flags back as they were at construction when it goes out of scope:
// for arithmetic whose faults are answers (a NaN, an overflowing curve) rather than failures,
// so that the next checked step finds only its own.
class FloatingPointFlagsKept {
public:
    FloatingPointFlagsKept() { std::fegetexceptflag(&m_flags, FE_ALL_EXCEPT); }
    ~FloatingPointFlagsKept() { std::fesetexceptflag(&m_flags, FE_ALL_EXCEPT); }
    FloatingPointFlagsKept(const FloatingPointFlagsKept&) = delete;
    FloatingPointFlagsKept& operator=(const FloatingPointFlagsKept&) = delete;

private:
    std::fexcept_t m_flags {};
};

} // namespace common
