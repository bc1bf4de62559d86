// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The thin layer over the desktop: opening a link target, and handling pending events. Behind an
// interface so that the About window, the help viewer and the searches are tested with a double.
#include <QString>

#include "calc/fields.h"

class Desktop : public EventPump {
 public:
  // Hands the target (a web address or a mailto: address) to the desktop's default handler.
  // The outcome is not reported to the user.
  virtual void openTarget(const QString& target) = 0;
};

// The real desktop: QDesktopServices and QCoreApplication::processEvents.
class QtDesktop final : public Desktop {
 public:
  void openTarget(const QString& target) override;
  void handlePendingMessages() override;
};
