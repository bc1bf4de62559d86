// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// A long seeded session with the whole program on the offscreen platform, built as main() builds
// it: random texts typed or pasted into the calculators' fields, Enter, the compute buttons, the
// "Расчет" menu (by action and through the menu bar), Formopt's mode switch, About, the help
// viewer, close requests, the MDI area's own switching and a change of the desktop's locale.
// Every modal window is closed by a timer. After every action the program is checked against a
// model: the inputs hold what was typed, the outputs hold what the same commands give when the
// command-line case runner runs them in the same order (so the unit-level state of the turns
// search and of the optimal coil follows the same history), the menu's check mark, the one
// maximized child, the recorded window states, and an event loop that still runs.
//
//   COILCALC_SESSION_SEED=n      the seed (printed at start; a failure names it)
//   COILCALC_SESSION_ACTIONS=n   the number of actions (10000)
//   COILCALC_SESSION_HANG_S=n    seconds one action may take before the run is abandoned
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#include "app/aboutform.h"
#include "app/coilapplication.h"
#include "app/desktop.h"
#include "app/helpviewer.h"
#include "app/mainform.h"
#include "calc/calcstate.h"
#include "calc/calculators.h"
#include "cases/clirunner.h"
#include "numtext/errors.h"
#include "numtext/numbertext.h"
#include "qtglue/qtformat.h"

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

namespace {

using Calc = Tmainform::Calc;
using State = Tmainform::RecordedState;

constexpr unsigned long long kDefaultSeed = 20240611;
constexpr int kDefaultActions = 10000;
constexpr int kDefaultHangSeconds = kSanitized ? 20 : 5;

CoilApplication* App() { return static_cast<CoilApplication*>(QCoreApplication::instance()); }

long long EnvNumber(const char* name, long long fallback) {
  bool ok = false;
  const long long v = qEnvironmentVariable(name).toLongLong(&ok);
  return ok ? v : fallback;
}

long long NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// The real desktop's event pump (the searches hand events to it while they walk); link targets
// are recorded instead of opened.
class SessionDesktop final : public Desktop {
 public:
  void openTarget(const QString& target) override { targets << target; }
  void handlePendingMessages() override {
    if (duringWalk && !inWalkHook_) {
      inWalkHook_ = true;
      duringWalk();
      inWalkHook_ = false;
    }
    QCoreApplication::processEvents();
  }
  QStringList targets;
  // What the user does while a search walks and hands events to the pump.
  std::function<void()> duringWalk;

 private:
  bool inWalkHook_ = false;
};

// mt19937_64 gives the same sequence everywhere; the reductions below are our own.
class Random {
 public:
  explicit Random(unsigned long long seed) : engine_(seed) {}
  int below(int n) { return static_cast<int>(engine_() % static_cast<unsigned long long>(n)); }
  bool chance(int percent) { return below(100) < percent; }

