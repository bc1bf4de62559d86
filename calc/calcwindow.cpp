#include "calc/calcwindow.h"

#include <QAbstractButton>
#include <QFont>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

// Q_INIT_RESOURCE may not be used inside a namespace.
static void RegisterCoilcalcResources() { Q_INIT_RESOURCE(coilcalc); }

void LoadCalculatorResources() {
  static const bool registered = (RegisterCoilcalcResources(), true);
  (void)registered;
}

void SetUpCalculatorLook(QWidget& window) {
  QFont font = window.font();
  font.setStyleHint(QFont::SansSerif);
  window.setFont(font);
  window.setBackgroundRole(QPalette::Button);
  window.setAutoFillBackground(true);
}

void PressOnEnter(QWidget& window, QAbstractButton& button) {
  for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
    QObject::connect(edit, &QLineEdit::returnPressed, &button, &QAbstractButton::click);
  }
}
