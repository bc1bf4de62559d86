// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "app/mainform.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFont>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPalette>
#include <QShortcut>
#include <QStyle>

#include "app/aboutform.h"
#include "app/desktop.h"
#include "app/helpviewer.h"
#include "app/placement.h"
#include "calc/calculators.h"
#include "ui_mainform.h"
#include "windows/calcwindow.h"
#include "windows/errorbox.h"
#include "windows/formindmnogosl.h"
#include "windows/formindodnosl.h"
#include "windows/formopt.h"
#include "windows/formvitkmnogosl.h"

namespace {

constexpr QSize kClientSize(656, 436);
// Outer sizes of the calculator sub-windows, the space their controls are laid out in.
constexpr QSize kCalculatorSize(514, 348);
constexpr QSize kOptSize(519, 347);

// A child that only shows its caption: no system menu, hence no buttons at all.
constexpr Qt::WindowFlags kCaptionOnly =
    Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
constexpr Qt::WindowFlags kFullControls = Qt::SubWindow | Qt::CustomizeWindowHint |
                                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;

// Calculators live until the program ends: a close request minimizes a child that can be
// minimized and is ignored by the others.
class CalculatorSubWindow : public QMdiSubWindow {
 public:
  CalculatorSubWindow(QWidget* parent, Qt::WindowFlags flags) : QMdiSubWindow(parent, flags) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    if (windowFlags().testFlag(Qt::WindowMinimizeButtonHint) && !isMinimized()) showMinimized();
  }
};

Tmainform::RecordedState StateOf(const QMdiSubWindow& sub) {
  if (sub.isMaximized()) return Tmainform::RecordedState::Maximized;
  if (sub.isMinimized()) return Tmainform::RecordedState::Minimized;
  return Tmainform::RecordedState::Normal;
}

QIcon ProgramIcon() { return QIcon(QStringLiteral(":/icons/coilcalc.xpm")); }

}  // namespace

Tmainform::Tmainform(Desktop& desktop, QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::Tmainform>()), desktop_(desktop) {
  LoadCalculatorResources();
  ui_->setupUi(this);
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setWindowIcon(ProgramIcon());

  QFont font(QStringLiteral("MS Sans Serif"), 8);
  font.setStyleHint(QFont::SansSerif);
  setFont(font);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, pal.color(QPalette::Button));
  setPalette(pal);

  // The frame's size never changes, not even when a maximized child's buttons make the menu bar
  // a pixel taller: the MDI area gives way instead.
  setFixedSize(kClientSize.width(), kClientSize.height() + ui_->MainMenu->sizeHint().height());

  connect(ui_->Closer, &QAction::triggered, this, &Tmainform::CloserClick);
  connect(ui_->MenuVitkMnogsl, &QAction::triggered, this, &Tmainform::MenuVitkMnogslClick);
  connect(ui_->MenuIndMnogosl, &QAction::triggered, this, &Tmainform::MenuIndMnogoslClick);
  connect(ui_->Menuopt, &QAction::triggered, this, &Tmainform::MenuoptClick);
  connect(ui_->MenuIndOdnosl, &QAction::triggered, this, &Tmainform::MenuIndOdnoslClick);
  // The one command that can fail: its error is shown here rather than unwinding through Qt.
  connect(ui_->help, &QAction::triggered, this,
          [this] { RunReportingErrors([this] { helpClick(); }); });
  connect(ui_->About, &QAction::triggered, this, &Tmainform::AboutClick);
  // F10 opens the first menu, as on other desktops: in Russian the mnemonics are Cyrillic letters,
  // which a Latin keyboard layout cannot type.
  auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
  connect(menuKey, &QShortcut::activated, this,
          [this] { ui_->MainMenu->setActiveAction(ui_->Filer->menuAction()); });

  // The status bar lies inside the fixed client area: the MDI area gives way to it.
  ui_->StatusBar->addWidget(ui_->ReferenceBar, 1);
  ui_->ReferenceIcon->setPixmap(style()
                                    ->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this)
                                    .pixmap(ui_->ReferenceIcon->size()));
  connect(ui_->MdiArea, &QMdiArea::subWindowActivated, this, &Tmainform::showReference);
  connect(ui_->FrequencyEdit, &QLineEdit::textChanged, this, &Tmainform::showReference);
  connect(ui_->WireEdit, &QLineEdit::textChanged, this, &Tmainform::showReference);

  helpViewer_ = new HelpViewer(desktop_, this);
  helpPage_ = HelpViewer::pagePath();
  helpViewer_->setWindowIcon(ProgramIcon());
}

