// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The fields of a calculator window as its commands see them: each control is found under the
// window by its object name; texts cross into the core as UTF-8. A name that names no control of
// the expected kind is a programming error (std::logic_error), not a user's fault.
#include <QString>

#include "calc/fields.h"

class QWidget;

class QtFields final : public Fields {
 public:
  explicit QtFields(QWidget& window) : window_(window) {}

  // The text of the named QLineEdit, exactly.
  std::string text(std::string_view control) const override;
  // Sets the text of a QLineEdit (shown from its start), or the caption of a QLabel, which then
  // takes the width of its new text (it keeps its position and height) and names its buddy.
  void setText(std::string_view control, const std::string& text) override;
  // The state of the named QCheckBox.
  bool isChecked(std::string_view control) const override;
  // The information window; returns once the user has closed it.
  void showNotice(const std::string& text) override;

 private:
  template <class Control>
  Control* find(std::string_view control) const;
  [[noreturn]] void unknown(std::string_view control, const char* kind) const;

  QWidget& window_;
};