 private:
  std::mt19937_64 engine_;
};

// A text as a failure message shows it: control characters escaped, long texts cut.
QString Shown(const QString& text) {
  QString s = text;
  s.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
  s.replace(QLatin1Char('\t'), QLatin1String("\\t"));
  s.replace(QLatin1Char('\n'), QLatin1String("\\n"));
  if (s.size() > 60) s = s.left(40) + QStringLiteral("...(%1 chars)").arg(text.size());
  return QLatin1Char('"') + s + QLatin1Char('"');
}

// ---- texts a user might type -------------------------------------------------------------

QString Digits(Random& r, int n) {
  QString s;
  for (int i = 0; i < n; ++i) s += QChar(u'0' + r.below(10));
  return s;
}

// Mostly numbers of the sizes a designer types, with the given separator.
QString GoodNumber(Random& r, const QString& sep) {
  if (r.chance(4)) return QStringLiteral("0");
  QString s;
  if (r.chance(4))
    s += QLatin1Char('-');
  else if (r.chance(2))
    s += QLatin1Char('+');
  if (!r.chance(8)) s += QChar(u'1' + r.below(9)) + Digits(r, r.below(4));
  if (r.chance(50) || s.isEmpty() || s == "-" || s == "+") s += sep + Digits(r, 1 + r.below(6));
  if (r.chance(10)) {
    s += r.chance(50) ? QLatin1Char('e') : QLatin1Char('E');
    if (r.chance(40))
      s += QLatin1Char('-');
    else if (r.chance(20))
      s += QLatin1Char('+');
    s += QString::number(r.below(25));
  }
  if (r.chance(4)) s = QLatin1Char(' ') + s + QLatin1Char(' ');
  return s;
}

QString OtherSeparator(const QString& sep) {
  return sep == "." ? QStringLiteral(",") : QStringLiteral(".");
}

QString BadOrOddText(Random& r, const QString& sep) {
  const QString other = OtherSeparator(sep);
  switch (r.below(16)) {
    case 0:
      return QStringLiteral("12") + other + Digits(r, 1 + r.below(3));  // the other separator
    case 1: {
      static const char* const letters[] = {"abc", "x", "1x", "5e", "e5",  "0x10", "INF", "NAN",
                                            "inf", "-", "+",  "1e", "1e+", "--1",  "1-"};
      return QString::fromLatin1(letters[r.below(15)]);
    }
    case 2: {
      static const char16_t* const cyrillic[] = {u"пять", u"12,5 мкГн", u"О",
                                                 u"5О",   u"Расчет",    u"ё1"};
      return QString::fromUtf16(cyrillic[r.below(6)]);
    }
    case 3:
      return Digits(r, 1 + r.below(3)) + QLatin1Char('\t') + Digits(r, 1);
    case 4:
      return r.chance(50) ? QStringLiteral("\t5") : QStringLiteral("5\t");
    case 5:
      return QString(1 + r.below(3), QLatin1Char(' '));
    case 6:
      return QStringLiteral("1 ") + Digits(r, 3);
    case 7: {
      static const char16_t* const thousands[] = {u"1\u00A0000", u"1,000,000", u"1.000.000",
                                                  u"1'000",      u"12 345,5",  u"1\u202F000"};
      return QString::fromUtf16(thousands[r.below(6)]);
    }
    case 8: {
      // A thousand digits, as an integer (beyond the range of a Number) or as a fraction.
      QString s = r.chance(50) ? QStringLiteral("1") + Digits(r, 999)
                               : QStringLiteral("0") + sep + Digits(r, 998);
      if (r.chance(30)) s.insert(1 + r.below(998), sep);
      return s;
    }
    case 9: {
      static const char* const exponents[] = {"1e5000", "1e400",  "1e-400",  "-1e309", "1e308",
                                              "9e4931", "1e4932", "1E-5000", "1e-320", "2e307"};
      return QString::fromLatin1(exponents[r.below(10)]);
    }
    case 10:
      return QString();
    case 11:
      return sep;
    case 12:
      return QString::fromUtf16(u"\u0661\u0662") + sep +
             QStringLiteral("5");  // Arabic-Indic digits
    case 13:
      return QStringLiteral("1") + QString::fromUtf16(u"\u066B") + QStringLiteral("5");
    case 14:
      return sep + Digits(r, 2);
    default:
      return GoodNumber(r, other);
  }
}

QString RandomText(Random& r, const QString& sep) {
  return r.chance(80) ? GoodNumber(r, sep) : BadOrOddText(r, sep);
}

// Typing, character by character; characters without a Latin key come as key events that carry
// only their text, as an input method delivers them.
void TypeText(QWidget* w, const QString& text) {
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u >= 0x20 && u < 0x7F)
      QTest::keyClick(w, static_cast<char>(u));
    else
      QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

// ---- modal windows -----------------------------------------------------------------------

enum class ModalKind { ErrorBox, Notice, About, Other };

struct Modal {
  ModalKind kind;
  QString text;
  bool operator==(const Modal& o) const { return kind == o.kind && text == o.text; }
};

QString Describe(const Modal& m) {
  static const char* const names[] = {"error box", "notice", "About", "other modal"};
  return QString::fromLatin1(names[static_cast<int>(m.kind)]) + QLatin1Char(' ') + Shown(m.text);
}

QString Describe(const std::vector<Modal>& ms) {
  QStringList parts;
  for (const Modal& m : ms) parts << Describe(m);
  return parts.isEmpty() ? QStringLiteral("(none)") : parts.join(QStringLiteral(", "));
}

// Closes whatever modal window opens, by a randomly chosen user path (OK, Enter, Escape), and
// records what it was. A window that stays open after its path was taken is closed for good and
// reported.
class ModalCloser : public QObject {
 public:
  explicit ModalCloser(unsigned long long seed) : random_(seed ^ 0x9E3779B97F4A7C15ULL) {
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    timer_.start(0);
  }
  std::vector<Modal> seen;
  QStringList problems;
  // Between actions: the next modal window is a new showing, even of the same dialog.
  void startAction() {
    seen.clear();
    current_ = nullptr;
  }

 private:
  void tick() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) {
      current_ = nullptr;
      return;
    }
    if (dialog == current_) {
      if (++ticks_ > 200) {
        problems << QStringLiteral("%1 stayed open after %2").arg(currentText_, path_);
        dialog->reject();
      }
      return;
    }
    current_ = dialog;
    ticks_ = 0;
    Modal m{ModalKind::Other, QString::fromLatin1(dialog->metaObject()->className())};
    QAbstractButton* ok = nullptr;
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
      m = {ModalKind::ErrorBox, box->text()};
      ok = box->button(QMessageBox::Ok);
    } else if (qobject_cast<TAboutForm*>(dialog)) {
      m = {ModalKind::About, QString()};
      ok = dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    } else if (dialog->objectName() == QLatin1String("NoticeWindow")) {
      auto* label = dialog->findChild<QLabel*>(QStringLiteral("Message"));
      m = {ModalKind::Notice, label ? label->text() : QStringLiteral("<no message label>")};
      ok = dialog->findChild<QPushButton*>(QStringLiteral("OK"));
    }
    seen.push_back(m);
    currentText_ = Describe(m);
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != dialog) focus = dialog;
    switch (m.kind == ModalKind::Other ? 3 : random_.below(3)) {
      case 0:
        path_ = QStringLiteral("a click on OK");
        if (ok)
          QTest::mouseClick(ok, Qt::LeftButton);
        else
          problems << QStringLiteral("%1 has no OK button").arg(Describe(m));
        break;
      case 1:
        path_ = QStringLiteral("Enter");
        QTest::keyClick(focus, Qt::Key_Return);
        break;
      case 2:
        path_ = QStringLiteral("Escape");
        QTest::keyClick(focus, Qt::Key_Escape);
        if (m.kind == ModalKind::About) {  // no cancel button: it stays open until Enter
          if (!dialog->isVisible()) problems << QStringLiteral("Escape closed the About window");
          path_ = QStringLiteral("Escape, then Enter");
          QTest::keyClick(focus, Qt::Key_Return);
        }
        break;
      default:
        path_ = QStringLiteral("reject()");
        dialog->reject();
    }
  }

  Random random_;
  QTimer timer_;
  QPointer<QDialog> current_;
  int ticks_ = 0;
  QString path_;
  QString currentText_;
};

