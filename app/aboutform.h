// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The About window: what the program is for, who wrote it, and three links (the web site, a mail
// with a preset subject, the update page) handed to the desktop layer. Created hidden once at
// start; the frame shows it modally and closing hides it again.
#include <QDialog>
#include <QPoint>

#include "app/desktop.h"

class QLabel;
class QMouseEvent;

namespace Ui {
class TAboutForm;
}

class TAboutForm : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutForm(Desktop& desktop, QWidget* parent = nullptr);
  ~TAboutForm() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private slots:
  void BitBtn1Click();
  void Label4Click();
  void Label5Click();
  void Image1Click();
  void Label4MouseDown();
  void Label5MouseDown();
  void Label4MouseUp();
  void Label5MouseUp();

 private:
  // Mouse handling of one link label: press gives the pressed look; release over it (or a left
  // release anywhere, the left button holding the mouse) gives back the resting look, a left
  // release over it opening the target first.
  using Handler = void (TAboutForm::*)();
  bool linkMouseEvent(QLabel* label, QMouseEvent* event, Handler click, Handler down, Handler up);
  bool pictureMouseEvent(QMouseEvent* event);

  Ui::TAboutForm* ui;
  Desktop& desktop_;
  // The control that the left button was pressed on, until its release: only it may be clicked.
  QObject* leftPressedOn_ = nullptr;
  bool shownBefore_ = false;
  QPoint lastPos_;
};
