// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The application object: its title, the format settings it owns and re-reads on a locale
// change, and the catching of errors that escape event handlers.
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <cstdlib>
#include <functional>
#include <stdexcept>

#include "app/coilapplication.h"
#include "app/coilstyle.h"
#include "numtext/errors.h"
#include "numtext/fpu.h"
#include "qtglue/qtformat.h"
#include "windows/errorbox.h"

#if COILCALC_X87
#include <fpu_control.h>
#endif

namespace {

// The bits of the x87 control word that carry settings (bit 6 is reserved and reads back as 1),
// now and as InitFpu() loads them. The software backend of Ext sets up no unit: 0 for both.
unsigned short FpuSettings() {
#if COILCALC_X87
  return CurrentFpuControlWord() & 0x1F3F;
#else
  return 0;
#endif
}
unsigned short StartupFpuSettings() {
#if COILCALC_X87
  return StartupFpuControlWord() & 0x1F3F;
#else
  return 0;
#endif
}

CoilApplication* App() { return static_cast<CoilApplication*>(QCoreApplication::instance()); }

// Closes every error box that opens, recording its text.
class BoxCloser {
 public:
  BoxCloser() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        texts.append(box->text());
        fpuWords.append(FpuSettings());
        box->button(QMessageBox::Ok)->click();
      }
    });
    timer_.start();
  }
  QStringList texts;
  QList<unsigned short> fpuWords;

 private:
  QTimer timer_;
};

void SetOddFpu() {
#if COILCALC_X87
  fpu_control_t odd = _FPU_SINGLE | _FPU_RC_UP | _FPU_MASK_IM | _FPU_MASK_DM | _FPU_MASK_ZM |
                      _FPU_MASK_OM | _FPU_MASK_UM | _FPU_MASK_PM;
  _FPU_SETCW(odd);
#endif
}

void SetLocaleEnvironment(const char* name) {
  qunsetenv("LC_ALL");
  qunsetenv("LANG");
  qputenv("LC_NUMERIC", name);
}

}  // namespace

class ApplicationTest : public QObject {
  Q_OBJECT

 private slots:
  void titleComesFromTheExecutable() {
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("application_test"));
  }

  void everyWindowHasTheAdjustedStyle() {
    QVERIFY(qobject_cast<CoilStyle*>(QApplication::style()));
  }

  void separatorFollowsLocaleChange_data() {
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<uint>("separator");
    QTest::newRow("ru") << QByteArray("ru_RU.UTF-8") << uint(U',');
    QTest::newRow("en") << QByteArray("en_US.UTF-8") << uint(U'.');
    QTest::newRow("de") << QByteArray("de_DE") << uint(U',');
    QTest::newRow("C") << QByteArray("C") << uint(U'.');
    QTest::newRow("arabic") << QByteArray("ar_EG.UTF-8") << uint(0x066B);
  }
  void separatorFollowsLocaleChange() {
    QFETCH(QByteArray, locale);
    QFETCH(uint, separator);
    const FormatSettings* held = &App()->format();
    SetLocaleEnvironment(locale.constData());
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(App(), &change);
    QCOMPARE(uint(App()->format().decimalSeparator), separator);
    QCOMPARE(&App()->format(), held);  // windows keep one reference for the whole run
  }

  void reloadFormatReadsAgain() {
    SetLocaleEnvironment("ru_RU.UTF-8");
    App()->reloadFormat();
    QCOMPARE(App()->format().decimalSeparator, U',');
    SetLocaleEnvironment("en_GB.UTF-8");
    QCOMPARE(App()->format().decimalSeparator, U',');  // only read when asked
    App()->reloadFormat();
    QCOMPARE(App()->format().decimalSeparator, U'.');
    qputenv("LC_ALL", "ru_RU.UTF-8");  // LC_ALL wins over LC_NUMERIC
    App()->reloadFormat();
    QCOMPARE(App()->format().decimalSeparator, U',');
    qunsetenv("LC_ALL");
  }

  void fieldTextRoundTrip() {
    const QString text = QStringLiteral("  12,5 µГн ٫");
    QCOMPARE(ToField(text), std::string("  12,5 \xC2\xB5\xD0\x93\xD0\xBD \xD9\xAB"));
    QCOMPARE(FromField(ToField(text)), text);
    QCOMPARE(FormatFromLocale(QLocale::c()).decimalSeparator, U'.');
  }

  void errorFromAClickIsReportedAndTheLoopGoesOn() {
    QWidget window;
    auto* field = new QLineEdit(&window);
    auto* button = new QPushButton(QStringLiteral("Вычислить"), &window);
    button->move(0, 40);
    QObject::connect(field, &QLineEdit::returnPressed, button, &QAbstractButton::click);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&clicks] {
      RunReportingErrors([&clicks] {
        ++clicks;
        if (clicks == 1) throw EZeroDivide();
        if (clicks == 2) throw EConvertError("'abc' is not a valid floating point value");
        if (clicks == 3) throw std::runtime_error("out of memory");
        if (clicks == 5) throw EInvalidOp();
      });
    });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    BoxCloser closer;
    SetOddFpu();
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_COMPARE(closer.texts.size(), 1);
    QCOMPARE(closer.texts[0], QStringLiteral("Floating point division by zero."));
    QCOMPARE(closer.fpuWords[0], StartupFpuSettings());
    QCOMPARE(FpuSettings(), StartupFpuSettings());

    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_COMPARE(closer.texts.size(), 2);
    QCOMPARE(closer.texts[1], QStringLiteral("'abc' is not a valid floating point value."));

    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_COMPARE(closer.texts.size(), 3);
    QCOMPARE(closer.texts[2], QStringLiteral("out of memory."));

    // A click that does not fail still reaches the handler, with no box.
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicks, 4);
    QTest::qWait(50);
    QCOMPARE(closer.texts.size(), 3);

    // Enter in a field presses the button: the same report.
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    QTRY_COMPARE(closer.texts.size(), 4);
    QCOMPARE(closer.texts[3], QStringLiteral("Invalid floating point operation."));
    QCOMPARE(clicks, 5);
  }

  // Errors that escape a handler not run through RunReportingErrors still end in the box.
  void notifyCatchesWhatEscapes() {
    BoxCloser closer;
    bool laterRan = false;
    SetOddFpu();
    QTimer::singleShot(0, [] { throw EZeroDivide(); });
    QTimer::singleShot(20, [&laterRan] { laterRan = true; });
    QTRY_COMPARE(closer.texts.size(), 1);
    QCOMPARE(closer.texts[0], QStringLiteral("Floating point division by zero."));
    QCOMPARE(closer.fpuWords[0], StartupFpuSettings());
    QTRY_VERIFY(laterRan);
  }
};

int main(int argc, char** argv) {
  CoilApplication app(argc, argv);
  ApplicationTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "application_test.moc"
