// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The frame on the offscreen platform: the start order and state, the calculator menu with its
// check marks and the window-state rule, close requests on the children, the help viewer with its
// links handed to a recording desktop, the status line of the physical reference, and the end of
// the event loop.
#include "app/mainform.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/aboutform.h"
#include "app/coilstyle.h"
#include "app/desktop.h"
#include "app/helpviewer.h"
#include "calc/calcstate.h"
#include "calc/texts.h"
#include "numtext/errors.h"

namespace {

using Calc = Tmainform::Calc;
using State = Tmainform::RecordedState;

class RecordingDesktop final : public Desktop {
 public:
  void openTarget(const QString& target) override { targets << target; }
  void handlePendingMessages() override {}
  QStringList targets;
};

struct Entry {
  const char* action;
  Calc calc;
  const char* caption;
};

const Entry kEntries[] = {
    {"MenuVitkMnogsl", Calc::Vitkmnogosl, "витков многослойной катушки"},
    {"MenuIndMnogosl", Calc::IndMnogosl, "индуктивности многослойной катушки"},
    {"Menuopt", Calc::Opt, "Оптимальных размеров многослойной катушки"},
    {"MenuIndOdnosl", Calc::IndOdnosl, "индуктивности однослойной катушки"},
};

const Calc kAll[] = {Calc::Vitkmnogosl, Calc::IndMnogosl, Calc::Opt, Calc::IndOdnosl};

}  // namespace

class MainformTest : public QObject {
  Q_OBJECT

 private:
  FormatSettings format_{U','};
  CalcState state_;
  RecordingDesktop desktop_;
  std::unique_ptr<Tmainform> frame_;

  QAction* action(const char* name) {
    auto* a = frame_->findChild<QAction*>(QString::fromLatin1(name));
    if (!a) qFatal("no action %s", name);
    return a;
  }
  QStringList checkedEntries() {
    QStringList names;
    for (const Entry& e : kEntries)
      if (action(e.action)->isChecked()) names << QString::fromLatin1(e.action);
    return names;
  }
  int maximizedCount() {
    int n = 0;
    for (Calc c : kAll) n += frame_->subWindow(c)->isMaximized() ? 1 : 0;
    return n;
  }
  // The frame's recorded states agree with what the MDI area shows.
  void verifyRecordedStates() {
    for (Calc c : kAll) {
      QMdiSubWindow* sub = frame_->subWindow(c);
      const State shown = sub->isMaximized()   ? State::Maximized
                          : sub->isMinimized() ? State::Minimized
                                               : State::Normal;
      QCOMPARE(frame_->recordedState(c), shown);
    }
  }
  void verifyInFront(const Entry& e) {
    QCOMPARE(frame_->mdiArea()->activeSubWindow(), frame_->subWindow(e.calc));
    QVERIFY(frame_->subWindow(e.calc)->isMaximized());
    QCOMPARE(maximizedCount(), 1);
    QCOMPARE(checkedEntries(), QStringList{QString::fromLatin1(e.action)});
    QCOMPARE(frame_->windowTitle(),
             QString::fromUtf8("Расчет - [%1]").arg(QString::fromUtf8(e.caption)));
    verifyRecordedStates();
  }

 private slots:
  void init() {
    frame_ = std::make_unique<Tmainform>(desktop_);
    frame_->createChildren(WindowServices{format_, state_, desktop_});
    frame_->showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    desktop_.targets.clear();
  }
  void cleanup() { frame_.reset(); }

  void startsWithSingleLayerInFront() {
    const QList<QMdiSubWindow*> order = frame_->mdiArea()->subWindowList(QMdiArea::CreationOrder);
    QStringList names;
    for (QMdiSubWindow* sub : order) names << sub->widget()->objectName();
    QCOMPARE(names, (QStringList{"FormIndMnogosl", "FormVitkmnogosl", "Formopt", "FormIndOdnosl"}));
    verifyInFront(kEntries[3]);
    QVERIFY(frame_->aboutForm() && !frame_->aboutForm()->isVisible());
    QVERIFY(!frame_->helpViewer()->isVisible());
  }