// Ends the process when one action runs too long: the main thread cannot report a hang itself.
class Watchdog {
 public:
  explicit Watchdog(long long limitMs) : limitMs_(limitMs), thread_([this] { run(); }) {}
  ~Watchdog() {
    stop_ = true;
    thread_.join();
  }
  void beat(const std::string& context) {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      context_ = context;
    }
    beatMs_ = NowMs();
  }

 private:
  void run() {
    while (!stop_) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      if (NowMs() - beatMs_ > limitMs_) {
        const std::lock_guard<std::mutex> lock(mutex_);
        std::fprintf(stderr, "FAIL: an action ran longer than %lld ms (a hang)\n%s\n", limitMs_,
                     context_.c_str());
        std::fflush(stderr);
        _exit(3);
      }
    }
  }
  const long long limitMs_;
  std::atomic<long long> beatMs_{NowMs()};
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::string context_;
  std::thread thread_;
};

// ---- the model ---------------------------------------------------------------------------

struct MenuEntry {
  Calc calc;
  const char* action;
  const char* caption;
};

const MenuEntry kEntries[] = {
    {Calc::Vitkmnogosl, "MenuVitkMnogsl", "витков многослойной катушки"},
    {Calc::IndMnogosl, "MenuIndMnogosl", "индуктивности многослойной катушки"},
    {Calc::Opt, "Menuopt", "Оптимальных размеров многослойной катушки"},
    {Calc::IndOdnosl, "MenuIndOdnosl", "индуктивности однослойной катушки"},
};

const MenuEntry& EntryOf(Calc calc) {
  for (const MenuEntry& e : kEntries)
    if (e.calc == calc) return e;
  qFatal("no entry");
}

struct Locale {
  const char* name;
  char32_t separator;
};
const Locale kLocales[] = {{"ru_RU.UTF-8", U','}, {"C", U'.'}, {"ar_EG.UTF-8", 0x066B}};

struct CalcModel {
  Calc calc;
  QPointer<QWidget> form;
  QString window;
  const Calculator* calculator = nullptr;
  QStringList inputs;
  QStringList outputs;
  QPushButton* button = nullptr;
  std::map<QString, QString> texts;         // what every field must hold
  std::map<QString, char32_t> writtenWith;  // the separator an output's text was made with
};

QString SeparatorText(char32_t c) { return QString::fromUcs4(&c, 1); }

// The offscreen platform warns of every raise() and keyboard grab; thousands of those would hide
// the report.
QtMessageHandler previousHandler = nullptr;
void QuietPlatformWarnings(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
  if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
    return;
  previousHandler(type, context, message);
}

}  // namespace

class RandomSessionTest : public QObject {
  Q_OBJECT

 private:
  unsigned long long seed_ = kDefaultSeed;
  int actionCount_ = kDefaultActions;
  long long hangMs_ = kDefaultHangSeconds * 1000LL;

  SessionDesktop desktop_;
  CalcState state_;
  std::unique_ptr<Tmainform> frame_;
  std::vector<CalcModel> calcs_;
  CliRunner cli_{FormatSettings{}};

  // The model of what the user did.
  Calc lastChosen_ = Calc::IndOdnosl;
  bool wireMode_ = false;
  char32_t separator_ = U',';

  int index_ = 0;
  std::deque<QString> recent_;
  std::map<QString, int> counts_;
  QString actProblem_;  // a user path that did not work as a user would see it work
  QString walkLog_;     // what the user did while the action's search walked
  int walkActions_ = 0;
  long long slowestMs_ = 0;
  QString slowest_;

  QAction* action(const char* name) {
    auto* a = frame_->findChild<QAction*>(QString::fromLatin1(name));
    if (!a) qFatal("no action %s", name);
    return a;
  }
  CalcModel& model(Calc calc) {
    for (CalcModel& m : calcs_)
      if (m.calc == calc) return m;
    qFatal("no calculator");
  }
  QLineEdit* edit(CalcModel& m, const QString& name) {
    auto* e = m.form->findChild<QLineEdit*>(name);
    if (!e) qFatal("no field %s", qPrintable(name));
    return e;
  }
  QString sep() const { return SeparatorText(separator_); }

