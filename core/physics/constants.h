// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// Mathematical constants of the physical reference, named once.
namespace physics {

constexpr double kPi = 3.14159265358979323846;

}  // namespace physics