  void frameHasFixedClientAndNoMaximizeBox() {
    // The status bar lies inside the client area; the MDI area gives way to it.
    QCOMPARE(frame_->mdiArea()->width(), 656);
    QCOMPARE(frame_->mdiArea()->height() + frame_->statusBar()->height(), 436);
    QCOMPARE(frame_->statusBar()->y(), frame_->mdiArea()->geometry().bottom() + 1);
    QCOMPARE(frame_->mdiArea()->y(), frame_->menuBar()->height());
    QCOMPARE(frame_->minimumSize(), frame_->maximumSize());
    const Qt::WindowFlags f = frame_->windowFlags();
    QVERIFY(f.testFlag(Qt::WindowMinimizeButtonHint) && f.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!f.testFlag(Qt::WindowMaximizeButtonHint));
    for (Calc c : kAll) {
      const Qt::WindowFlags sf = frame_->subWindow(c)->windowFlags();
      const bool controls = c == Calc::Opt;
      QCOMPARE(sf.testFlag(Qt::WindowSystemMenuHint), controls);
      QCOMPARE(sf.testFlag(Qt::WindowMinimizeButtonHint), controls);
      QCOMPARE(sf.testFlag(Qt::WindowCloseButtonHint), controls);
    }
  }

  void maximizedCalculatorsShowEveryControl() {
    QWidget* viewport = frame_->mdiArea()->viewport();
    for (const Entry& e : kEntries) {
      action(e.action)->trigger();
      for (QWidget* w : frame_->form(e.calc)->findChildren<QWidget*>()) {
        if (w->isHidden()) continue;
        const QRect shown(w->mapTo(viewport, QPoint(0, 0)), w->size());
        QVERIFY2(viewport->rect().contains(shown), qPrintable(w->objectName()));
      }
    }
  }

