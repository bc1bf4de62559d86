// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "app/helpviewer.h"

#include <QCoreApplication>
#include <QFile>
#include <QScreen>
#include <QUrl>

#include "app/desktop.h"
#include "numtext/errors.h"

HelpViewer::HelpViewer(Desktop& desktop, QWidget* parent)
    : QTextBrowser(parent), desktop_(desktop) {
  setWindowFlags(Qt::Window);
  setObjectName(QStringLiteral("HelpViewer"));
  setOpenLinks(false);
  setOpenExternalLinks(false);
  resize(640, 480);
  // The target goes to the desktop as the page writes it; the mail subject stays readable.
  connect(this, &QTextBrowser::anchorClicked, this,
          [this](const QUrl& url) { desktop_.openTarget(url.toString(QUrl::PrettyDecoded)); });
}

QString HelpViewer::pagePath() { return QCoreApplication::translate("HelpViewer", kPagePath); }

void HelpViewer::present(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw Exception("Cannot load the help page " + path.toStdString() + ": " +
                    file.errorString().toStdString());
  }
  const QString html = QString::fromUtf8(file.readAll());
  setHtml(html);
  setWindowTitle(documentTitle());
  if (!placed_) {
    // First showing: centred over the owning window (or the screen); later ones keep the
    // place the user left it at.
    QRect r = frameGeometry();
    r.moveCenter(parentWidget() ? parentWidget()->frameGeometry().center()
                                : screen()->availableGeometry().center());
    move(r.topLeft());
    placed_ = true;
  }
  show();
  raise();
  activateWindow();
}
