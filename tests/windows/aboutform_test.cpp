// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The About window on the offscreen platform: layout, modality and the ways it closes, where it
// reappears, the three link targets and the pressed and resting looks of the link labels.
#include "app/aboutform.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <functional>

namespace {

struct Look {
  QColor colour;
  bool bold = false;
  bool underline = false;
  bool operator==(const Look& o) const {
    return colour == o.colour && bold == o.bold && underline == o.underline;
  }
};

// Whether the widget as drawn shows ink of the colour (text is antialiased: its core pixels
// are near the colour).
bool DrawnIn(QWidget* w, const QColor& colour) {
  const QImage image = w->grab().toImage();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor p = image.pixelColor(x, y);
      if (qAbs(p.red() - colour.red()) < 60 && qAbs(p.green() - colour.green()) < 60 &&
          qAbs(p.blue() - colour.blue()) < 60) {
        return true;
      }
    }
  }
  return false;
}

Look LookOf(const QLabel* label) {
  return {label->palette().color(QPalette::WindowText), label->font().bold(),
          label->font().underline()};
}

const Look kResting{QColor(0, 0, 255), false, true};
const Look kPressed{QColor(255, 0, 0), true, true};

// Records every target with the looks of both link labels at the moment it was opened.
class RecordingDesktop final : public Desktop {
 public:
  struct Opening {
    QString target;
    Look label4;
    Look label5;
  };
  void openTarget(const QString& target) override {
    const QWidget* form = form_;
    openings.push_back({target, LookOf(form->findChild<QLabel*>("Label4")),
                        LookOf(form->findChild<QLabel*>("Label5"))});
  }
  void handlePendingMessages() override {}
  void watch(const QWidget* form) { form_ = form; }
  QVector<Opening> openings;

 private:
  const QWidget* form_ = nullptr;
};

}  // namespace

Q_DECLARE_METATYPE(Qt::MouseButton)

class AboutFormTest : public QObject {
  Q_OBJECT

 private:
  RecordingDesktop desktop;
  QWidget* frame = nullptr;
  QPushButton* probe = nullptr;
  bool probeClicked = false;
  TAboutForm* form = nullptr;