  QString context(const QString& problem) const {
    QString s = QStringLiteral("seed %1, action #%2: %3\nlast actions:\n")
                    .arg(seed_)
                    .arg(index_)
                    .arg(problem);
    for (const QString& a : recent_) s += QStringLiteral("  ") + a + QLatin1Char('\n');
    s += QStringLiteral("reproduce with COILCALC_SESSION_SEED=%1 COILCALC_SESSION_ACTIONS=%2")
             .arg(seed_)
             .arg(index_ + 1);
    return s;
  }

  // ---- where the user can act ----

  QMdiSubWindow* maximizedSub() const {
    for (const CalcModel& m : calcs_)
      if (frame_->subWindow(m.calc)->isMaximized()) return frame_->subWindow(m.calc);
    return nullptr;
  }
  // A maximized child covers the others; without one, every child that is not minimized shows.
  std::vector<Calc> reachable() const {
    std::vector<Calc> out;
    QMdiSubWindow* max = maximizedSub();
    for (const CalcModel& m : calcs_) {
      QMdiSubWindow* sub = frame_->subWindow(m.calc);
      if (max ? sub == max : !sub->isMinimized()) out.push_back(m.calc);
    }
    return out;
  }
  // The user clicks the frame if another window is active, and the child if it is not current.
  void bringWithinReach(Calc calc, QString& what) {
    if (QApplication::activeWindow() != frame_.get()) {
      frame_->activateWindow();
      QCoreApplication::processEvents();
      what += QStringLiteral(" (frame activated)");
    }
    QMdiSubWindow* sub = frame_->subWindow(calc);
    if (frame_->mdiArea()->currentSubWindow() != sub) {
      frame_->mdiArea()->setActiveSubWindow(sub);
      what += QStringLiteral(" (child activated)");
    }
  }

  // ---- expected outcome of a compute command ----

  struct Expected {
    std::vector<Modal> modals;
    std::vector<std::pair<QString, QString>> writes;
  };

  Expected runOnCli(CalcModel& m) {
    std::vector<std::string> items{m.window.toStdString(),
                                   "sep=" + EscapeText(Utf8Encode(separator_))};
    for (const QString& input : m.inputs)
      items.push_back(input.toStdString() + "=" + EscapeText(ToField(m.texts[input])));
    if (m.calc == Calc::Opt) items.push_back(wireMode_ ? "CheckBox1=1" : "CheckBox1=0");
    Expected e;
    const std::string line = cli_.runCase(items);
    if (line.empty()) return e;
    for (const std::string& item : SplitItems(line)) {
      const std::size_t eq = item.find('=');
      const QString name = QString::fromStdString(item.substr(0, eq));
      const QString value = FromField(UnescapeText(item.substr(eq + 1)));
      if (name == "notice") {
        e.modals.push_back({ModalKind::Notice, value});
      } else if (name == "error") {
        const int colon = value.indexOf(QStringLiteral(": "));
        e.modals.push_back({ModalKind::ErrorBox, value.mid(colon + 2)});
      } else {
        e.writes.emplace_back(name, value);
      }
    }
    return e;
  }

  // ---- the checks after every action ----

  QString checkEventLoop() {
    bool fired = false;
    QObject guard;
    QTimer::singleShot(0, &guard, [&fired] { fired = true; });
    QElapsedTimer t;
    t.start();
    while (!fired && t.elapsed() < 2000) QCoreApplication::processEvents();
    return fired ? QString() : QStringLiteral("a zero timer did not fire within 2 s");
  }

  QString checkFields() {
    for (CalcModel& m : calcs_) {
      if (!m.form) return QStringLiteral("window %1 was destroyed").arg(m.window);
      for (const auto& [name, expected] : m.texts) {
        const QString actual = edit(m, name)->text();
        if (actual != expected)
          return QStringLiteral("%1.%2 holds %3, expected %4")
              .arg(m.window, name, Shown(actual), Shown(expected));
      }
      for (const QString& name : m.outputs) {
        const QString text = m.texts[name];
        if (text.isEmpty()) continue;
        FormatSettings f;
        f.decimalSeparator = m.writtenWith[name];
        try {
          const std::string again = NumberToText(NumberFromText(ToField(text), f), f);
          if (FromField(again) != text)
            return QStringLiteral("%1.%2 holds %3, which number display would show as %4")
                .arg(m.window, name, Shown(text), Shown(FromField(again)));
        } catch (const Exception& e) {
          return QStringLiteral("%1.%2 holds %3, which is no number: %4")
              .arg(m.window, name, Shown(text), QString::fromStdString(e.message()));
        }
      }
      for (QWidget* w : m.form->findChildren<QWidget*>())
        if (!w->isEnabled())
          return QStringLiteral("%1.%2 is left disabled").arg(m.window, w->objectName());
    }
    return QString();
  }

