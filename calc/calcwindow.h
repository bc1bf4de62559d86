// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// What the four calculator windows share besides their commands: the pictures and glyph of the
// resource file, the common look (font and background), the commands run from their buttons with
// errors reported, and Enter in a text field pressing the window's compute button. QPushButton's
// default-button behaviour works only in dialogs, and these windows are plain widgets.
#include <QAbstractButton>

#include "calc/command.h"
#include "calc/windowservices.h"
#include "numtext/errorbox.h"

class QWidget;

// Registers the resource file (compiled into a static library, so nothing else pulls it in) and
// names the substitutes of the layouts' font. Call before building a window from its layout.
void LoadCalculatorResources();

// Font "MS Sans Serif" 8 pt (or a substitute of the same widths), button-face background.
void SetUpCalculatorLook(QWidget& window);

// Runs a core command over the controls of window, with the services the window was given.
void RunCommand(QWidget& window, const WindowServices& services, void (*command)(CommandContext&));

// Enter or Return in any line edit under window clicks button (which does nothing while the
// button is disabled).
void PressOnEnter(QWidget& window, QAbstractButton& button);

// Runs window.command() on every click of button (mouse, Space, or click()). An error that ends
// the command is reported in the error box here, before it can unwind through Qt's frames; the
// command itself lets it escape, so that it can be called and tested on its own.
template <class Window>
void RunOnClick(QAbstractButton& button, Window& window, void (Window::*command)()) {
  QObject::connect(&button, &QAbstractButton::clicked, &window, [&window, command] {
    RunReportingErrors([&window, command] { (window.*command)(); });
  });
}

// The common set-up of a calculator window built from its layout: its look, its compute command
// on every click of button, and Enter in any text field pressing button.
template <class Window>
void SetUpCalculator(Window& window, QAbstractButton& button, void (Window::*command)()) {
  SetUpCalculatorLook(window);
  RunOnClick(button, window, command);
  PressOnEnter(window, button);
}
