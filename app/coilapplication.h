// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The application object. It sets up the floating-point unit and the application title before any
// window exists, owns the one set of number format settings (re-read when the desktop's locale
// changes), and is the one place where an error escaping a command is caught and reported: every
// event goes through notify(), so a failed command ends in the error box and the loop goes on.
// It also holds the interface's language: the Qt translator of the windows' texts and the core's
// catalog texts, set into the format settings.
#include <QApplication>
#include <QTranslator>

#include "numtext/formatsettings.h"
#include "qtglue/qttexttranslator.h"

class CoilApplication : public QApplication {
  Q_OBJECT

 public:
  CoilApplication(int& argc, char** argv);

  // The format settings that number entry and display use; the reference stays valid for the
  // life of the application and always holds the current separator, and in a translated
  // language the translator of the core's texts.
  const FormatSettings& format() const { return format_; }
  // Reads the decimal separator of the environment's locale again (FormatFromEnvironment); the
  // language stays.
  void reloadFormat();

  // Makes language (app/language.h) the interface's language; call before any window exists.
  // The source language installs no translator. False, and the source language, when language
  // has no translation compiled in.
  bool setLanguage(const QString& language);
  // The interface's language: kSourceLanguage until setLanguage() chose another.
  const QString& language() const { return language_; }

  bool notify(QObject* receiver, QEvent* event) override;

 protected:
  bool event(QEvent* event) override;

 private:
  FormatSettings format_;
  QTranslator translator_;
  QtTextTranslator textTranslator_;
  QString language_;
};
