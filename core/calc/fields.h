// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// What a command needs of its window: the texts of its named controls, the state of a check box,
// the notice window, and (for the long walks) a pass of pending-event handling. The calculator
// windows, the command-line front end and the tests each provide one.
#include <string>
#include <string_view>

class Fields {
 public:
  virtual ~Fields() = default;
  // The text of the named text field, exactly as the field holds it.
  virtual std::string text(std::string_view control) const = 0;
  // Sets the text of a named text field or the caption of a named label.
  virtual void setText(std::string_view control, const std::string& text) = 0;
  // The state of a named check box.
  virtual bool isChecked(std::string_view control) const = 0;
  // Shows the information window and returns once the user has closed it.
  virtual void showNotice(const std::string& text) = 0;
};

// Handles every event waiting in the user-interface thread's queue, then returns.
class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void handlePendingMessages() = 0;
};

// A pump that does nothing, for callers without an event loop.
class NoEventPump final : public EventPump {
 public:
  void handlePendingMessages() override {}
};
