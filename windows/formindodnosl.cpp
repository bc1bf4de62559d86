// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "windows/formindodnosl.h"

#include "calc/indodnosl.h"
#include "ui_formindodnosl.h"
#include "windows/calcwindow.h"

TFormIndOdnosl::TFormIndOdnosl(const WindowServices& services, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TFormIndOdnosl>()), services_(services) {
  LoadCalculatorResources();
  ui_->setupUi(this);
  SetUpCalculator(*this, *ui_->BitBtn1, &TFormIndOdnosl::BitBtn1Click);
}

TFormIndOdnosl::~TFormIndOdnosl() = default;

void TFormIndOdnosl::BitBtn1Click() { RunCommand(*this, services_, IndOdnogosl::BitBtn1Click); }