  QString checkFrame() {
    QStringList checked;
    for (const MenuEntry& e : kEntries)
      if (action(e.action)->isChecked()) checked << QString::fromLatin1(e.action);
    if (checked != QStringList{QString::fromLatin1(EntryOf(lastChosen_).action)})
      return QStringLiteral("checked entries [%1], expected %2 alone")
          .arg(checked.join(", "), EntryOf(lastChosen_).action);

    int maximized = 0;
    for (const CalcModel& m : calcs_) {
      QMdiSubWindow* sub = frame_->subWindow(m.calc);
      if (!sub->isVisible()) return QStringLiteral("the sub-window of %1 is hidden").arg(m.window);
      maximized += sub->isMaximized() ? 1 : 0;
      const State shown = sub->isMaximized()   ? State::Maximized
                          : sub->isMinimized() ? State::Minimized
                                               : State::Normal;
      if (frame_->recordedState(m.calc) != shown)
        return QStringLiteral("recorded state of %1 is %2, the MDI area shows %3")
            .arg(m.window)
            .arg(int(frame_->recordedState(m.calc)))
            .arg(int(shown));
    }
    if (maximized > 1) return QStringLiteral("%1 children maximized").arg(maximized);
    QMdiSubWindow* max = maximizedSub();
    const QString title = frame_->windowTitle();
    if (max) {
      // The active child, or while another window is active, the one that will be again.
      if (frame_->mdiArea()->currentSubWindow() != max)
        return QStringLiteral("the maximized child %1 is not the current one")
            .arg(max->widget()->objectName());
      if (QApplication::activeWindow() == frame_.get() &&
          frame_->mdiArea()->activeSubWindow() != max)
        return QStringLiteral("the maximized child %1 is not the active one")
            .arg(max->widget()->objectName());
      if (frame_->mdiArea()->subWindowList(QMdiArea::StackingOrder).last() != max)
        return QStringLiteral("the maximized child %1 is not in front")
            .arg(max->widget()->objectName());
      const QString expected = QStringLiteral("Расчет - [%1]").arg(max->windowTitle());
      if (title != expected)
        return QStringLiteral("frame title %1, expected %2").arg(Shown(title), Shown(expected));
    } else if (title != QStringLiteral("Расчет")) {
      return QStringLiteral("frame title %1 with no child maximized").arg(Shown(title));
    }

    auto* box = model(Calc::Opt).form->findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
    if (box->isChecked() != wireMode_)
      return QStringLiteral("CheckBox1 is %1").arg(box->isChecked());
    const QString label6 =
        model(Calc::Opt).form->findChild<QLabel*>(QStringLiteral("Label6"))->text();
    const QString want6 = wireMode_ ? QStringLiteral("Диаметр провода d, [мм]")
                                    : QStringLiteral("Допустимое ослабление, [дБ]");
    if (label6 != want6) return QStringLiteral("Label6 reads %1 in this mode").arg(Shown(label6));

    if (App()->format().decimalSeparator != separator_)
      return QStringLiteral("the separator is not the locale's");
    if (std::memcmp(&state_, &cli_.state(), sizeof(CalcState)) != 0)
      return QStringLiteral(
          "the unit-level state differs from the case runner's after the same commands");
    if (QApplication::activeModalWidget())
      return QStringLiteral("a modal window is still open: %1")
          .arg(QApplication::activeModalWidget()->objectName());
    return QString();
  }

  // ---- the actions ----

  enum Kind {
    kType,
    kPaste,
    kClear,
    kEnter,
    kButtonClick,
    kButtonSpace,
    kMenu,
    kMenuByMouse,
    kModeClick,
    kModeSpace,
    kAbout,
    kHelp,
    kCloseHelp,
    kCloseRequest,
    kOptOwnControls,
    kNextChild,
    kClickChild,
    kLocale,
    kEscape,
    kKinds
  };

  Kind pickKind(Random& r) {
    static const int weights[kKinds] = {24, 8, 3, 10, 8, 2, 10, 2, 3, 2, 2, 2, 1, 3, 2, 2, 2, 1, 1};
    int total = 0;
    for (int w : weights) total += w;
    int x = r.below(total);
    for (int k = 0; k < kKinds; ++k) {
      if (x < weights[k]) return static_cast<Kind>(k);
      x -= weights[k];
    }
    return kType;
  }

