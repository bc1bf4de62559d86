// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// Placing a top-level window centred on its screen as the user sees it: with the frame that the
// window manager puts around it. Qt knows that frame only once the window has been shown; before
// that, an EWMH window manager (X11) is asked what frame it will give the window.
class QWidget;

// Moves window, which is about to be shown for the first time (before show(), or from its
// showEvent()), so that it appears centred on its screen with its frame. A window whose parent is
// shown takes its parent's frame; any other asks the window manager, or is
// placed without a frame where none answers.
void CentreOnScreen(QWidget& window);
