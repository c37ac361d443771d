// SPDX-License-Identifier: GPL-3.0-or-later
// src/fit/singular_system.h: the failure of a normal matrix that has no inverse.
#pragma once

#include "common/failure.h"

namespace fit {

// An elimination step of InvertMatrix found no non-zero pivot candidate: the data hold fewer
// distinct abscissae than the fit has constants. The fit command turns it into an information
// message; what() is that message without its final ".".
class SingularSystem : public common::Failure {
public:
    SingularSystem()
        : Failure("Too few distinct X values for this type of fit")
    {
    }
};

} // namespace fit