Tmainform::~Tmainform() {
  // Closing the frame's native window in ~QWidget hides the children, which report state
  // changes and activations; by then this is no longer a Tmainform, so nothing may reach
  // recordReportedState or showReference.
  disconnect(ui_->MdiArea, nullptr, this, nullptr);
  for (const Child& c : children_) {
    if (c.sub != nullptr) disconnect(c.sub, nullptr, this, nullptr);
    if (c.form != nullptr) {
      if (ReferenceLine* line = ReferenceLine::of(*c.form))
        disconnect(line, nullptr, this, nullptr);
    }
  }
}

void Tmainform::createChildren(const WindowServices& services) {
  format_ = &services.format;
  addCalculator(Calc::IndMnogosl, new TFormIndMnogosl(services), RecordedState::Maximized);
  addCalculator(Calc::Vitkmnogosl, new TFormVitkmnogosl(services), RecordedState::Maximized);
  about_ = new TAboutForm(desktop_, this);
  about_->setObjectName(QStringLiteral("AboutForm"));
  addCalculator(Calc::Opt, new TFormopt(services), RecordedState::Normal);
  addCalculator(Calc::IndOdnosl, new TFormIndOdnosl(services), RecordedState::Maximized);
}

void Tmainform::addCalculator(Calc calc, QWidget* form, RecordedState stored) {
  const bool opt = calc == Calc::Opt;
  auto* sub = new CalculatorSubWindow(ui_->MdiArea, opt ? kFullControls : kCaptionOnly);
  sub->setWidget(form);
  sub->setWindowIcon(ProgramIcon());
  sub->setAttribute(Qt::WA_DeleteOnClose, false);
  ui_->MdiArea->addSubWindow(sub);

  // Default placement: the design size, each new child cascaded below and right of the last.
  const int step = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub) +
                   sub->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, sub);
  sub->setGeometry(QRect(QPoint(placed_ * step, placed_ * step), opt ? kOptSize : kCalculatorSize));
  ++placed_;

  Child& c = child(calc);
  c.sub = sub;
  c.form = form;
  c.state = stored;
  connect(sub, &QMdiSubWindow::windowStateChanged, this,
          [this, calc] { recordReportedState(calc); });
  if (ReferenceLine* line = ReferenceLine::of(*form))
    connect(line, &ReferenceLine::changed, this, &Tmainform::showReference);

  if (stored == RecordedState::Maximized) {
    sub->showMaximized();
  } else {
    sub->show();
    sub->raise();
  }
}

void Tmainform::recordReportedState(Calc calc) {
  // The signal's arguments can arrive out of order when state changes nest (maximizing one child
  // restores another); the sub-window's own state is current.
  Child& c = child(calc);
  c.state = StateOf(*c.sub);
}

