// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "app/coilapplication.h"

#include <QEvent>
#include <exception>

#include "app/coilstyle.h"
#include "app/language.h"
#include "numtext/apptitle.h"
#include "numtext/errors.h"
#include "numtext/fpu.h"
#include "qtglue/qtformat.h"
#include "windows/errorbox.h"

CoilApplication::CoilApplication(int& argc, char** argv)
    : QApplication(argc, argv), language_(kSourceLanguage) {
  InitFpu();
  setStyle(new CoilStyle(style()->name()));  // the style chosen, by -style or by default
  QString path = applicationFilePath();
  if (path.isEmpty() && argc > 0 && argv[0]) path = QString::fromLocal8Bit(argv[0]);
  // Only the application name: a display name would be appended to every window title.
  setApplicationName(QString::fromStdString(ApplicationTitle(path.toStdString())));
  reloadFormat();
}

void CoilApplication::reloadFormat() {
  const TextTranslator* translator = format_.translator;
  format_ = FormatFromEnvironment();
  format_.translator = translator;
}

bool CoilApplication::setLanguage(const QString& language) {
  removeTranslator(&translator_);
  // Without a translation the core writes its sources, exactly as without a translator at all.
  format_.translator = nullptr;
  language_ = kSourceLanguage;
  if (language == kSourceLanguage) return true;
  if (!translator_.load(QStringLiteral(":/i18n/coilcalc_") + language)) return false;
  installTranslator(&translator_);
  format_.translator = &textTranslator_;
  language_ = language;
  return true;
}

bool CoilApplication::event(QEvent* event) {
  if (event->type() == QEvent::LocaleChange) reloadFormat();
  return QApplication::event(event);
}

bool CoilApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const Exception& e) {
    ShowErrorBox(e);
  } catch (const std::exception& e) {
    ShowErrorBox(e);
  }
  return true;
}
