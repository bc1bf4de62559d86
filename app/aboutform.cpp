// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "app/aboutform.h"

#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>

#include "app/placement.h"
#include "ui_aboutform.h"
#include "windows/calcwindow.h"

namespace {

// The site and mail texts are also the captions of Label4 and Label5 in the layout.
const QString kSiteAddress = QStringLiteral("https://coilcalc.example.org");
const QString kMailAddress = QStringLiteral("coilcalc@example.org");
const char* const kMailSubject =
    QT_TRANSLATE_NOOP("TAboutForm", "По поводу конструктивного расчета катушек");
const QString kUpdatePage = QStringLiteral("/programms/tirnovel/tirnovel.html");

const QColor kRestingColour(0, 0, 255);
const QColor kPressedColour(255, 0, 0);

void SetLinkLook(QLabel& label, const QColor& colour, bool bold) {
  QPalette palette = label.palette();
  palette.setColor(QPalette::Active, QPalette::WindowText, colour);
  palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
  label.setPalette(palette);
  QFont font = label.font();
  font.setBold(bold);
  font.setUnderline(true);
  label.setFont(font);
  label.adjustSize();  // the label takes the width of its text in the new style
}

void SetPressedLook(QLabel& label) { SetLinkLook(label, kPressedColour, true); }
void SetRestingLook(QLabel& label) { SetLinkLook(label, kRestingColour, false); }

// A label that sizes itself to a wider text than the layout allowed for is moved left rather
// than cut off at the window's right edge.
void KeepInside(QLabel& label, int clientWidth) {
  const int overflow = label.x() + label.width() - clientWidth;
  if (overflow > 0) label.move(qMax(0, label.x() - overflow), label.y());
}

}  // namespace

TAboutForm::TAboutForm(Desktop& desktop, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      ui(new Ui::TAboutForm),
      desktop_(desktop) {
  LoadCalculatorResources();
  ui->setupUi(this);
  setFixedSize(size());
  QFont font = this->font();
  font.setStyleHint(QFont::SansSerif);
  setFont(font);
  // The button-face colour as the window's own: a Button background role would also turn the
  // labels' text role into ButtonText and lose their blue.
  QPalette palette = this->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Window, palette.color(group, QPalette::Button));
  }
  setPalette(palette);

  // The three text lines end at one right edge, as laid out: the author line, longer than the
  // layout's, grows to the left.
  const int textRight = ui->Label3->geometry().right();
  for (QLabel* label : {ui->Label1, ui->Label2, ui->Label3}) {
    label->adjustSize();
    KeepInside(*label, width());
  }
  ui->Label3->move(qMax(0, textRight + 1 - ui->Label3->width()), ui->Label3->y());
  // Room is made for the wider, pressed look of a link.
  for (QLabel* link : {ui->Label4, ui->Label5}) {
    SetPressedLook(*link);
    KeepInside(*link, width());
    SetRestingLook(*link);
    link->installEventFilter(this);
  }
  ui->Image1->installEventFilter(this);

  connect(ui->BitBtn1, &QPushButton::clicked, this, &TAboutForm::BitBtn1Click);
}

TAboutForm::~TAboutForm() { delete ui; }

void TAboutForm::BitBtn1Click() { close(); }

void TAboutForm::Label4Click() { desktop_.openTarget(kSiteAddress); }

void TAboutForm::Label5Click() {
  desktop_.openTarget(QStringLiteral("mailto:") + kMailAddress + QStringLiteral("?subject=") +
                      tr(kMailSubject));
}

void TAboutForm::Image1Click() { desktop_.openTarget(kSiteAddress + kUpdatePage); }

void TAboutForm::Label4MouseDown() { SetPressedLook(*ui->Label4); }
void TAboutForm::Label5MouseDown() { SetPressedLook(*ui->Label5); }
void TAboutForm::Label4MouseUp() { SetRestingLook(*ui->Label4); }
void TAboutForm::Label5MouseUp() { SetRestingLook(*ui->Label5); }

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
      break;
    default:
      return QDialog::eventFilter(watched, event);
  }
  auto* mouse = static_cast<QMouseEvent*>(event);
  if (watched == ui->Label4) {
    return linkMouseEvent(ui->Label4, mouse, &TAboutForm::Label4Click, &TAboutForm::Label4MouseDown,
                          &TAboutForm::Label4MouseUp);
  }
  if (watched == ui->Label5) {
    return linkMouseEvent(ui->Label5, mouse, &TAboutForm::Label5Click, &TAboutForm::Label5MouseDown,
                          &TAboutForm::Label5MouseUp);
  }
  if (watched == ui->Image1) return pictureMouseEvent(mouse);
  return QDialog::eventFilter(watched, event);
}

// Qt sends every release to the widget that had the press. Only the left button holds the mouse
// for the label, though: a release of another button away from the label is not the label's, and
// leaves the pressed look until some button is released over it.
bool TAboutForm::linkMouseEvent(QLabel* label, QMouseEvent* event, Handler click, Handler down,
                                Handler up) {
  if (event->type() != QEvent::MouseButtonRelease) {
    if (event->button() == Qt::LeftButton) leftPressedOn_ = label;
    (this->*down)();
    return true;
  }
  const bool over = label->rect().contains(event->position().toPoint());
  if (event->button() == Qt::LeftButton) {
    const bool held = leftPressedOn_ == label;
    leftPressedOn_ = nullptr;
    if (held && over) (this->*click)();  // opened while the label still looks pressed
    if (held || over) (this->*up)();
  } else if (over) {
    (this->*up)();
  }
  return true;
}

bool TAboutForm::pictureMouseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return true;
  if (event->type() != QEvent::MouseButtonRelease) {
    leftPressedOn_ = ui->Image1;
    return true;
  }
  const bool held = leftPressedOn_ == ui->Image1;
  leftPressedOn_ = nullptr;
  if (held && ui->Image1->rect().contains(event->position().toPoint())) Image1Click();
  return true;
}

// The first showing is centred on the screen; each later one is where the window was left.
void TAboutForm::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    if (shownBefore_) {
      move(lastPos_);
    } else {
      CentreOnScreen(*this);
    }
    shownBefore_ = true;
  }
  QDialog::showEvent(event);  // an explicit position keeps QDialog from centring on the parent
}

// The window has no cancel button: Escape does nothing. Enter presses OK; the close box and the
// desktop's close key close the window through closeEvent().
void TAboutForm::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Cancel)) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TAboutForm::hideEvent(QHideEvent* event) {
  lastPos_ = pos();
  QDialog::hideEvent(event);
}
