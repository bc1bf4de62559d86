// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The frame window: a fixed-size multiple-document frame whose menu switches between the four
// calculators, shows the help page and the About window, and ends the program. The calculators
// live in sub-windows of the frame's MDI area from start to end; a menu command brings one to the
// front, maximized, and moves the check mark. Qt composes the frame title of a maximized child
// ("Расчет - [caption]"). The status bar shows the physical reference of the calculator in front
// (windows/calcwindow.h, ReferenceLine), with a warning mark beyond 1 % and the whole reference as
// its tooltip table, and below it the reference's own inputs: the working frequency, and a wire for
// the calculators that wind none of their own. Layout of the menu and the status bar in
// mainform.ui.
#include <QMainWindow>
#include <array>
#include <memory>

#include "calc/reference.h"
#include "windows/windowservices.h"

class Desktop;
class HelpViewer;
class QMdiArea;
class QMdiSubWindow;
class TAboutForm;

namespace Ui {
class Tmainform;
}

class Tmainform : public QMainWindow {
  Q_OBJECT

 public:
  // The four calculators, in the order of the "Расчет" menu.
  enum class Calc { Vitkmnogosl, IndMnogosl, Opt, IndOdnosl };
  // The state the frame keeps for each calculator: set from the stored state at creation and
  // afterwards from every state change the MDI area reports.
  enum class RecordedState { Normal, Minimized, Maximized };

  explicit Tmainform(Desktop& desktop, QWidget* parent = nullptr);
  ~Tmainform() override;

  // Creates the calculators and the About window in the start order: FormIndMnogosl,
  // FormVitkmnogosl, AboutForm (hidden), Formopt, FormIndOdnosl. Each calculator is shown as a
  // child the moment it is created, in its stored state, so the single-layer one ends up in
  // front and maximized. Call once; services must outlive the frame.
  void createChildren(const WindowServices& services);
  // Shows the frame centred on its screen.
  void showCentred();

  QMdiArea* mdiArea() const;
  // Null before createChildren().
  QMdiSubWindow* subWindow(Calc calc) const;
  QWidget* form(Calc calc) const;
  RecordedState recordedState(Calc calc) const;
  TAboutForm* aboutForm() const { return about_; }
  HelpViewer* helpViewer() const { return helpViewer_; }
  // The page that helpClick presents (the built-in help page unless set).
  void setHelpPage(const QString& path) { helpPage_ = path; }

 public slots:
  void CloserClick();
  void MenuVitkMnogslClick();
  void MenuIndMnogoslClick();
  void MenuoptClick();
  void MenuIndOdnoslClick();
  // Shows the help page in its viewer; an unreadable page raises an Exception.
  void helpClick();
  void AboutClick();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Child {
    QMdiSubWindow* sub = nullptr;
    QWidget* form = nullptr;
    RecordedState state = RecordedState::Normal;
  };

  void addCalculator(Calc calc, QWidget* form, RecordedState stored);
  // The status line: the reference line of the current calculator, or nothing; the wire field
  // only while a calculator without a wire of its own is in front; the conditions handed on to
  // the line in front.
  void showReference();
  // The reference conditions as typed; the wire only withWire, for a calculator that winds none
  // of its own.
  ReferenceConditions typedConditions(bool withWire) const;
  void recordReportedState(Calc calc);
  // The window-state rule for the maximized state.
  void setMaximized(Calc calc);
  void writeCheckMarks(Calc chosen);
  Child& child(Calc calc) { return children_[static_cast<int>(calc)]; }
  const Child& child(Calc calc) const { return children_[static_cast<int>(calc)]; }

  std::unique_ptr<Ui::Tmainform> ui_;
  Desktop& desktop_;
  std::array<Child, 4> children_;
  int placed_ = 0;  // calculators placed so far, for the cascade
  TAboutForm* about_ = nullptr;
  HelpViewer* helpViewer_ = nullptr;
  QString helpPage_;
  const FormatSettings* format_ = nullptr;  // the calculators', from createChildren
};
