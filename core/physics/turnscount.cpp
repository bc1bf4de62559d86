// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "physics/turnscount.h"

#include <boost/math/policies/policy.hpp>
#include <boost/math/tools/toms748_solve.hpp>
#include <cmath>
#include <cstdint>
#include <utility>

namespace physics {

namespace {

namespace bp = boost::math::policies;
using Policy =
    bp::policy<bp::domain_error<bp::ignore_error>, bp::evaluation_error<bp::ignore_error>>;

constexpr int kBracketSteps = 10;
constexpr std::uintmax_t kSolverSteps = 20;
constexpr int kSolverBits = 30;  // 2e-9: the models themselves hold 1e-6

}  // namespace

std::optional<double> CountForInductance(const InductanceOfCount& inductance, double L, double n0,
                                         double L0) {
  bool failed = false;
  const auto offset = [&](double n) {
    const std::optional<double> Ln = inductance(n);
    if (!Ln || !(*Ln > 0)) {
      failed = true;
      return 0.0;  // ends the solver at once; the result is discarded
    }
    return std::log(*Ln / L);
  };
  double x0 = std::log(n0), f0 = std::log(L0 / L);
  if (!std::isfinite(x0) || !std::isfinite(f0)) return std::nullopt;
  if (f0 == 0) return n0;
  double slope = 2;  // d ln L / d ln n for a winding that kept its shape
  for (int step = 0; step < kBracketSteps; ++step) {
    const double x1 = x0 - 1.05 * f0 / slope;
    if (!std::isfinite(x1)) return std::nullopt;
    const double f1 = offset(std::exp(x1));
    if (failed) return std::nullopt;
    if (f1 == 0) return std::exp(x1);
    if ((f1 < 0) != (f0 < 0)) {
      double a = std::exp(x0), b = std::exp(x1), fa = f0, fb = f1;
      if (a > b) std::swap(a, b), std::swap(fa, fb);
      std::uintmax_t steps = kSolverSteps;
      boost::math::tools::eps_tolerance<double> close(kSolverBits);
      const std::pair<double, double> r =
          boost::math::tools::toms748_solve(offset, a, b, fa, fb, close, steps, Policy());
      const bool converged = r.first == r.second || close(r.first, r.second);
      if (failed || !converged) return std::nullopt;
      return (r.first + r.second) / 2;
    }
    const double secant = (f1 - f0) / (x1 - x0);
    if (secant > 0 && std::isfinite(secant)) slope = secant;
    x0 = x1;
    f0 = f1;
  }
  return std::nullopt;
}

std::optional<double> CountOfShape(double perTurn2, double L) {
  const double N = perTurn2 > 0 ? std::sqrt(L / perTurn2) : NAN;
  if (!std::isfinite(N)) return std::nullopt;
  return N;
}

}  // namespace physics
