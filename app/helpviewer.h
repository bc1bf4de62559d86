// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The help page viewer: a text browser in a top-level window of its own. Links are not followed
// inside the viewer; each one is handed to the desktop (the mail program for the mail link, the
// web browser for the update page).
#include <QString>
#include <QTextBrowser>

class Desktop;

class HelpViewer : public QTextBrowser {
  Q_OBJECT

 public:
  // The page in the source language. Its path is a text of the translation, so each language
  // names its own page (":/help/calculate_en.html" in English).
  //: The help page in this language: a path in the resources (resources/coilcalc.qrc).
  static constexpr const char* kPagePath = QT_TRANSLATE_NOOP("HelpViewer", ":/help/calculate.html");
  // The page in the interface's language.
  static QString pagePath();

  // parent, if any, only owns the viewer: it is still a window of its own.
  explicit HelpViewer(Desktop& desktop, QWidget* parent = nullptr);

  // Loads the page (UTF-8 HTML) afresh, titles the window with the page's title and shows it in
  // front. Throws Exception if the page cannot be read; the viewer is then left as it was.
  void present(const QString& path = pagePath());

 private:
  Desktop& desktop_;
  bool placed_ = false;
};