  // Performs one action; returns what it was, and what it must lead to in *expected.
  QString act(Random& r, Expected* expected, bool* compute, Calc* target, bool* menu) {
    *compute = false;
    *menu = false;
    const std::vector<Calc> within = reachable();
    for (;;) {
      const Kind kind = pickKind(r);
      if (within.empty() && (kind <= kModeSpace || kind == kEscape) && kind != kMenu &&
          kind != kMenuByMouse)
        continue;
      const Calc calc = within.empty() ? Calc::Opt : within[r.below(int(within.size()))];
      CalcModel& m = model(calc);
      QString what;
      switch (kind) {
        case kType:
        case kPaste:
        case kClear: {
          const QString field = m.inputs[r.below(m.inputs.size())];
          const QString text = kind == kClear ? QString() : RandomText(r, sep());
          const bool paste = kind == kPaste || text.contains(QLatin1Char('\t')) || text.size() > 60;
          what = QStringLiteral("%1 %2 into %3.%4")
                     .arg(kind == kClear ? "clear"
                          : paste        ? "paste"
                                         : "type",
                          Shown(text), m.window, field);
          bringWithinReach(calc, what);
          QLineEdit* e = edit(m, field);
          QTest::mouseClick(e, Qt::LeftButton);
          QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
          if (text.isEmpty()) {
            QTest::keyClick(e, r.chance(50) ? Qt::Key_Delete : Qt::Key_Backspace);
          } else if (paste) {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
          } else {
            TypeText(e, text);
          }
          m.texts[field] = text;
          counts_[kind == kClear ? "clear" : paste ? "paste" : "type"]++;
          return what;
        }
        case kEnter:
        case kButtonClick:
        case kButtonSpace: {
          *compute = true;
          *target = calc;
          *expected = runOnCli(m);
          if (kind == kEnter) {
            const QStringList all = m.inputs + m.outputs;
            const QString field = all[r.below(all.size())];
            what = QStringLiteral("Enter in %1.%2").arg(m.window, field);
            bringWithinReach(calc, what);
            QTest::keyClick(edit(m, field), r.chance(80) ? Qt::Key_Return : Qt::Key_Enter);
            counts_["Enter"]++;
          } else if (kind == kButtonClick) {
            what = QStringLiteral("click %1.%2").arg(m.window, m.button->objectName());
            bringWithinReach(calc, what);
            QTest::mouseClick(m.button, Qt::LeftButton);
            counts_["button click"]++;
          } else {
            what = QStringLiteral("Space on %1.%2").arg(m.window, m.button->objectName());
            bringWithinReach(calc, what);
            m.button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(m.button, Qt::Key_Space);
            counts_["button Space"]++;
          }
          return what;
        }
        case kMenu:
        case kMenuByMouse: {
          const MenuEntry& e = kEntries[r.below(4)];
          *menu = true;
          *target = e.calc;
          lastChosen_ = e.calc;
          if (kind == kMenu) {
            what = QStringLiteral("menu %1").arg(e.action);
            action(e.action)->trigger();
            counts_["menu"]++;
          } else {
            what = QStringLiteral("menu %1 with the mouse").arg(e.action);
            actProblem_ = chooseWithMouse("optioner", e.action);
            counts_["menu by mouse"]++;
          }
          return what;
        }
        case kModeClick:
        case kModeSpace: {
          if (calc != Calc::Opt) continue;
          auto* box = m.form->findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
          what = kind == kModeClick ? QStringLiteral("click CheckBox1")
                                    : QStringLiteral("Space on CheckBox1");
          bringWithinReach(calc, what);
          if (kind == kModeClick) {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
          } else {
            box->setFocus(Qt::TabFocusReason);
            QTest::keyClick(box, Qt::Key_Space);
          }
          wireMode_ = !wireMode_;
          for (const QString& out : m.outputs) m.texts[out].clear();
          counts_["mode switch"]++;
          return what;
        }
        case kAbout: {
          expected->modals = {{ModalKind::About, QString()}};
          if (r.chance(70)) {
            what = QStringLiteral("About");
            action("About")->trigger();
          } else {
            what = QStringLiteral("About with the mouse");
            actProblem_ = chooseWithMouse("Helper", "About");
          }
          counts_["About"]++;
          return what;
        }
        case kHelp: {
          what = QStringLiteral("help");
          action("help")->trigger();
          counts_["help"]++;
          return what;
        }
        case kCloseHelp: {
          if (!frame_->helpViewer()->isVisible()) continue;
          frame_->helpViewer()->close();
          counts_["close help"]++;
          return QStringLiteral("close the help viewer");
        }
        case kCloseRequest: {
          const Calc any = kEntries[r.below(4)].calc;
          frame_->subWindow(any)->close();
          counts_["close request"]++;
          return QStringLiteral("close request on %1").arg(model(any).window);
        }
        case kOptOwnControls: {
          QMdiSubWindow* sub = frame_->subWindow(Calc::Opt);
          switch (r.below(3)) {
            case 0:
              sub->showNormal();
              what = QStringLiteral("Formopt restored by its own control");
              break;
            case 1:
              sub->showMinimized();
              what = QStringLiteral("Formopt minimized by its own control");
              break;
            default:
              sub->showMaximized();
              what = QStringLiteral("Formopt maximized by its own control");
              break;
          }
          counts_["Formopt's own controls"]++;
          return what;
        }
        case kNextChild: {
          frame_->mdiArea()->activateNextSubWindow();
          counts_["next child"]++;
          return QStringLiteral("the MDI area's switch to the next child");
        }
        case kClickChild: {
          if (maximizedSub()) continue;
          what = QStringLiteral("click on the child %1").arg(m.window);
          frame_->mdiArea()->setActiveSubWindow(frame_->subWindow(calc));
          counts_["click child"]++;
          return what;
        }
        case kLocale: {
          const Locale& l = kLocales[r.below(3)];
          qputenv("LC_ALL", l.name);
          QEvent change(QEvent::LocaleChange);
          QCoreApplication::sendEvent(App(), &change);
          separator_ = l.separator;
          counts_["locale change"]++;
          return QStringLiteral("locale changed to %1").arg(l.name);
        }
        case kEscape: {
          // Escape in a calculator field does nothing at all.
          const QStringList all = m.inputs + m.outputs;
          const QString field = all[r.below(all.size())];
          what = QStringLiteral("Escape in %1.%2").arg(m.window, field);
          bringWithinReach(calc, what);
          QTest::keyClick(edit(m, field), Qt::Key_Escape);
          counts_["Escape"]++;
          return what;
        }
        case kKinds:
          break;
      }
    }
  }

