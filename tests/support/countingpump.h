// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// A test double of the event pump that the searches hand events to while they walk: counts the
// passes asked for and runs a probe on each (what the user would do meanwhile).
#include <cstdint>
#include <functional>

#include "calc/fields.h"

class CountingPump final : public EventPump {
 public:
  void handlePendingMessages() override {
    ++passes;
    if (probe) probe();
  }
  std::uint64_t passes = 0;
  std::function<void()> probe;
};
