// src/common/floating_point_step.h: ending a step of arithmetic with the check of the FPU flags.
#pragma once

#include "common/failure.h"

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

} // namespace common