  // While Formopt's wire-diameter command walks, the user goes on: the frame, the other
  // calculators and Formopt's disabled controls (which must take nothing). At most two actions per
  // command; their modal windows are checked here and taken out of the command's own.
  void actDuringWalk(Random& r, ModalCloser& closer) {
    if (walkActions_ >= 2 || !r.chance(60)) return;
    ++walkActions_;
    const std::size_t before = closer.seen.size();
    std::vector<Modal> expectedModals;
    QString what;
    CalcModel& opt = model(Calc::Opt);
    switch (r.below(9)) {
      case 0: {
        const MenuEntry& e = kEntries[r.below(4)];
        action(e.action)->trigger();
        lastChosen_ = e.calc;
        what = QStringLiteral("menu %1").arg(e.action);
        break;
      }
      case 1: {
        const Calc any = kEntries[r.below(4)].calc;
        frame_->subWindow(any)->close();
        what = QStringLiteral("close request on %1").arg(model(any).window);
        break;
      }
      case 2:
        frame_->subWindow(Calc::Opt)->showMinimized();
        what = QStringLiteral("Formopt minimized by its own control");
        break;
      case 3:
        frame_->mdiArea()->activateNextSubWindow();
        what = QStringLiteral("switch to the next child");
        break;
      case 4: {
        // Formopt's controls are disabled: nothing typed arrives, no click does anything.
        QLineEdit* e = edit(opt, opt.inputs[r.below(opt.inputs.size())]);
        QTest::mouseClick(e, Qt::LeftButton);
        TypeText(e, QStringLiteral("7"));
        QTest::mouseClick(opt.button, Qt::LeftButton);
        auto* box = opt.form->findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        QTest::keyClick(edit(opt, opt.outputs[r.below(opt.outputs.size())]), Qt::Key_Return);
        what = QStringLiteral("type into %1, click start and CheckBox1, Enter in an output")
                   .arg(e->objectName());
        break;
      }
      case 5: {
        CalcModel& m = model(kEntries[r.chance(50) ? 1 : 3].calc);
        const QString field = m.inputs[r.below(m.inputs.size())];
        const QString text = GoodNumber(r, sep());
        QLineEdit* e = edit(m, field);
        QTest::mouseClick(e, Qt::LeftButton);
        QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
        TypeText(e, text);
        m.texts[field] = text;
        what = QStringLiteral("type %1 into %2.%3").arg(Shown(text), m.window, field);
        break;
      }
      case 6: {
        CalcModel& m = model(r.chance(50) ? Calc::Vitkmnogosl : Calc::IndOdnosl);
        const Expected e = runOnCli(m);
        expectedModals = e.modals;
        QTest::mouseClick(m.button, Qt::LeftButton);
        applyWrites(m, e);
        what = QStringLiteral("click %1.%2").arg(m.window, m.button->objectName());
        break;
      }
      case 7:
        expectedModals = {{ModalKind::About, QString()}};
        action("About")->trigger();
        what = QStringLiteral("About");
        break;
      default:
        action("help")->trigger();
        what = QStringLiteral("help");
        break;
    }
    const std::vector<Modal> seen(closer.seen.begin() + static_cast<std::ptrdiff_t>(before),
                                  closer.seen.end());
    closer.seen.resize(before);
    walkLog_ += QStringLiteral(" [while walking: %1]").arg(what);
    counts_["(during a walk)"]++;
    if (seen != expectedModals && actProblem_.isEmpty())
      actProblem_ = QStringLiteral("while walking, %1 showed %2, expected %3")
                        .arg(what, Describe(seen), Describe(expectedModals));
  }

  void applyWrites(CalcModel& m, const Expected& expected) {
    for (const auto& [name, value] : expected.writes) {
      m.texts[name] = value;
      m.writtenWith[name] = separator_;
    }
  }

