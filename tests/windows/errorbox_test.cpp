// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The error box: text with the period rule, title, icon, one OK button, modality, and what it
// gives back when it closes (grabs released, FPU reset, activation and focus restored).
#include "windows/errorbox.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <stdexcept>

#include "numtext/errors.h"
#include "numtext/fpu.h"

#if COILCALC_X87
#include <fpu_control.h>
#endif

namespace {

#if COILCALC_X87
// The bits of the x87 control word that carry settings (bit 6 is reserved and reads back as 1).
unsigned short ControlBits(unsigned short word) { return word & 0x1F3F; }
#endif

// Waits for the modal box that the next call opens, hands it to `inspect`, then closes it.
void WhenBoxOpens(std::function<void(QMessageBox*)> inspect) {
  auto* poll = new QTimer;
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, [poll, inspect] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    poll->stop();
    poll->deleteLater();
    inspect(box);
    box->button(QMessageBox::Ok)->click();
  });
  poll->start();
}

struct Seen {
  bool opened = false;
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
  bool okIsOnlyButton = false;
  Qt::TextFormat format = Qt::AutoText;
  Qt::WindowModality modality = Qt::NonModal;
  QWidget* parent = nullptr;
};

Seen Capture(const std::function<void()>& report) {
  Seen seen;
  WhenBoxOpens([&seen](QMessageBox* box) {
    seen.opened = true;
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    seen.buttons = box->buttons().size();
    seen.okIsOnlyButton = box->standardButtons() == QMessageBox::Ok;
    seen.format = box->textFormat();
    seen.modality = box->windowModality();
    seen.parent = box->parentWidget();
  });
  report();
  return seen;
}

}  // namespace

class ErrorBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("Coiltest")); }

  void showsMessageWithPeriodRule_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("zero divide") << "Floating point division by zero"
                                 << "Floating point division by zero.";
    QTest::newRow("ends in bang") << "Nothing to do !"
                                  << "Nothing to do !";
    QTest::newRow("ends in period") << "Done."
                                    << "Done.";
    QTest::newRow("ends in paren") << "value (cm)"
                                   << "value (cm)";
    QTest::newRow("empty field") << "'' is not a valid floating point value"
                                 << "'' is not a valid floating point value.";
    QTest::newRow("markup stays text") << "'<b>1</b>' is not a valid floating point value"
                                       << "'<b>1</b>' is not a valid floating point value.";
    QTest::newRow("cyrillic") << QString::fromUtf8("Ошибка") << QString::fromUtf8("Ошибка.");
  }
  void showsMessageWithPeriodRule() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    const Seen seen = Capture([&] { ShowErrorBox(EConvertError(message.toStdString())); });
    QVERIFY(seen.opened);
    QCOMPARE(seen.text, shown);
    QCOMPARE(seen.format, Qt::PlainText);
    QCOMPARE(seen.title, QStringLiteral("Coiltest"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.buttons, 1);
    QVERIFY(seen.okIsOnlyButton);
    QCOMPARE(seen.modality, Qt::ApplicationModal);
  }

  void faultKindsAndForeignErrors() {
    QCOMPARE(Capture([] { ShowErrorBox(EInvalidOp()); }).text,
             QStringLiteral("Invalid floating point operation."));
    QCOMPARE(Capture([] { ShowErrorBox(EOverflow()); }).text,
             QStringLiteral("Floating point overflow."));
    QCOMPARE(Capture([] { ShowErrorBox(std::runtime_error("disk full")); }).text,
             QStringLiteral("disk full."));
  }

  void restoresActiveWindowAndFocus() {
    QWidget window;
    window.setWindowTitle(QStringLiteral("calculator"));
    auto* first = new QLineEdit(&window);
    auto* second = new QLineEdit(&window);
    second->move(0, 40);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    second->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), second);

    bool otherWindowBlocked = false;
    QWidget* boxParent = nullptr;
    WhenBoxOpens([&](QMessageBox* box) {
      boxParent = box->parentWidget();
      // Application-modal: input to the calculator is blocked while the box is open.
      otherWindowBlocked = QApplication::activeModalWidget() == box && !window.isActiveWindow();
    });
    ShowErrorBox(EZeroDivide());
    QCOMPARE(boxParent, &window);
    QVERIFY(otherWindowBlocked);
    QTRY_COMPARE(QApplication::activeWindow(), &window);
    QTRY_COMPARE(QApplication::focusWidget(), second);
    QVERIFY(first != QApplication::focusWidget());
  }

  void releasesMouseGrabAndResetsFpu() {
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.grabMouse();
    QCOMPARE(QWidget::mouseGrabber(), &window);

#if COILCALC_X87
    // Leave the unit in a state a fault might: rounding toward zero, double precision.
    fpu_control_t odd = _FPU_DOUBLE | _FPU_RC_ZERO | _FPU_MASK_IM | _FPU_MASK_DM | _FPU_MASK_ZM |
                        _FPU_MASK_OM | _FPU_MASK_UM | _FPU_MASK_PM;
    _FPU_SETCW(odd);
    QVERIFY(ControlBits(CurrentFpuControlWord()) != ControlBits(StartupFpuControlWord()));
#endif

    QWidget* grabberWhileOpen = &window;
    unsigned short wordWhileOpen = 0;
    WhenBoxOpens([&](QMessageBox*) {
      grabberWhileOpen = QWidget::mouseGrabber();
#if COILCALC_X87
      wordWhileOpen = CurrentFpuControlWord();
#endif
    });
    ShowErrorBox(EZeroDivide());
    QCOMPARE(grabberWhileOpen, nullptr);
#if COILCALC_X87
    QCOMPARE(ControlBits(wordWhileOpen), ControlBits(StartupFpuControlWord()));
    QCOMPARE(ControlBits(CurrentFpuControlWord()), ControlBits(StartupFpuControlWord()));
#else
    Q_UNUSED(wordWhileOpen);
#endif
  }
};

QTEST_MAIN(ErrorBoxTest)
#include "errorbox_test.moc"