void Tmainform::showReference() {
  // The current child, not the active one: while a message box or the About window is in front,
  // the frame has no active child, yet the line stays that of the calculator the user works in.
  QMdiSubWindow* sub = ui_->MdiArea->currentSubWindow();
  QWidget* form = sub ? sub->widget() : nullptr;
  ReferenceLine* line = form ? ReferenceLine::of(*form) : nullptr;
  const Calculator* calculator = form ? FindCalculator(form->objectName().toStdString()) : nullptr;
  const bool takesWire = calculator && calculator->referenceWire;
  ui_->WireLabel->setVisible(takesWire);
  ui_->WireEdit->setVisible(takesWire);
  // Bad text in a condition field is explained beside it, whether or not there is a reference.
  const ReferenceConditions typed = typedConditions(takesWire);
  QString problem;
  if (format_ != nullptr) {
    std::string why = FrequencyProblem(typed.frequency, *format_);
    if (why.empty()) why = WireProblem(typed.wire, *format_);
    problem = QString::fromStdString(why);
  }
  ui_->ConditionsProblem->setText(problem);
  ui_->ConditionsProblem->setToolTip(problem);
  if (line) line->setConditions(typed);  // may redraw the line, which emits changed
  const QString text = line ? line->text() : QString();
  ui_->ReferenceText->setText(text);
  ui_->ReferenceText->setToolTip(line ? line->table() : QString());
  ui_->ReferenceText->setAccessibleDescription(line ? line->description() : QString());
  ui_->ReferenceIcon->setVisible(line && line->warning());
}

ReferenceConditions Tmainform::typedConditions(bool withWire) const {
  ReferenceConditions c;
  c.frequency = ui_->FrequencyEdit->text().trimmed().toStdString();
  if (withWire) c.wire = ui_->WireEdit->text().trimmed().toStdString();
  return c;
}

void Tmainform::showCentred() {
  CentreOnScreen(*this);
  show();
}

QMdiArea* Tmainform::mdiArea() const { return ui_->MdiArea; }
QMdiSubWindow* Tmainform::subWindow(Calc calc) const { return child(calc).sub; }
QWidget* Tmainform::form(Calc calc) const { return child(calc).form; }
Tmainform::RecordedState Tmainform::recordedState(Calc calc) const { return child(calc).state; }

void Tmainform::setMaximized(Calc calc) {
  Child& c = child(calc);
  if (!c.sub || c.state == RecordedState::Maximized) return;
  c.state = RecordedState::Maximized;
  if (!c.sub->isVisible()) return;
  // From minimized Qt would restore at once but maximize only on a later pass of the event loop.
  if (c.sub->isMinimized()) c.sub->showNormal();
  c.sub->showMaximized();
}

void Tmainform::writeCheckMarks(Calc chosen) {
  // Menuopt's command writes its own mark first; the others write in menu order with the
  // single-layer entry before Menuopt.
  auto write = [chosen](QAction* item, Calc calc) { item->setChecked(calc == chosen); };
  if (chosen == Calc::Opt) write(ui_->Menuopt, Calc::Opt);
  write(ui_->MenuVitkMnogsl, Calc::Vitkmnogosl);
  write(ui_->MenuIndMnogosl, Calc::IndMnogosl);
  write(ui_->MenuIndOdnosl, Calc::IndOdnosl);
  if (chosen != Calc::Opt) write(ui_->Menuopt, Calc::Opt);
}

void Tmainform::MenuVitkMnogslClick() {
  setMaximized(Calc::Vitkmnogosl);
  writeCheckMarks(Calc::Vitkmnogosl);
}

void Tmainform::MenuIndMnogoslClick() {
  setMaximized(Calc::IndMnogosl);
  writeCheckMarks(Calc::IndMnogosl);
}

void Tmainform::MenuoptClick() {
  setMaximized(Calc::Opt);
  writeCheckMarks(Calc::Opt);
}

void Tmainform::MenuIndOdnoslClick() {
  setMaximized(Calc::IndOdnosl);
  writeCheckMarks(Calc::IndOdnosl);
}

void Tmainform::CloserClick() { QCoreApplication::exit(0); }

void Tmainform::helpClick() { helpViewer_->present(helpPage_); }

void Tmainform::AboutClick() {
  if (about_) about_->exec();
}

void Tmainform::closeEvent(QCloseEvent* event) {
  // No calculator ever refuses to close, so the end follows at once.
  event->accept();
  QCoreApplication::exit(0);
}