  // Opens a menu of the menu bar with the mouse and clicks one of its entries.
  QString chooseWithMouse(const char* menuName, const char* actionName) {
    QMenuBar* bar = frame_->menuBar();
    auto* menu = frame_->findChild<QMenu*>(QString::fromLatin1(menuName));
    if (!menu) return QStringLiteral("no menu %1").arg(menuName);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, 1000))
      return QStringLiteral("menu %1 did not open").arg(menuName);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action(actionName)).center());
    if (menu->isVisible()) return QStringLiteral("menu %1 stayed open").arg(menuName);
    return QString();
  }

  QString checkAction(const QString& what, const Expected& expected, const std::vector<Modal>& seen,
                      bool compute, bool menu, Calc target) {
    (void)what;
    if (!actProblem_.isEmpty()) return actProblem_;
    if (seen != expected.modals)
      return QStringLiteral("modal windows %1, expected %2")
          .arg(Describe(seen), Describe(expected.modals));
    for (const Modal& m : seen)
      counts_[m.kind == ModalKind::ErrorBox ? "(error boxes)"
              : m.kind == ModalKind::Notice ? "(notices)"
                                            : "(About shown)"]++;
    if (compute) {
      CalcModel& m = model(target);
      if (!expected.writes.empty()) counts_["(computes that wrote)"]++;
      for (const auto& write : expected.writes)
        if (!m.outputs.contains(write.first))
          return QStringLiteral("the case runner wrote %1, not an output").arg(write.first);
      applyWrites(m, expected);
    }
    if (menu) {
      QMdiSubWindow* sub = frame_->subWindow(target);
      if (!sub->isMaximized() || frame_->mdiArea()->currentSubWindow() != sub)
        return QStringLiteral("the chosen calculator is not in front, maximized");
    }
    return QString();
  }

 private slots:
  void initTestCase() {
    seed_ = static_cast<unsigned long long>(EnvNumber("COILCALC_SESSION_SEED", kDefaultSeed));
    actionCount_ = static_cast<int>(EnvNumber("COILCALC_SESSION_ACTIONS", kDefaultActions));
    hangMs_ = EnvNumber("COILCALC_SESSION_HANG_S", kDefaultHangSeconds) * 1000;
    qInfo("random session: seed %llu, %d actions (COILCALC_SESSION_SEED, COILCALC_SESSION_ACTIONS)",
          seed_, actionCount_);
    separator_ = App()->format().decimalSeparator;
    previousHandler = qInstallMessageHandler(QuietPlatformWarnings);
  }

  void session() {
    // As main() builds it.
    frame_ = std::make_unique<Tmainform>(desktop_);
    frame_->createChildren(WindowServices{App()->format(), state_, desktop_});
    frame_->showCentred();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));

    for (const MenuEntry& e : kEntries) {
      CalcModel m;
      m.calc = e.calc;
      m.form = frame_->form(e.calc);
      m.window = m.form->objectName();
      m.calculator = FindCalculator(m.window.toStdString());
      QVERIFY2(m.calculator, qPrintable(m.window));
      for (const InputField& f : m.calculator->inputs) {
        m.inputs << QString::fromLatin1(f.control);
        m.texts[m.inputs.last()] = QString::fromUtf8(f.initialText);
      }
      for (const OutputField& f : m.calculator->outputs)
        m.outputs << QString::fromLatin1(f.control);
      for (const QString& out : m.outputs) m.texts[out] = QString();
      // Every text field of the window is modelled.
      QCOMPARE(m.form->findChildren<QLineEdit*>().size(), m.inputs.size() + m.outputs.size());
      const QList<QPushButton*> buttons = m.form->findChildren<QPushButton*>();
      QCOMPARE(buttons.size(), 1);
      m.button = buttons.first();
      calcs_.push_back(m);
    }

    Random random(seed_);
    ModalCloser closer(seed_);
    desktop_.duringWalk = [this, &random, &closer] { actDuringWalk(random, closer); };
    Watchdog watchdog(hangMs_);
    QElapsedTimer clock;
    clock.start();

    for (index_ = 0; index_ <= actionCount_; ++index_) {
      QString what = QStringLiteral("start");
      Expected expected;
      bool compute = false, menu = false;
      Calc target = Calc::IndOdnosl;
      closer.startAction();
      actProblem_.clear();
      walkLog_.clear();
      walkActions_ = 0;
      if (index_ > 0) {
        watchdog.beat(context(QStringLiteral("running")).toStdString());
        QElapsedTimer t;
        t.start();
        what = act(random, &expected, &compute, &target, &menu);
        if (t.elapsed() > slowestMs_) {
          slowestMs_ = t.elapsed();
          slowest_ = what;
        }
      }
      QCoreApplication::processEvents();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      recent_.push_back(QStringLiteral("#%1 %2%3").arg(index_).arg(what, walkLog_));
      if (recent_.size() > 8) recent_.pop_front();

      QString problem = closer.problems.isEmpty() ? QString() : closer.problems.join("; ");
      if (problem.isEmpty()) problem = checkEventLoop();
      if (problem.isEmpty())
        problem = checkAction(what, expected, closer.seen, compute, menu, target);
      if (problem.isEmpty()) problem = checkFields();
      if (problem.isEmpty()) problem = checkFrame();
      if (!problem.isEmpty()) QFAIL(qPrintable(context(problem)));
    }
    watchdog.beat("finishing");
    desktop_.duringWalk = nullptr;

    QStringList summary;
    for (const auto& [name, n] : counts_) summary << QStringLiteral("%1 %2").arg(name).arg(n);
    qInfo("random session: %d actions in %lld ms; slowest %lld ms (%s)\n  %s", actionCount_,
          static_cast<long long>(clock.elapsed()), slowestMs_, qPrintable(slowest_),
          qPrintable(summary.join(", ")));

    // After all that, "Закрыть" still ends the event loop at once with code 0.
    QTimer::singleShot(0, this, [this] { action("Closer")->trigger(); });
    QTimer::singleShot(5000, this, [] { QCoreApplication::exit(7); });
    QCOMPARE(QCoreApplication::exec(), 0);
    frame_.reset();
  }
};

int main(int argc, char** argv) {
  // Start with the decimal comma; the session changes the locale now and then.
  qputenv("LC_ALL", "ru_RU.UTF-8");
  CoilApplication app(argc, argv);
  RandomSessionTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "randomsession_test.moc"
