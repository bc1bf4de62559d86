// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The error report: where an error that ended a command is shown. The application's event
// dispatch catches the error and hands it here; the report returns and event processing goes on.
#include <exception>
#include <string>

#include "numtext/errors.h"

// Ends any mouse or keyboard grab, resets the floating-point unit, shows the message (with the
// period rule of ErrorBoxText) in a modal critical message box titled with the application name,
// then gives activation and focus back to the window and control that had them.
void ShowErrorBox(const Exception& e);
// The same for an error outside the program's own kinds, with its what() as the message.
void ShowErrorBox(const std::exception& e);
// The same for a bare message (UTF-8).
void ShowErrorMessage(const std::string& message);

// Runs a window's handler for a click, a key or a menu choice. An error that escapes the command
// is reported here, before it can unwind through the toolkit's own frames (which run no cleanup
// for exceptions), and the handler returns normally. The application's notify() is the net for
// anything not run this way.
template <typename Handler>
void RunReportingErrors(Handler&& handler) {
  try {
    handler();
  } catch (const Exception& e) {
    ShowErrorBox(e);
  } catch (const std::exception& e) {
    ShowErrorBox(e);
  }
}
