// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The optimal multi-layer coil window: required inductance, attenuation or wire diameter, load
// resistance typed in -> startClick hands the fields to optim::startClick (over the stepped
// searches) -> five results. CheckBox1 switches the mode through optim::CheckBox1Click. Layout in
// formopt.ui.
//
// The wire-diameter command hands events to the pump while it walks and shows a modal notice, so
// the window's check box, inputs and compute button are disabled while a command runs: no second
// command or mode switch can interleave with it. The frame and the other calculators stay usable.
#include <QWidget>
#include <memory>

#include "windows/windowservices.h"

namespace Ui {
class TFormopt;
}

class TFormopt : public QWidget {
  Q_OBJECT

 public:
  explicit TFormopt(const WindowServices& services, QWidget* parent = nullptr);
  ~TFormopt() override;

 public slots:
  // The compute command (start, or Enter in a field). Errors escape to the event loop.
  void startClick();
  // The mode switch, run after every change of CheckBox1 by the user (mouse or Space).
  void CheckBox1Click();

 private:
  std::unique_ptr<Ui::TFormopt> ui_;
  WindowServices services_;
};
