// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "windows/formvitkmnogosl.h"

#include "calc/vitkmnogosl.h"
#include "ui_formvitkmnogosl.h"
#include "windows/calcwindow.h"

TFormVitkmnogosl::TFormVitkmnogosl(const WindowServices& services, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TFormVitkmnogosl>()), services_(services) {
  LoadCalculatorResources();
  ui_->setupUi(this);
  SetUpCalculator(*this, *ui_->start, &TFormVitkmnogosl::startClick);
  ShowPictureInLanguage(*ui_->Image1, kMultiLayerPicture);
}

TFormVitkmnogosl::~TFormVitkmnogosl() = default;

void TFormVitkmnogosl::startClick() { RunCommand(*this, services_, Vitkmnogosl::startClick); }
