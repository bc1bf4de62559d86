// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The single-layer inductance window: turns, diameter and length typed in -> BitBtn1Click hands
// the fields to IndOdnogosl::BitBtn1Click -> inductance shown in Vivodind. Layout in
// formindodnosl.ui.
#include <QWidget>
#include <memory>

#include "windows/windowservices.h"

namespace Ui {
class TFormIndOdnosl;
}

class TFormIndOdnosl : public QWidget {
  Q_OBJECT

 public:
  explicit TFormIndOdnosl(const WindowServices& services, QWidget* parent = nullptr);
  ~TFormIndOdnosl() override;

 public slots:
  // The compute command (BitBtn1, or Enter in a field). Errors escape to the event loop.
  void BitBtn1Click();

 private:
  std::unique_ptr<Ui::TFormIndOdnosl> ui_;
  WindowServices services_;
};
