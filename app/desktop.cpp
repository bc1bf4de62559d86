// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "app/desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

void QtDesktop::openTarget(const QString& target) {
  // TolerantMode keeps the Cyrillic mail subject as it is; QUrl encodes it for the handler.
  QDesktopServices::openUrl(QUrl(target, QUrl::TolerantMode));
}

void QtDesktop::handlePendingMessages() { QCoreApplication::processEvents(); }
