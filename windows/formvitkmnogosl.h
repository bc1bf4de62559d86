// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The multi-layer turns window: inner diameter, length, wire diameter and required inductance
// typed in -> startClick hands the fields to Vitkmnogosl::startClick (the stepped turns search)
// -> turns in vivodN, winding thickness in vivodDr. Layout in formvitkmnogosl.ui.
#include <QWidget>
#include <memory>

#include "windows/windowservices.h"

namespace Ui {
class TFormVitkmnogosl;
}

class TFormVitkmnogosl : public QWidget {
  Q_OBJECT

 public:
  explicit TFormVitkmnogosl(const WindowServices& services, QWidget* parent = nullptr);
  ~TFormVitkmnogosl() override;

 public slots:
  // The compute command (start, or Enter in a field). Errors escape to the event loop.
  void startClick();

 private:
  std::unique_ptr<Ui::TFormVitkmnogosl> ui_;
  WindowServices services_;
};