  // The status line shows the reference of the calculator in front, marked beyond 1 %; the whole
  // reference, a table, is its tooltip and that of the result fields; typing, a failed command
  // and a mode switch take them away.
  void statusLineFollowsTheCalculatorInFront() {
    auto* text = frame_->findChild<QLabel*>(QStringLiteral("ReferenceText"));
    auto* mark = frame_->findChild<QLabel*>(QStringLiteral("ReferenceIcon"));
    QVERIFY(text && mark);
    const auto field = [this](Calc c, const char* name) {
      return frame_->form(c)->findChild<QLineEdit*>(QString::fromLatin1(name));
    };
    const auto compute = [this](Calc c) { frame_->form(c)->findChild<QPushButton*>()->click(); };
    // The text keeps its place whether the mark shows or not.
    const auto textX = [&] {
      QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
      return text->mapTo(frame_.get(), QPoint()).x();
    };
    const int x = textX();
    const auto expect = [&](const char* line, bool warning, Calc c, const char* output) {
      QCOMPARE(text->text(), QString::fromUtf8(line));
      QCOMPARE(!mark->isHidden(), warning);
      QCOMPARE(textX(), x);
      QCOMPARE(field(c, output)->toolTip(), text->toolTip());
      QCOMPARE(text->toolTip().isEmpty(), *line == '\0');
      QCOMPARE(text->toolTip().contains(QStringLiteral("<table")), *line != '\0');
      // A screen reader has the line as a description, a warning said in words.
      const QString said = (warning ? "Предупреждение: " : "") + QString::fromUtf8(line);
      for (QWidget* w : std::initializer_list<QWidget*>{text, field(c, output)})
        QCOMPARE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description), said);
    };
    const char kSingle[] = "Точный расчёт (токовый слой): 0,03355 мкГн; формула занижает на 0,48 %";
    const char kMulti[] =
        "Точный расчёт (обмотка прямоугольного сечения): 5755 мкГн; формула завышает на 7,84 %";
    expect("", false, Calc::IndOdnosl, "Vivodind");
    compute(Calc::IndOdnosl);
    expect(kSingle, false, Calc::IndOdnosl, "Vivodind");

    action("MenuIndMnogosl")->trigger();
    expect("", false, Calc::IndMnogosl, "Vivod");
    compute(Calc::IndMnogosl);
    expect(kMulti, true, Calc::IndMnogosl, "Vivod");

    action("MenuIndOdnosl")->trigger();
    expect(kSingle, false, Calc::IndOdnosl, "Vivodind");
    QTest::keyClick(field(Calc::IndOdnosl, "VvodN"), Qt::Key_End);
    QTest::keyClick(field(Calc::IndOdnosl, "VvodN"), Qt::Key_0);
    expect("", false, Calc::IndOdnosl, "Vivodind");

    // The same text fails under another separator: the error leaves no line behind.
    field(Calc::IndOdnosl, "VvodN")->setText(QStringLiteral("5,0"));
    compute(Calc::IndOdnosl);
    expect(kSingle, false, Calc::IndOdnosl, "Vivodind");
    format_.decimalSeparator = U'.';
    QTimer::singleShot(0, frame_.get(), [] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->close();
    });
    compute(Calc::IndOdnosl);
    format_.decimalSeparator = U',';
    expect("", false, Calc::IndOdnosl, "Vivodind");

    action("Menuopt")->trigger();
    compute(Calc::Opt);
    expect("Точный расчёт: 5138 мкГн, на 0,74 % больше требуемой; нужно N = 285,4", false,
           Calc::Opt, "vivodd");
    for (const char* figure : {"0,9772", "0,9761", "1,001"})  // DC R, L/(8,66 c²), its attenuation
      QVERIFY2(text->toolTip().contains(QString::fromLatin1(figure)), figure);
    QTest::mouseClick(frame_->form(Calc::Opt)->findChild<QCheckBox*>(), Qt::LeftButton, {},
                      QPoint(8, 8));
    expect("", false, Calc::Opt, "VivodN");
  }

  // The reference's own inputs: a frequency redraws the line of the calculator in front at once,
  // without its command; the wire field is there only for the calculators that wind no wire;
  // bad text is explained beside the fields, with no message box, and stays as typed.
  void conditionsRedrawTheReferenceInFront() {
    auto* text = frame_->findChild<QLabel*>(QStringLiteral("ReferenceText"));
    auto* frequency = frame_->findChild<QLineEdit*>(QStringLiteral("FrequencyEdit"));
    auto* wire = frame_->findChild<QLineEdit*>(QStringLiteral("WireEdit"));
    auto* problem = frame_->findChild<QLabel*>(QStringLiteral("ConditionsProblem"));
    QVERIFY(text && frequency && wire && problem);
    QCOMPARE(QAccessible::queryAccessibleInterface(frequency)->text(QAccessible::Name),
             QString::fromUtf8("Рабочая частота, кГц"));
    QCOMPARE(QAccessible::queryAccessibleInterface(wire)->text(QAccessible::Name),
             QString::fromUtf8("Провод d, мм"));
    auto* output = frame_->form(Calc::IndOdnosl)->findChild<QLineEdit*>(QStringLiteral("Vivodind"));
    frame_->form(Calc::IndOdnosl)->findChild<QPushButton*>()->click();
    const QString dc = text->text(), result = output->text();
    const QString atFrequency =
        QString::fromStdString(FillArgs(texts::ac::kHeading.source, {std::string("1000")}));

    QTest::keyClicks(frequency, QStringLiteral("1000"));
    QVERIFY2(text->text().startsWith(dc + "; Q = "), qPrintable(text->text()));
    QVERIFY(text->toolTip().contains(atFrequency));
    QCOMPARE(output->toolTip(), text->toolTip());
    QCOMPARE(output->text(), result);  // the command did not run again
    QTest::keyClicks(wire, QStringLiteral("0,5"));
    QVERIFY(text->toolTip().contains(QString::fromStdString(
        FillArgs(texts::reference::kHeadingWire.source, {std::string("0,5")}))));

    const struct {
      const char* action;
      bool wire;
    } kFronts[] = {{"MenuVitkMnogsl", false},
                   {"Menuopt", false},
                   {"MenuIndMnogosl", true},
                   {"MenuIndOdnosl", true}};
    for (const auto& front : kFronts) {
      action(front.action)->trigger();
      QCOMPARE(!wire->isHidden(), front.wire);
    }
    QCOMPARE(wire->text(), QStringLiteral("0,5"));
    QVERIFY(text->toolTip().contains(atFrequency));

    for (const char* bad : {"abc", "-1", "0", "1e300"}) {
      frequency->clear();
      QTest::keyClicks(frequency, QString::fromLatin1(bad));
      QVERIFY2(!problem->text().isEmpty(), bad);
      QCOMPARE(frequency->text(), QString::fromLatin1(bad));
      QVERIFY(QApplication::activeModalWidget() == nullptr);
      QVERIFY2(!text->text().contains(QStringLiteral("Q = ")), bad);
    }
    frequency->clear();
    QVERIFY(problem->text().isEmpty());
    QCOMPARE(text->text(), dc);
  }

  void eachEntryBringsItsCalculatorForward() {
    // One typed text per calculator, which must survive every switch.
    for (Calc c : kAll) {
      auto* edit = frame_->form(c)->findChild<QLineEdit*>();
      QVERIFY(edit);
      edit->setText(QStringLiteral("typed %1").arg(static_cast<int>(c)));
    }
    for (int round = 0; round < 2; ++round) {
      for (const Entry& e : kEntries) {
        action(e.action)->trigger();
        QTest::qWait(1);
        verifyInFront(e);
      }
    }
    for (Calc c : kAll)
      QCOMPARE(frame_->form(c)->findChild<QLineEdit*>()->text(),
               QStringLiteral("typed %1").arg(static_cast<int>(c)));
  }

  void entryOfMaximizedCalculatorChangesNothing() {
    QMdiSubWindow* front = frame_->subWindow(Calc::IndOdnosl);
    auto* edit = frame_->form(Calc::IndOdnosl)->findChild<QLineEdit*>();
    edit->setFocus();
    QSignalSpy activated(frame_->mdiArea(), &QMdiArea::subWindowActivated);
    QSignalSpy changed(front, &QMdiSubWindow::windowStateChanged);
    const QRect geometry = front->geometry();
    action("MenuIndOdnosl")->trigger();  // the click itself toggles the mark off first
    QTest::qWait(1);
    QCOMPARE(activated.count(), 0);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(front->geometry(), geometry);
    QCOMPARE(QApplication::focusWidget(), edit);
    verifyInFront(kEntries[3]);
  }

  void optMinimizedByCloseBoxComesBackMaximized() {
    const Entry& opt = kEntries[2];
    QMdiSubWindow* sub = frame_->subWindow(Calc::Opt);
    QPointer<QWidget> form = frame_->form(Calc::Opt);
    action(opt.action)->trigger();
    verifyInFront(opt);
    sub->close();  // what its close box does
    QTest::qWait(1);
    QVERIFY(form && sub->isVisible());
    QVERIFY(sub->isMinimized());
    QCOMPARE(frame_->recordedState(Calc::Opt), State::Minimized);
    QCOMPARE(maximizedCount(), 0);
    action(opt.action)->trigger();
    QTest::qWait(1);
    verifyInFront(opt);
    // Restored by its own restore box, then chosen again.
    sub->showNormal();
    QTest::qWait(1);
    QCOMPARE(frame_->recordedState(Calc::Opt), State::Normal);
    action(opt.action)->trigger();
    QTest::qWait(1);
    verifyInFront(opt);
  }

  void closeRequestOnOtherCalculatorsIsIgnored() {
    for (const Entry& e : kEntries) {
      if (e.calc == Calc::Opt) continue;
      action(e.action)->trigger();
      QMdiSubWindow* sub = frame_->subWindow(e.calc);
      QPointer<QWidget> form = frame_->form(e.calc);
      QVERIFY(!sub->close());
      QTest::qWait(1);
      QVERIFY(form && form->isVisible() && sub->isVisible());
      verifyInFront(e);
    }
  }

  void helpShowsPageEachTimeAndHandsLinksToDesktop() {
    HelpViewer* viewer = frame_->helpViewer();
    for (int i = 0; i < 2; ++i) {
      action("help")->trigger();
      QVERIFY(QTest::qWaitForWindowExposed(viewer));
      QVERIFY(viewer->isWindow());
      QCOMPARE(viewer->windowTitle(),
               QString::fromUtf8("Конструктивный расчет катушек индуктивности"));
      viewer->close();
      QVERIFY(!viewer->isVisible());
    }
    action("help")->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(viewer));

    // Click every link of the page where it is drawn.
    int links = 0;
    for (QTextBlock b = viewer->document()->begin(); b.isValid(); b = b.next()) {
      for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (!f.charFormat().isAnchor() || f.length() < 2) continue;
        QTextCursor c(viewer->document());
        c.setPosition(f.position() + f.length() / 2);
        viewer->setTextCursor(c);
        viewer->ensureCursorVisible();
        const QPoint at = viewer->cursorRect(c).center() - QPoint(2, 0);
        QTest::mouseClick(viewer->viewport(), Qt::LeftButton, {}, at);
        ++links;
      }
    }
    QCOMPARE(links, 2);
    QCOMPARE(desktop_.targets.size(), 2);
    QVERIFY(desktop_.targets[0].startsWith("mailto:"));
    QVERIFY(desktop_.targets[0].endsWith(
        QString::fromUtf8("?subject=По поводу конструктивного расчета катушек")));
    QVERIFY(desktop_.targets[1].endsWith("/programms/tirnovel/tirnovel.html"));
  }

  void unreadableHelpPageRaisesError() {
    HelpViewer* viewer = frame_->helpViewer();
    QVERIFY_THROWS_EXCEPTION(Exception, viewer->present(QStringLiteral(":/help/missing.html")));
    QVERIFY(!viewer->isVisible());
  }

  void helpPageFailureFromMenuIsReportedAndProgramGoesOn() {
    frame_->setHelpPage(QStringLiteral(":/help/missing.html"));
    QString boxText;
    QTimer::singleShot(0, frame_.get(), [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        boxText = box->text();
        box->close();
      }
    });
    action("help")->trigger();
    QVERIFY(boxText.contains("missing.html"));
    QVERIFY(!frame_->helpViewer()->isVisible());
    // The frame goes on as before.
    action("MenuVitkMnogsl")->trigger();
    verifyInFront(kEntries[0]);
  }

  // Under both styles an unchecked entry of the "Расчет" menu is drawn as one that cannot be
  // checked (no empty box, the text where it was), and a checked one shows a mark.
  void onlyTheCheckedEntryShowsAMark() {
    auto* menu = frame_->findChild<QMenu*>(QStringLiteral("optioner"));
    QAction* entry = action("MenuVitkMnogsl");
    for (const char* name : {"fusion", "windows"}) {
      CoilStyle style(QString::fromLatin1(name));
      menu->setStyle(&style);
      const QImage unchecked = menu->grab().toImage();
      entry->setCheckable(false);
      const QImage plain = menu->grab().toImage();
      entry->setCheckable(true);
      entry->setChecked(true);
      const QImage checked = menu->grab().toImage();
      entry->setChecked(false);
      menu->setStyle(nullptr);
      QVERIFY2(unchecked == plain, name);
      QVERIFY2(checked != plain, name);
    }
  }

  // A Latin keyboard layout cannot type the Cyrillic mnemonics: F10, Down and Enter reach
  // "&Закрыть" from any field.
  void f10OpensTheFileMenuAndEnterEndsTheProgram() {
    QWidget* field = frame_->form(Calc::IndOdnosl)->findChild<QWidget*>(QStringLiteral("VvodN"));
    QVERIFY(field);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_F10);
    auto* fileMenu = frame_->findChild<QMenu*>(QStringLiteral("Filer"));
    QVERIFY(fileMenu);
    QTRY_VERIFY(fileMenu->isVisible());
    QTimer::singleShot(0, fileMenu, [fileMenu] {
      QTest::keyClick(fileMenu, Qt::Key_Down);
      QTest::keyClick(fileMenu, Qt::Key_Return);
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
  }

  void closerAndCloseBoxEndTheEventLoop() {
    for (bool closeBox : {false, true}) {
      QTimer::singleShot(0, frame_.get(), [&] {
        if (closeBox)
          frame_->close();
        else
          action("Closer")->trigger();
      });
      QTimer watchdog;
      watchdog.setSingleShot(true);
      connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
      watchdog.start(5000);
      QCOMPARE(QCoreApplication::exec(), 0);
      frame_->show();
    }
  }
};

QTEST_MAIN(MainformTest)
#include "mainform_test.moc"
