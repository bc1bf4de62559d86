// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The multi-layer inductance window: inner diameter, length, thickness and turns typed in ->
// BitBtn1Click hands the fields to IndMnogosl::BitBtn1Click -> inductance shown in Vivod.
// Layout in formindmnogosl.ui.
#include <QWidget>
#include <memory>

#include "windows/windowservices.h"

namespace Ui {
class TFormIndMnogosl;
}

class TFormIndMnogosl : public QWidget {
  Q_OBJECT

 public:
  explicit TFormIndMnogosl(const WindowServices& services, QWidget* parent = nullptr);
  ~TFormIndMnogosl() override;

 public slots:
  // The compute command (BitBtn1, or Enter in a field). Errors escape to the event loop.
  void BitBtn1Click();

 private:
  std::unique_ptr<Ui::TFormIndMnogosl> ui_;
  WindowServices services_;
};
