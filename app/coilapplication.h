// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The application object. It sets up the floating-point unit and the application title before any
// window exists, owns the one set of number format settings (re-read when the desktop's locale
// changes), and is the one place where an error escaping a command is caught and reported: every
// event goes through notify(), so a failed command ends in the error box and the loop goes on.
#include <QApplication>

#include "numtext/formatsettings.h"

class CoilApplication : public QApplication {
  Q_OBJECT

 public:
  CoilApplication(int& argc, char** argv);

  // The format settings that number entry and display use; the reference stays valid for the
  // life of the application and always holds the current separator.
  const FormatSettings& format() const { return format_; }
  // Reads the decimal separator of the environment's locale again (FormatFromEnvironment).
  void reloadFormat();

  bool notify(QObject* receiver, QEvent* event) override;

 protected:
  bool event(QEvent* event) override;

 private:
  FormatSettings format_;
};
