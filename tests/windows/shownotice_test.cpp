// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The information window: frame, measures and geometry from the message font, the ways it
// closes, and the Ctrl+C text.
#include "windows/shownotice.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <functional>

namespace {

// Runs ShowNotice(text); once the window is open, `act` gets it and must close it. Returns
// whether ShowNotice came back, and checks that the window no longer exists.
bool RunNotice(const QString& text, const std::function<void(QDialog*)>& act,
               bool* destroyed = nullptr) {
  QPointer<QDialog> seen;
  auto* poll = new QTimer;
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, [&seen, poll, act] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    seen = dialog;
    act(dialog);
  });
  poll->start();
  ShowNotice(text);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  if (destroyed) *destroyed = seen.isNull();
  return true;
}

// Rounded a*b/c as the layout uses it, computed independently in floating point.
int Scaled(int a, int b, int c) { return static_cast<int>(std::floor(double(a) * b / c + 0.5)); }

struct Measures {
  int x, y, marginX, marginY, spacing, buttonW, buttonH;
};

Measures MeasuresOf(const QFont& font) {
  const QFontMetrics fm(font);
  Measures m{};
  m.x =
      fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
      52;
  m.y = fm.height();
  m.marginX = Scaled(8, m.x, 4);
  m.marginY = Scaled(8, m.y, 8);
  m.spacing = Scaled(10, m.y, 8);
  m.buttonH = Scaled(14, m.y, 8);
  m.buttonW = std::max(Scaled(50, m.x, 4), fm.horizontalAdvance(QStringLiteral("OK")) + 8);
  return m;
}

struct Layout {
  QString title;
  Qt::WindowFlags flags;
  QSize size, minimum, maximum;
  QRect frame, label, button;
  QString labelText, buttonText;
  bool wordWrap = false, isDefault = false;
  Qt::TextFormat format = Qt::AutoText;
  QFont font;
  int buttons = 0, labels = 0;
};

Layout Capture(const QString& text) {
  Layout out;
  RunNotice(text, [&out](QDialog* d) {
    out.title = d->windowTitle();
    out.flags = d->windowFlags();
    out.size = d->size();
    out.minimum = d->minimumSize();
    out.maximum = d->maximumSize();
    out.frame = d->geometry();
    out.font = d->font();
    const auto labels = d->findChildren<QLabel*>();
    const auto buttons = d->findChildren<QPushButton*>();
    out.labels = labels.size();
    out.buttons = buttons.size();
    if (!labels.isEmpty()) {
      out.label = labels[0]->geometry();
      out.labelText = labels[0]->text();
      out.wordWrap = labels[0]->wordWrap();
      out.format = labels[0]->textFormat();
    }
    if (!buttons.isEmpty()) {
      out.button = buttons[0]->geometry();
      out.buttonText = buttons[0]->text();
      out.isDefault = buttons[0]->isDefault();
    }
    d->reject();
  });
  return out;
}

QString LongText() {
  QString s;
  for (int i = 0; i < 120; ++i) s += QStringLiteral("слово%1 ").arg(i);
  return s.trimmed();
}

const QString kDashes = QStringLiteral("---------------------------");

}  // namespace

class ShowNoticeTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("Coiltest")); }

  void frameTitleAndControls() {
    const Layout l = Capture(QStringLiteral("Диаметр провода не может быть равен нулю !"));
    QCOMPARE(l.title, QStringLiteral("Coiltest"));
    QVERIFY(l.flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(l.flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!l.flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!l.flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!l.flags.testFlag(Qt::WindowContextHelpButtonHint));
    QCOMPARE(l.minimum, l.size);
    QCOMPARE(l.maximum, l.size);
    QCOMPARE(l.labels, 1);
    QCOMPARE(l.buttons, 1);
    QCOMPARE(l.buttonText, QStringLiteral("OK"));
    QVERIFY(l.isDefault);
    QVERIFY(l.wordWrap);
    QCOMPARE(l.format, Qt::PlainText);
    QCOMPARE(l.labelText, QStringLiteral("Диаметр провода не может быть равен нулю !"));
  }

  void geometryFollowsTheFont_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");  // at least this many lines of text
    QTest::newRow("short") << QStringLiteral("Нет") << 1;
    QTest::newRow("one line") << QStringLiteral("Диаметр провода не может быть равен нулю !") << 1;
    QTest::newRow("two lines") << QStringLiteral("Первая строка\nвторая") << 2;
    QTest::newRow("tab") << QStringLiteral("a\tb") << 1;
    QTest::newRow("very long") << LongText() << 5;
  }
  void geometryFollowsTheFont() {
    QFETCH(QString, text);
    QFETCH(int, lines);
    const Layout l = Capture(text);
    const Measures m = MeasuresOf(l.font);
    const QFontMetrics fm(l.font);
    const int half = QGuiApplication::primaryScreen()->geometry().width() / 2;

    // The text box: at the margins, no wider than half the screen, as tall as its lines.
    QCOMPARE(l.label.topLeft(), QPoint(m.marginX, m.marginY));
    QVERIFY(l.label.width() <= half);
    QVERIFY(l.label.height() >= lines * fm.lineSpacing());
    if (lines == 1 && !text.contains('\t'))
      QVERIFY(std::abs(l.label.width() - fm.horizontalAdvance(text)) <= 1);
    if (text == LongText()) QVERIFY(l.label.width() > half * 3 / 4);  // filled before wrapping

    // The client area.
    QCOMPARE(l.size.width(), std::max(l.label.width(), m.buttonW) + 2 * m.marginX);
    QCOMPARE(l.size.height(), l.label.height() + m.spacing + m.buttonH + 2 * m.marginY);

    // The button, centred below the text.
    QCOMPARE(l.button.size(), QSize(m.buttonW, m.buttonH));
    QCOMPARE(l.button.left(), (l.size.width() - m.buttonW) / 2);
    QCOMPARE(l.button.top(), l.label.height() + m.marginY + m.spacing);

    // Centred on the primary screen.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY(std::abs(l.frame.center().x() - screen.center().x()) <= 1);
    QVERIFY(std::abs(l.frame.center().y() - screen.center().y()) <= 1);
  }

  void longTextGrowsInHeightNotWidth() {
    const Layout shortOne = Capture(QStringLiteral("слово"));
    const Layout longOne = Capture(LongText());
    const int half = QGuiApplication::primaryScreen()->geometry().width() / 2;
    const Measures m = MeasuresOf(longOne.font);
    QVERIFY(longOne.size.width() <= half + 2 * m.marginX);
    QVERIFY(longOne.size.height() >
            shortOne.size.height() + 3 * QFontMetrics(longOne.font).height());
  }

  void closesEveryWay_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("Enter") << 0;
    QTest::newRow("Return") << 1;
    QTest::newRow("Escape") << 2;
    QTest::newRow("OK clicked") << 3;
    QTest::newRow("close box") << 4;
  }
  void closesEveryWay() {
    QFETCH(int, way);
    bool destroyed = false;
    bool wasVisible = false;
    RunNotice(
        QStringLiteral("Готово"),
        [way, &wasVisible](QDialog* d) {
          wasVisible = d->isVisible();
          QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : d;
          switch (way) {
            case 0:
              QTest::keyClick(target, Qt::Key_Enter);
              break;
            case 1:
              QTest::keyClick(target, Qt::Key_Return);
              break;
            case 2:
              QTest::keyClick(target, Qt::Key_Escape);
              break;
            case 3:
              QTest::mouseClick(d->findChild<QPushButton*>(), Qt::LeftButton);
              break;
            case 4:
              d->close();
              break;
          }
        },
        &destroyed);
    QVERIFY(wasVisible);
    QVERIFY(destroyed);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
  }

  void ctrlCCopiesTheWindowText() {
    const QString message = QStringLiteral("Диаметр провода не может быть равен нулю !");
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    QString afterShiftCtrl, afterCtrl;
    bool stillOpen = false;
    RunNotice(message, [&](QDialog* d) {
      QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : d;
      QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
      afterShiftCtrl = QGuiApplication::clipboard()->text();
      QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
      afterCtrl = QGuiApplication::clipboard()->text();
      stillOpen = d->isVisible();
      d->reject();
    });
    QCOMPARE(afterShiftCtrl, QStringLiteral("before"));
    const QString expected = kDashes + "\r\n" + "Coiltest\r\n" + kDashes + "\r\n" + message +
                             "\r\n" + kDashes + "\r\n" + "OK   \r\n" + kDashes + "\r\n";
    QCOMPARE(afterCtrl, expected);
    QVERIFY(stillOpen);
  }
};

QTEST_MAIN(ShowNoticeTest)
#include "shownotice_test.moc"
