// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The information window: a small modal box with a message and one "OK" button, used by the
// calculator commands for their own messages. It is built for each call and destroyed on close.
#include <QString>

// Shows the window with the text and returns once the user has closed it (OK, Enter, Escape or
// the close box). Ctrl+C while it is open beeps and copies the window's text to the clipboard.
void ShowNotice(const QString& text);
