// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "windows/errorbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "numtext/fpu.h"

namespace {

void ReleaseGrabs() {
  if (QWidget* w = QWidget::mouseGrabber()) w->releaseMouse();
  if (QWidget* w = QWidget::keyboardGrabber()) w->releaseKeyboard();
}

}  // namespace

void ShowErrorMessage(const std::string& message) {
  ReleaseGrabs();
  // A fault was caught: the next command starts from the start-up settings.
  InitFpu();

  QPointer<QWidget> active = QApplication::activeWindow();
  QPointer<QWidget> focus = QApplication::focusWidget();

  QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                  QString::fromStdString(ErrorBoxText(message)), QMessageBox::Ok, active);
  box.setObjectName(QStringLiteral("ErrorBox"));
  // The message may quote a field's text; it must never be read as markup.
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();

  if (active) {
    active->activateWindow();
    active->raise();
  }
  if (focus && focus->isVisible()) focus->setFocus(Qt::OtherFocusReason);
}

void ShowErrorBox(const Exception& e) { ShowErrorMessage(e.message()); }

void ShowErrorBox(const std::exception& e) { ShowErrorMessage(e.what()); }
