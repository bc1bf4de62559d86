// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "windows/qtfields.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <stdexcept>

#include "qtglue/qtformat.h"
#include "windows/calcwindow.h"
#include "windows/shownotice.h"

namespace {

QString ObjectName(std::string_view control) {
  return QString::fromUtf8(control.data(), static_cast<qsizetype>(control.size()));
}

}  // namespace

template <class Control>
Control* QtFields::find(std::string_view control) const {
  return window_.findChild<Control*>(ObjectName(control));
}

void QtFields::unknown(std::string_view control, const char* kind) const {
  throw std::logic_error("no " + std::string(kind) + " named \"" + std::string(control) +
                         "\" in window " + window_.objectName().toStdString());
}

std::string QtFields::text(std::string_view control) const {
  if (const QLineEdit* edit = find<QLineEdit>(control)) return ToField(edit->text());
  unknown(control, "text field");
}

void QtFields::setText(std::string_view control, const std::string& text) {
  if (QLineEdit* edit = find<QLineEdit>(control)) {
    edit->setText(FromField(text));
    edit->setCursorPosition(0);  // a long number shows its leading digits
    return;
  }
  if (QLabel* label = find<QLabel>(control)) {
    label->setText(FromField(text));
    label->resize(label->sizeHint().width(), label->height());
    NameFieldAfterLabel(*label);  // a relabelled field is spoken of by its new caption
    return;
  }
  unknown(control, "text field or label");
}

bool QtFields::isChecked(std::string_view control) const {
  if (const QCheckBox* box = find<QCheckBox>(control)) return box->isChecked();
  unknown(control, "check box");
}

void QtFields::showNotice(const std::string& text) { ShowNotice(FromField(text)); }