  template <typename T>
  T* child(const char* name) {
    T* w = form->findChild<T*>(name);
    if (w == nullptr) qFatal("no control %s", name);
    return w;
  }
  QLabel* label(const char* name) { return child<QLabel>(name); }
  // Runs the modal loop; `during` runs inside it and must close the window. A guard ends the loop
  // if it does not, so that a fault fails the test instead of hanging it.
  int execWith(const std::function<void()>& during, bool* guardFired) {
    *guardFired = false;
    QTimer::singleShot(0, form, during);
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, form, [this, guardFired] {
      *guardFired = true;
      form->done(QDialog::Accepted);
    });
    guard.start(3000);
    return form->exec();
  }
  void showPlain() {
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
  }

 private slots:
  void init() {
    frame = new QWidget;
    frame->setGeometry(0, 0, 320, 240);  // centring on this would not centre on the screen
    probe = new QPushButton("probe", frame);
    probeClicked = false;
    connect(probe, &QPushButton::clicked, this, [this] { probeClicked = true; });
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame));
    form = new TAboutForm(desktop, frame);
    desktop.watch(form);
    desktop.openings.clear();
  }
  void cleanup() {
    delete frame;  // and the form with it
    frame = nullptr;
    form = nullptr;
  }

  void windowFrame() {
    QCOMPARE(form->objectName(), QString("AboutForm"));
    QCOMPARE(form->windowTitle(), QString("О программе"));
    QVERIFY(form->isHidden());
    // A close box, no minimize or maximize box, no context help (Qt adds the system menu hint
    // that goes with a close box).
    const Qt::WindowFlags flags = form->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(
        flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint));
    QVERIFY(!(flags & (Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint |
                       Qt::FramelessWindowHint)));
    QCOMPARE(form->size(), QSize(285, 189));
    QCOMPARE(form->minimumSize(), QSize(285, 189));
    QCOMPARE(form->maximumSize(), QSize(285, 189));
    showPlain();
    const QImage drawn = form->grab().toImage();
    QCOMPARE(drawn.pixelColor(2, 2), QApplication::palette().color(QPalette::Button));
    QCOMPARE(form->font().family(), QString("MS Sans Serif"));
    QCOMPARE(form->font().pointSize(), 8);
    QCOMPARE(form->font().styleHint(), QFont::SansSerif);
    QCOMPARE(form->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  }

  void labels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("link");
    QTest::addColumn<QString>("hint");
    QTest::newRow("Label1") << "Label1" << QPoint(37, 24) << "Программа для конструктивного расчета"
                            << false << "";
    QTest::newRow("Label2") << "Label2" << QPoint(131, 48) << "катушек индуктивности" << false
                            << "";
    // The author line is longer than the layout's: it ends where the layout's ends (251).
    QTest::newRow("Label3") << "Label3" << QPoint(251, 80) << "Автор: разработчики coilcalc"
                            << false << "";
    QTest::newRow("Label5") << "Label5" << QPoint(114, 128) << "coilcalc@example.org" << true
                            << "Написать письмо";
    QTest::newRow("Label4") << "Label4" << QPoint(112, 104) << "https://coilcalc.example.org"
                            << true << "Зайти на сайт";
  }
  void labels() {
    QFETCH(QString, name);
    QFETCH(QPoint, pos);
    QFETCH(QString, text);
    QFETCH(bool, link);
    QFETCH(QString, hint);
    QLabel* l = label(name.toLatin1().constData());
    QCOMPARE(l->text(), text);
    if (name == "Label3")
      QCOMPARE(QPoint(l->x() + l->width(), l->y()), pos);
    else
      QCOMPARE(l->pos(), pos);
    // Sized to the text, and inside the window even in the wider pressed look of a link.
    QCOMPARE(l->size(), l->sizeHint());
    QFont widest = l->font();
    widest.setBold(link);
    QVERIFY2(l->x() + QFontMetrics(widest).horizontalAdvance(text) <= form->width(),
             qPrintable(QString("right edge %1").arg(l->x() + l->width())));
    QCOMPARE(l->font().family(), QString("MS Sans Serif"));
    QCOMPARE(l->font().pointSize(), 8);
    QCOMPARE(l->font().styleHint(), QFont::SansSerif);
    QCOMPARE(LookOf(l), (Look{QColor(0, 0, 255), false, link}));
    showPlain();
    QVERIFY(DrawnIn(l, QColor(0, 0, 255)));
    QVERIFY(!DrawnIn(l, QColor(0, 0, 0)));
    QCOMPARE(l->toolTip(), hint);
    QCOMPARE(l->cursor().shape(), link ? Qt::PointingHandCursor : Qt::ArrowCursor);
  }

  void pictureAndButton() {
    QLabel* image = label("Image1");
    QCOMPARE(image->geometry(), QRect(24, 72, 32, 32));
    QCOMPARE(image->pixmap().size(), QSize(32, 32));
    QCOMPARE(image->alignment(), Qt::AlignCenter);
    QCOMPARE(image->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(image->toolTip(), QString("Посмотреть обновление"));

    auto* ok = child<QPushButton>("BitBtn1");
    QCOMPARE(ok->geometry(), QRect(106, 152, 75, 25));
    QCOMPARE(ok->text(), QString("OK"));
    QVERIFY(!ok->icon().isNull());
    QCOMPARE(ok->iconSize(), QSize(18, 18));
    QVERIFY(ok->icon().availableSizes().contains(QSize(18, 18)));
    QCOMPARE(ok->palette().color(QPalette::ButtonText), QColor(0, 0, 0));
    showPlain();
    QVERIFY(!DrawnIn(ok, QColor(0, 0, 255)));
    QCOMPARE(ok->font().family(), QString("MS Sans Serif"));
    QVERIFY(ok->toolTip().isEmpty());
    QVERIFY(ok->isDefault());
  }

  void onlyTheButtonTakesFocus() {
    for (QWidget* w : form->findChildren<QWidget*>()) {
      const bool isButton = w->objectName() == "BitBtn1";
      QCOMPARE(w->focusPolicy() == Qt::NoFocus, !isButton);
    }
    showPlain();
    QVERIFY(QTest::qWaitForWindowActive(form));
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>("BitBtn1"));
  }

  void closePaths_data() {
    QTest::addColumn<int>("path");
    QTest::newRow("OK button") << 0;
    QTest::newRow("Enter") << 1;
    QTest::newRow("close()") << 3;
    QTest::newRow("close box") << 4;
  }
  void closePaths() {
    QFETCH(int, path);
    QWidget* modalWhileOpen = nullptr;
    bool probeClickedWhileOpen = true;
    bool activeWhileOpen = false;
    QWidget* focusWhileOpen = nullptr;
    bool guardFired = false;
    const int result = execWith(
        [&] {
          modalWhileOpen = QApplication::activeModalWidget();
          // Through the window system, where modality blocks input to other windows.
          QTest::mouseClick(frame->windowHandle(), Qt::LeftButton, {}, probe->geometry().center());
          probeClickedWhileOpen = probeClicked;
          activeWhileOpen = QTest::qWaitForWindowActive(form);
          focusWhileOpen = QApplication::focusWidget();
          QWidget* focus = focusWhileOpen ? focusWhileOpen : form;
          switch (path) {
            case 0:
              QTest::mouseClick(child<QPushButton>("BitBtn1"), Qt::LeftButton);
              break;
            case 1:
              QTest::keyClick(focus, Qt::Key_Return);
              break;
            case 3:
              form->close();
              break;
            case 4:
              form->windowHandle()->close();
              break;
          }
        },
        &guardFired);
    QVERIFY2(!guardFired, "the window did not close");
    QCOMPARE(modalWhileOpen, form);
    QVERIFY(!probeClickedWhileOpen);  // the frame takes no input while the window is open
    QVERIFY(activeWhileOpen);
    QCOMPARE(focusWhileOpen, child<QPushButton>("BitBtn1"));
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(form->isHidden());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(form->windowModality(), Qt::ApplicationModal);
    QVERIFY(desktop.openings.isEmpty());
  }

  // No cancel button: Escape leaves the window open.
  void escapeLeavesItOpen() {
    bool openAfterEscape = false;
    bool guardFired = false;
    execWith(
        [&] {
          // The key goes to the form itself where the platform activates no window.
          (void)QTest::qWaitForWindowActive(form);
          QWidget* focus = QApplication::focusWidget();
          QTest::keyClick(focus ? focus : form, Qt::Key_Escape);
          openAfterEscape = form->isVisible() && QApplication::activeModalWidget() == form;
          form->close();
        },
        &guardFired);
    QVERIFY(!guardFired);
    QVERIFY(openAfterEscape);
  }

  void firstShowingCentredLaterWhereLeft() {
    const QRect screen = form->screen()->geometry();
    const QPoint leftAt(37, 41);
    QPoint firstCentre;
    bool moved = false;
    bool guardFired = false;
    execWith(
        [&] {
          firstCentre = form->frameGeometry().center();
          form->windowHandle()->setFramePosition(leftAt);  // as the user drags it
          moved = QTest::qWaitFor([&] { return form->pos() == leftAt; });
          form->close();
        },
        &guardFired);
    QVERIFY(!guardFired);
    QVERIFY2(qAbs(firstCentre.x() - screen.center().x()) <= 1 &&
                 qAbs(firstCentre.y() - screen.center().y()) <= 1,
             qPrintable(QString("centre %1,%2").arg(firstCentre.x()).arg(firstCentre.y())));
    QVERIFY(moved);
    // Qt re-centres a dialog on each showing unless it was placed by the program.
    form->setAttribute(Qt::WA_Moved, false);
    for (int showing = 2; showing <= 3; ++showing) {
      QPoint shownAt;
      execWith(
          [&] {
            shownAt = form->pos();
            form->close();
          },
          &guardFired);
      QVERIFY(!guardFired);
      QCOMPARE(shownAt, leftAt);
    }
  }

  void targets_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("target");
    QTest::newRow("Label4 site") << "Label4"
                                 << "https://coilcalc.example.org";
    QTest::newRow("Label5 mail")
        << "Label5"
        << "mailto:coilcalc@example.org?subject=По поводу конструктивного расчета катушек";
    QTest::newRow("Image1 update page")
        << "Image1"
        << "https://coilcalc.example.org/programms/tirnovel/tirnovel.html";
  }
  void targets() {
    QFETCH(QString, control);
    QFETCH(QString, target);
    showPlain();
    QLabel* c = label(control.toLatin1().constData());
    for (int click = 1; click <= 3; ++click) {
      QTest::mouseClick(c, Qt::LeftButton);
      QCOMPARE(desktop.openings.size(), click);
      QCOMPARE(desktop.openings.last().target, target);
      QVERIFY(form->isVisible());  // opening a link leaves the window open
    }
    // Other buttons open nothing.
    QTest::mouseClick(c, Qt::RightButton);
    QTest::mouseClick(c, Qt::MiddleButton);
    QCOMPARE(desktop.openings.size(), 3);
  }

  void pictureHasNoPressedLook() {
    showPlain();
    QLabel* image = label("Image1");
    const QPixmap before = image->grab().copy();
    QTest::mousePress(image, Qt::LeftButton);
    QVERIFY(desktop.openings.isEmpty());  // the click, not the press, opens
    QCOMPARE(image->grab().toImage(), before.toImage());
    QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(-30, -30));
    QVERIFY(desktop.openings.isEmpty());  // released away
  }

  void pressAndRelease_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("releaseOver");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<bool>("pressedAfterRelease");
    const char* names[] = {"Label4", "Label5"};
    for (const char* n : names) {
      const QString name(n);
      QTest::addRow("%s left over", n) << name << Qt::LeftButton << true << true << false;
      QTest::addRow("%s left away", n) << name << Qt::LeftButton << false << false << false;
      QTest::addRow("%s right over", n) << name << Qt::RightButton << true << false << false;
      QTest::addRow("%s right away", n) << name << Qt::RightButton << false << false << true;
      QTest::addRow("%s middle over", n) << name << Qt::MiddleButton << true << false << false;
      QTest::addRow("%s middle away", n) << name << Qt::MiddleButton << false << false << true;
    }
  }
  void pressAndRelease() {
    QFETCH(QString, name);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, releaseOver);
    QFETCH(bool, opens);
    QFETCH(bool, pressedAfterRelease);
    showPlain();
    QLabel* l = label(name.toLatin1().constData());
    QLabel* other = label(name == "Label4" ? "Label5" : "Label4");
    const QPoint centre = l->rect().center();
    const QPoint away = l->mapFrom(form, QPoint(8, 8));
    QVERIFY(!l->rect().contains(away));

    const int restingWidth = l->width();
    QTest::mousePress(l, button, {}, centre);
    QCOMPARE(LookOf(l), kPressed);
    QCOMPARE(l->size(), l->sizeHint());  // resized to the bold text
    QVERIFY(l->width() > restingWidth);
    QVERIFY(DrawnIn(l, QColor(255, 0, 0)));
    QCOMPARE(LookOf(other), kResting);
    QVERIFY(desktop.openings.isEmpty());

    QTest::mouseRelease(l, button, {}, releaseOver ? l->rect().center() : away);
    QCOMPARE(desktop.openings.size(), opens ? 1 : 0);
    if (opens) {
      // Opened first, while the label still looked pressed; restyled afterwards.
      const RecordingDesktop::Opening& o = desktop.openings.first();
      QCOMPARE(name == "Label4" ? o.label4 : o.label5, kPressed);
      QCOMPARE(name == "Label4" ? o.label5 : o.label4, kResting);
    }
    QCOMPARE(LookOf(l), pressedAfterRelease ? kPressed : kResting);
    QCOMPARE(LookOf(other), kResting);

    if (pressedAfterRelease) {
      // The pressed look stays until a button is released over the label.
      QTest::mouseClick(l, Qt::RightButton, {}, l->rect().center());
      QCOMPARE(LookOf(l), kResting);
      QVERIFY(desktop.openings.isEmpty());
    }
    QCOMPARE(l->size(), l->sizeHint());  // back to the width of its resting text
  }

  void lookCarriesOverToTheNextShowing() {
    QLabel* l = label("Label5");
    bool guardFired = false;
    execWith(
        [&] {
          QTest::mousePress(l, Qt::MiddleButton, {}, l->rect().center());
          QTest::mouseRelease(l, Qt::MiddleButton, {}, l->mapFrom(form, QPoint(8, 8)));
          form->close();
        },
        &guardFired);
    QVERIFY(!guardFired);
    Look next;
    execWith(
        [&] {
          next = LookOf(l);
          form->close();
        },
        &guardFired);
    QCOMPARE(next, kPressed);
  }
};

QTEST_MAIN(AboutFormTest)
#include "aboutform_test.moc"
