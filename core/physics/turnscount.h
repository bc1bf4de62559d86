// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The number of turns that gives a coil a required inductance, for the reference of the two
// calculators that find a coil for one (the turns, the optimal coil). Plain double arithmetic,
// like inductance.h; inductances in µH.
#include <functional>
#include <optional>

namespace physics {

// The inductance of a winding of n turns, as the caller shapes it (its thickness may follow n);
// nothing outside the model's domain.
using InductanceOfCount = std::function<std::optional<double>(double n)>;

// The count n with inductance(n) = L, starting from n0 whose inductance is L0 > 0. ln(L(n)/L)
// rises with n (as ln n twice, give or take how the count shapes the winding): secant steps in
// ln n, each a little beyond the secant's root, bracket it in at most 10 evaluations; Boost.Math's
// TOMS 748 then narrows the bracket to about nine digits in at most 20 more. Nothing when a step
// leaves the model's domain, or the bracket or the root is not found within those bounds.
std::optional<double> CountForInductance(const InductanceOfCount& inductance, double L, double n0,
                                         double L0);

// A winding whose shape does not change with the count, with L/N^2 = perTurn2: sqrt(L/perTurn2);
// nothing unless perTurn2 > 0 and the count is finite.
std::optional<double> CountOfShape(double perTurn2, double L);

}  // namespace physics
