// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "windows/formindmnogosl.h"

#include "calc/indmnogosl.h"
#include "ui_formindmnogosl.h"
#include "windows/calcwindow.h"

TFormIndMnogosl::TFormIndMnogosl(const WindowServices& services, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TFormIndMnogosl>()), services_(services) {
  LoadCalculatorResources();
  ui_->setupUi(this);
  SetUpCalculator(*this, *ui_->BitBtn1, &TFormIndMnogosl::BitBtn1Click);
  ShowPictureInLanguage(*ui_->Image1, kMultiLayerPicture);
}

TFormIndMnogosl::~TFormIndMnogosl() = default;

void TFormIndMnogosl::BitBtn1Click() { RunCommand(*this, services_, IndMnogosl::BitBtn1Click); }
