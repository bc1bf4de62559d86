// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "windows/formopt.h"

#include <QPointer>
#include <initializer_list>
#include <vector>

#include "calc/optim.h"
#include "ui_formopt.h"
#include "windows/calcwindow.h"

namespace {

// Disables the given controls for its lifetime and enables them again on the way out, by return
// or by an error. Disabling moves the focus away; it comes back to the control that had it.
class DisabledWhileRunning {
 public:
  DisabledWhileRunning(QWidget& window, std::initializer_list<QWidget*> controls)
      : focus_(window.focusWidget()) {
    for (QWidget* control : controls) {
      if (control->isEnabled()) {
        control->setEnabled(false);
        disabled_.emplace_back(control);
      }
    }
  }
  ~DisabledWhileRunning() {
    for (const QPointer<QWidget>& control : disabled_) {
      if (control) control->setEnabled(true);
    }
    if (focus_ && focus_->isEnabled()) focus_->setFocus(Qt::OtherFocusReason);
  }
  DisabledWhileRunning(const DisabledWhileRunning&) = delete;
  DisabledWhileRunning& operator=(const DisabledWhileRunning&) = delete;

 private:
  QPointer<QWidget> focus_;
  std::vector<QPointer<QWidget>> disabled_;
};

}  // namespace

TFormopt::TFormopt(const WindowServices& services, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TFormopt>()), services_(services) {
  LoadCalculatorResources();
  ui_->setupUi(this);
  SetUpCalculator(*this, *ui_->start, &TFormopt::startClick);
  ShowPictureInLanguage(*ui_->Image1, kMultiLayerPicture);
  // clicked comes once per change by mouse or Space, after the state has changed, and never for
  // a change made by the program.
  RunOnClick(*ui_->CheckBox1, *this, &TFormopt::CheckBox1Click);
}

TFormopt::~TFormopt() = default;

void TFormopt::startClick() {
  const DisabledWhileRunning busy(
      *this, {ui_->CheckBox1, ui_->vvodLind, ui_->vvodNdb, ui_->vvodRn, ui_->start});
  RunCommand(*this, services_, optim::startClick);
}

void TFormopt::CheckBox1Click() { RunCommand(*this, services_, optim::CheckBox1Click); }
