// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The four calculator windows on the offscreen platform: their layouts as built from the .ui
// files, Enter pressing the compute button, the mode switch of Formopt, its notice and the
// controls it disables meanwhile, faults leaving the outputs alone, the names a screen reader
// gives the controls, and the field adapter.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <stdexcept>
#include <tuple>
#include <vector>

#include "app/coilstyle.h"
#include "calc/calculators.h"
#include "numtext/errors.h"
#include "tests/support/countingpump.h"
#include "windows/formindmnogosl.h"
#include "windows/formindodnosl.h"
#include "windows/formopt.h"
#include "windows/formvitkmnogosl.h"
#include "windows/qtfields.h"

namespace {

struct Services {
  FormatSettings format{U','};
  CalcState state;
  CountingPump pump;
  WindowServices services{format, state, pump};
};

std::unique_ptr<QWidget> MakeWindow(const QString& name, const WindowServices& services) {
  if (name == "FormIndOdnosl") return std::make_unique<TFormIndOdnosl>(services);
  if (name == "FormIndMnogosl") return std::make_unique<TFormIndMnogosl>(services);
  if (name == "FormVitkmnogosl") return std::make_unique<TFormVitkmnogosl>(services);
  if (name == "Formopt") return std::make_unique<TFormopt>(services);
  return nullptr;
}

template <class W = QWidget>
W* Child(QWidget& window, const char* name) {
  W* w = window.findChild<W*>(QString::fromUtf8(name));
  if (!w) qFatal("no control %s in %s", name, qPrintable(window.objectName()));
  return w;
}

// The caption or text a control shows; empty for a picture.
QString Caption(QWidget* w) {
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  return QStringLiteral("?");
}

// Closes every modal window that opens (the notice or the error box) and records its message,
// after running a probe while it is open.
class NoticeCloser : public QObject {
 public:
  explicit NoticeCloser(std::function<void()> whileOpen = {}) : whileOpen_(std::move(whileOpen)) {
    connect(&timer_, &QTimer::timeout, this, [this] { closeOpenNotice(); });
    timer_.start(5);
  }
  QStringList texts;

 private:
  void closeOpenNotice() {
    QWidget* modal = QApplication::activeModalWidget();
    auto* dialog = qobject_cast<QDialog*>(modal);
    if (!dialog || !dialog->isVisible() || seen_.contains(dialog)) return;
    seen_.append(dialog);
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
      texts.append(box->text());
    } else {
      auto* message = dialog->findChild<QLabel*>(QStringLiteral("Message"));
      texts.append(message ? message->text() : QStringLiteral("<no message label>"));
    }
    if (whileOpen_) whileOpen_();
    dialog->reject();
  }
  std::function<void()> whileOpen_;
  QList<QPointer<QDialog>> seen_;
  QTimer timer_;
};

// A label as wide as its text (the advance, rounded up to whole pixels).
bool FitsText(const QLabel& label) {
  const qreal advance = QFontMetricsF(label.font()).horizontalAdvance(label.text());
  return label.width() >= advance && label.width() <= advance + 1;
}

// The window's compute slot, called directly: its errors escape.
void CallComputeSlot(QWidget& w) {
  if (auto* f = qobject_cast<TFormIndOdnosl*>(&w)) return f->BitBtn1Click();
  if (auto* f = qobject_cast<TFormIndMnogosl*>(&w)) return f->BitBtn1Click();
  if (auto* f = qobject_cast<TFormVitkmnogosl*>(&w)) return f->startClick();
  if (auto* f = qobject_cast<TFormopt*>(&w)) return f->startClick();
  qFatal("not a calculator window");
}

struct Control {
  const char* name;
  const char* parent;
  QRect geometry;
  const char* caption;  // nullptr for the picture
};

struct WindowLayout {
  const char* name;
  const char* className;
  const char* title;
  std::vector<Control> controls;
  std::vector<const char*> tabOrder;
  const char* button;
  QSize picture;
};

const std::vector<WindowLayout>& Layouts() {
  static const std::vector<WindowLayout> layouts = {
      {"FormIndOdnosl",
       "TFormIndOdnosl",
       "индуктивности однослойной катушки",
       {
           {"VvodN", "FormIndOdnosl", {16, 32, 57, 21}, "5"},
           {"Vvodd", "FormIndOdnosl", {16, 72, 57, 21}, "4"},
           {"Vvodl", "FormIndOdnosl", {16, 112, 57, 21}, "10"},
           {"Vivodind", "FormIndOdnosl", {16, 224, 121, 21}, ""},
           {"BitBtn1", "FormIndOdnosl", {360, 248, 89, 25}, "Вычислить"},
           {"GroupBox1", "FormIndOdnosl", {8, 8, 489, 185}, "Исходные данные"},
           {"Label1", "GroupBox1", {80, 32, 84, 13}, "Число витков, N"},
           {"Label2", "GroupBox1", {80, 72, 85, 13}, "Диаметр, D [мм]"},
           {"Label3", "GroupBox1", {80, 112, 66, 13}, "Длина, l [мм]"},
           {"Image1", "GroupBox1", {272, 16, 185, 127}, nullptr},
           {"GroupBox2", "FormIndOdnosl", {8, 200, 489, 113}, "Результат"},
           {"Label4", "GroupBox2", {144, 32, 115, 13}, "Индуктивность, [мкГн]"},
       },
       {"VvodN", "Vvodd", "Vvodl", "Vivodind", "BitBtn1"},
       "BitBtn1",
       {188, 131}},
      {"FormIndMnogosl",
       "TFormIndMnogosl",
       "индуктивности многослойной катушки",
       {
           {"vvodDbn", "FormIndMnogosl", {16, 32, 65, 21}, "1"},
           {"GroupBox1", "FormIndMnogosl", {8, 16, 489, 185}, "Исходные данные"},
           {"Label1", "GroupBox1", {88, 24, 154, 13}, "Внутренний диаметр, Dвн [см]"},
           {"Image1", "GroupBox1", {288, 8, 192, 172}, nullptr},
           {"Label2", "GroupBox1", {88, 64, 110, 13}, "Длина намотки l, [см]"},
           {"Label3", "GroupBox1", {88, 104, 132, 13}, "Толщина намотки, Dr [см]"},
           {"Label4", "GroupBox1", {88, 144, 70, 13}, "Число витков"},
           {"VvodL", "GroupBox1", {8, 56, 65, 21}, "5"},
           {"vvodDr", "GroupBox1", {8, 96, 65, 21}, "2"},
           {"vvodN", "GroupBox1", {8, 136, 65, 21}, "805"},
           {"GroupBox2", "FormIndMnogosl", {8, 208, 489, 105}, "Результат"},
           {"Label5", "GroupBox2", {136, 32, 32, 13}, "[мкГн]"},
           {"Vivod", "GroupBox2", {8, 24, 121, 21}, ""},
           {"BitBtn1", "GroupBox2", {328, 40, 89, 25}, "Вычислить"},
       },
       {"vvodDbn", "VvodL", "vvodDr", "vvodN", "Vivod", "BitBtn1"},
       "BitBtn1",
       {192, 172}},
      {"FormVitkmnogosl",
       "TFormVitkmnogosl",
       "витков многослойной катушки",
       {
           {"GroupBox1", "FormVitkmnogosl", {8, 16, 489, 185}, "Исходные данные"},
           {"Label5", "GroupBox1", {88, 24, 157, 13}, "Внутренний диаметр, Dвн, [см]"},
           {"Label6", "GroupBox1", {88, 64, 110, 13}, "Длина намотки l, [см]"},
           {"Label7", "GroupBox1", {88, 104, 119, 13}, "Диаметр провода, [мм]"},
           {"Label8", "GroupBox1", {88, 144, 172, 13}, "Требуемая индуктивность, [мкГн]"},
           {"Image1", "GroupBox1", {288, 8, 192, 172}, nullptr},
           {"vvoddbn", "FormVitkmnogosl", {16, 32, 65, 21}, "1"},
           {"vvodl", "FormVitkmnogosl", {16, 72, 65, 21}, "5"},
           {"vvodd", "FormVitkmnogosl", {16, 112, 65, 21}, "1"},
           {"vvodLL", "FormVitkmnogosl", {16, 152, 65, 21}, "2500"},
           {"GroupBox2", "FormVitkmnogosl", {8, 208, 489, 105}, "Результат"},
           {"Label1", "GroupBox2", {144, 32, 84, 13}, "Число витков, N"},
           {"Label2", "GroupBox2", {144, 72, 132, 13}, "Толщина намотки, Dr [см]"},
           {"vivodN", "GroupBox2", {8, 24, 121, 21}, ""},
           {"vivodDr", "GroupBox2", {8, 64, 121, 21}, ""},
           {"start", "GroupBox2", {344, 64, 89, 25}, "Вычислить"},
       },
       {"vvoddbn", "vvodl", "vvodd", "vvodLL", "vivodN", "vivodDr", "start"},
       "start",
       {192, 172}},
      {"Formopt",
       "TFormopt",
       "Оптимальных размеров многослойной катушки",
       {
           {"GroupBox1", "Formopt", {8, 16, 489, 185}, "Исходные данные"},
           {"Label5", "GroupBox1", {88, 24, 172, 13}, "Требуемая индуктивность, [мкГн]"},
           {"Label6", "GroupBox1", {88, 64, 151, 13}, "Допустимое ослабление, [дБ]"},
           {"Label7", "GroupBox1", {88, 104, 155, 13}, "Сопротивление нагрузки, [Ом]"},
           {"Image1", "GroupBox1", {288, 8, 192, 172}, nullptr},
           {"CheckBox1",
            "GroupBox1",
            {8, 144, 273, 17},
            "Оптимизировать под заданный диаметр провода"},
           {"vvodLind", "Formopt", {16, 32, 65, 21}, "5100"},
           {"vvodNdb", "Formopt", {16, 72, 65, 21}, "1"},
           {"vvodRn", "Formopt", {16, 112, 65, 21}, "8"},
           {"GroupBox2", "Formopt", {8, 208, 489, 105}, "Результат"},
           {"vivodDr", "GroupBox2", {8, 24, 73, 21}, ""},
           {"Label1", "GroupBox2", {96, 32, 37, 13}, "Dr, [см]"},
           {"vivodDbn", "GroupBox2", {8, 64, 73, 21}, ""},
           {"Label2", "GroupBox2", {96, 72, 46, 13}, "Dвн, [см]"},
           {"start", "GroupBox2", {392, 64, 89, 25}, "Вычислить"},
           {"vivodL", "GroupBox2", {152, 24, 73, 21}, ""},
           {"Label4", "GroupBox2", {240, 32, 28, 13}, "l, [см]"},
           {"VivodN", "GroupBox2", {152, 64, 73, 21}, ""},
           {"Label9", "GroupBox2", {240, 72, 43, 13}, "N, [витк]"},
           {"vivodd", "GroupBox2", {280, 24, 73, 21}, ""},
           {"Label10", "GroupBox2", {368, 32, 34, 13}, "d, [мм]"},
       },
       {"CheckBox1", "vvodLind", "vvodNdb", "vvodRn", "vivodDr", "vivodDbn", "start", "vivodL",
        "VivodN", "vivodd"},
       "start",
       {192, 172}},
  };
  return layouts;
}

// The defaults of each window and what its compute command shows for them.
struct Expected {
  const char* output;
  const char* text;
};
struct DefaultResult {
  const char* window;
  std::vector<Expected> outputs;
};

const std::vector<DefaultResult>& DefaultResults() {
  static const std::vector<DefaultResult> results = {
      {"FormIndOdnosl", {{"Vivodind", "0,0333898305084746"}}},
      {"FormIndMnogosl", {{"Vivod", "6206,59079391892"}}},
      {"FormVitkmnogosl", {{"vivodN", "629,589999999572"}, {"vivodDr", "1,25917999999914"}}},
      {"Formopt",
       {{"vivodDr", "2,45631146302557"},
        {"vivodDbn", "4,91262292605114"},
        {"vivodL", "2,45631146302557"},
        {"VivodN", "286,457205314841"},
        {"vivodd", "1,22053308257263"}}},
  };
  return results;
}

// Each text field, the label it is spoken of by and the name if not the label's text; Formopt
// in both modes.
struct FieldLabel {
  const char* field;
  const char* label;
  const char* name = nullptr;
};
const std::vector<FieldLabel> kOptLabels = {
    {"vvodLind", "Label5"}, {"vvodNdb", "Label6"}, {"vvodRn", "Label7"}, {"vivodDr", "Label1"},
    {"vivodDbn", "Label2"}, {"vivodL", "Label4"},  {"VivodN", "Label9"}, {"vivodd", "Label10"}};
const std::tuple<const char*, bool, std::vector<FieldLabel>> kLabelled[] = {
    {"FormIndOdnosl",
     false,
     {{"VvodN", "Label1"}, {"Vvodd", "Label2"}, {"Vvodl", "Label3"}, {"Vivodind", "Label4"}}},
    {"FormIndMnogosl",
     false,
     {{"vvodDbn", "Label1"},
      {"VvodL", "Label2"},
      {"vvodDr", "Label3"},
      {"vvodN", "Label4"},
      {"Vivod", "Label5", "Индуктивность, [мкГн]"}}},  // Label5: the unit
    {"FormVitkmnogosl",
     false,
     {{"vvoddbn", "Label5"},
      {"vvodl", "Label6"},
      {"vvodd", "Label7"},
      {"vvodLL", "Label8"},
      {"vivodN", "Label1"},
      {"vivodDr", "Label2"}}},
    {"Formopt", false, kOptLabels},
    {"Formopt", true, kOptLabels},
};

const char* const kOptOutputs[] = {"vivodDr", "vivodDbn", "vivodL", "VivodN", "vivodd"};
const char* const kOptBusyControls[] = {"CheckBox1", "vvodLind", "vvodNdb", "vvodRn", "start"};

// The wire-diameter mode at the defaults (5100 µH, 1 mm, 8 Ω).
const std::vector<Expected> kWireDefaults = {
    {"vivodDr", "2,09570315465105"}, {"vivodDbn", "4,1914063093021"},
    {"vivodL", "2,09570315465105"},  {"VivodN", "1,34596426125208"},
    {"vivodd", "310,124862368356"},
};

}  // namespace

class CalcWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void layout();
  void initialInputsAreTheCalculatorTable();
  void look();
  void captionsFitTheirControls();
  void tabOrder();
  void pictureAndGlyph();
  void groupBoxesFrameTheirControls();
  void enterInEveryFieldPressesTheButton();
  void faultLeavesOutputsUnchanged();
  void optModeSwitchByMouseAndSpace();
  void optHints();
  void controlsAreNamedByTheirLabels();
  void optWireModeNoticeAndDisabledControls();
  void optControlsComeBackAfterFault();
  void fieldsAdapter();
};

void CalcWindowsTest::layout() {
  Services s;
  for (const WindowLayout& l : Layouts()) {
    std::unique_ptr<QWidget> w = MakeWindow(l.name, s.services);
    QVERIFY(w);
    QCOMPARE(w->objectName(), QString(l.name));
    QCOMPARE(w->metaObject()->className(), l.className);
    QCOMPARE(w->windowTitle(), QString::fromUtf8(l.title));
    for (const Control& c : l.controls) {
      QWidget* control = Child(*w, c.name);
      const QByteArray where = QByteArray(l.name) + "." + c.name;
      QVERIFY2(control->parentWidget(), where);
      QCOMPARE(control->parentWidget()->objectName(), QString(c.parent));
      QVERIFY2(control->geometry() == c.geometry, where + ": " + QByteArray::number(control->x()) +
                                                      "," + QByteArray::number(control->y()) + " " +
                                                      QByteArray::number(control->width()) + "x" +
                                                      QByteArray::number(control->height()));
      if (c.caption) QCOMPARE(Caption(control), QString::fromUtf8(c.caption));
    }
    // Fields and buttons lie over the group boxes, so the mouse reaches them.
    for (QWidget* control : w->findChildren<QWidget*>()) {
      if (!qobject_cast<QLineEdit*>(control) && !qobject_cast<QAbstractButton*>(control)) continue;
      const QPoint centre = control->mapTo(w.get(), control->rect().center());
      QWidget* hit = w->childAt(centre);
      QVERIFY2(hit == control || control->isAncestorOf(hit), qPrintable(control->objectName()));
    }
    // Outputs are ordinary editable fields.
    for (QLineEdit* e : w->findChildren<QLineEdit*>()) {
      QVERIFY2(!e->isReadOnly(), qPrintable(e->objectName()));
    }
    // Every control fits in the window.
    for (QWidget* child : w->findChildren<QWidget*>()) {
      QVERIFY2(w->rect().contains(QRect(child->mapTo(w.get(), QPoint(0, 0)), child->size())),
               qPrintable(child->objectName()));
    }
  }
}

void CalcWindowsTest::initialInputsAreTheCalculatorTable() {
  // The command-line front end starts from the same texts as the windows.
  Services s;
  for (const Calculator& calc : Calculators()) {
    std::unique_ptr<QWidget> w = MakeWindow(calc.window, s.services);
    QVERIFY2(w, calc.window);
    for (const InputField& in : calc.inputs) {
      QCOMPARE(Child<QLineEdit>(*w, in.control)->text(), QString::fromUtf8(in.initialText));
    }
    for (const OutputField& out : calc.outputs)
      QVERIFY(Child<QLineEdit>(*w, out.control)->text().isEmpty());
    // Every text field of the window is in the table.
    QCOMPARE(w->findChildren<QLineEdit*>().size(),
             qsizetype(calc.inputs.size() + calc.outputs.size()));
    if (calc.modeSwitch) QVERIFY(!Child<QCheckBox>(*w, calc.modeSwitch->control)->isChecked());
  }
}

void CalcWindowsTest::look() {
  Services s;
  for (const WindowLayout& l : Layouts()) {
    std::unique_ptr<QWidget> w = MakeWindow(l.name, s.services);
    QCOMPARE(w->font().families().value(0), QStringLiteral("MS Sans Serif"));
    QCOMPARE(w->font().pointSize(), 8);
    QCOMPARE(w->font().styleHint(), QFont::SansSerif);
    QCOMPARE(Child(*w, "GroupBox1")->font().styleHint(), QFont::SansSerif);
    QCOMPARE(w->backgroundRole(), QPalette::Button);
    QVERIFY(w->autoFillBackground());
  }
}

void CalcWindowsTest::captionsFitTheirControls() {
  // The layouts fit the design font and the fonts of its widths; any installed one is used.
  const QStringList sameWidths = {"MS Sans Serif", "Arial",       "Liberation Sans",
                                  "Arimo",         "Nimbus Sans", "Helvetica"};
  const auto isSameWidths = [&](const QString& family) {
    return std::any_of(sameWidths.begin(), sameWidths.end(),
                       [&](const QString& f) { return family.startsWith(f); });
  };
  const QStringList installed = QFontDatabase::families();
  if (std::none_of(installed.begin(), installed.end(), isSameWidths)) {
    QSKIP("no font with the widths of the design font is installed");
  }
  Services s;
  for (const WindowLayout& l : Layouts()) {
    std::unique_ptr<QWidget> w = MakeWindow(l.name, s.services);
    const QString family = QFontInfo(w->font()).family();
    QVERIFY2(isSameWidths(family), qPrintable(family));
    for (QLabel* label : w->findChildren<QLabel*>()) {
      if (label->text().isEmpty()) continue;  // the picture
      const qreal text = QFontMetricsF(label->font()).horizontalAdvance(label->text());
      QVERIFY2(text <= label->width() + 2, qPrintable(label->objectName()));
    }
    for (QPushButton* button : w->findChildren<QPushButton*>()) {
      QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->objectName()));
    }
    for (QCheckBox* box : w->findChildren<QCheckBox*>()) {
      const QStyle* style = box->style();
      const qreal needed = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                           style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box) +
                           QFontMetricsF(box->font()).horizontalAdvance(box->text());
      QVERIFY2(needed <= box->width(), qPrintable(box->objectName()));
    }
  }
  // The longest mode caption still ends before the compute button.
  TFormopt opt(s.services);
  QTest::mouseClick(Child(opt, "CheckBox1"), Qt::LeftButton);
  QVERIFY(Child(opt, "Label9")->geometry().right() < Child(opt, "start")->x());
  QVERIFY(Child(opt, "Label6")->geometry().right() < Child(opt, "Image1")->x());
}

void CalcWindowsTest::tabOrder() {
  Services s;
  for (const WindowLayout& l : Layouts()) {
    std::unique_ptr<QWidget> w = MakeWindow(l.name, s.services);
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    // The window's first control takes the focus when the window becomes active.
    QWidget* first = Child(*w, l.tabOrder.front());
    QTRY_VERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), first->objectName());
    QStringList visited{first->objectName()};
    for (size_t i = 0; i < l.tabOrder.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited.append(QApplication::focusWidget()->objectName());
    }
    QStringList expected;
    for (const char* name : l.tabOrder) expected.append(name);
    expected.append(l.tabOrder.front());  // and round again
    QCOMPARE(visited, expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString(l.tabOrder.back()));
  }
}

void CalcWindowsTest::pictureAndGlyph() {
  Services s;
  for (const WindowLayout& l : Layouts()) {
    std::unique_ptr<QWidget> w = MakeWindow(l.name, s.services);
    auto* image = Child<QLabel>(*w, "Image1");
    const QPixmap picture = image->pixmap();
    QVERIFY2(!picture.isNull(), l.name);
    QCOMPARE(picture.size(), l.picture);
    QVERIFY(!image->hasScaledContents());
    QCOMPARE(image->alignment() & (Qt::AlignLeft | Qt::AlignTop), Qt::AlignLeft | Qt::AlignTop);
    auto* button = Child<QPushButton>(*w, l.button);
    QVERIFY2(!button->icon().pixmap(QSize(16, 16)).isNull(), l.name);
  }
}

void CalcWindowsTest::groupBoxesFrameTheirControls() {
  // Under both styles each title lies on its frame's top line, and every control over a group
  // box lies inside the frame's two-pixel etched line, clear of the title.
  Services s;
  for (const char* styleName : {"fusion", "windows"}) {
    CoilStyle style(QString::fromLatin1(styleName));
    const auto rect = [&style](const QStyleOptionGroupBox& o, QStyle::SubControl sc, QWidget* b) {
      return style.subControlRect(QStyle::CC_GroupBox, &o, sc, b);
    };
    for (const WindowLayout& l : Layouts()) {
      std::unique_ptr<QWidget> w = MakeWindow(l.name, s.services);
      for (QGroupBox* box : w->findChildren<QGroupBox*>()) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.lineWidth = 1;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect frame = rect(option, QStyle::SC_GroupBoxFrame, box);
        const QRect title = rect(option, QStyle::SC_GroupBoxLabel, box);
        const QByteArray where =
            QByteArray(styleName) + " " + l.name + "." + box->objectName().toLatin1();
        QVERIFY2(title.top() < frame.top() && frame.top() < title.bottom() &&
                     title.left() > frame.left() + 2,
                 where);
        for (QWidget* control : w->findChildren<QWidget*>()) {
          const QRect r(control->mapTo(w.get(), QPoint()) - box->mapTo(w.get(), QPoint()),
                        control->size());
          if (control == box || !r.intersects(box->rect())) continue;
          QVERIFY2(frame.adjusted(2, 2, -2, -2).contains(r) && !r.intersects(title),
                   where + " " + control->objectName().toLatin1());
        }
      }
    }
  }
}

void CalcWindowsTest::enterInEveryFieldPressesTheButton() {
  for (const DefaultResult& r : DefaultResults()) {
    Services s;
    std::unique_ptr<QWidget> w = MakeWindow(r.window, s.services);
    w->show();
    for (QLineEdit* field : w->findChildren<QLineEdit*>()) {
      for (const Expected& out : r.outputs) Child<QLineEdit>(*w, out.output)->clear();
      QTest::keyClick(field, Qt::Key_Return);
      for (const Expected& out : r.outputs) {
        QVERIFY2(Child<QLineEdit>(*w, out.output)->text() == QString::fromUtf8(out.text),
                 qPrintable(QStringLiteral("%1: Enter in %2 -> %3 = '%4'")
                                .arg(r.window, field->objectName(), out.output,
                                     Child<QLineEdit>(*w, out.output)->text())));
      }
    }
    // The keypad's Enter as well, and a mouse click on the button.
    QLineEdit* first = w->findChildren<QLineEdit*>().front();
    for (const Expected& out : r.outputs) Child<QLineEdit>(*w, out.output)->clear();
    QTest::keyClick(first, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(Child<QLineEdit>(*w, r.outputs.front().output)->text(),
             QString::fromUtf8(r.outputs.front().text));
    const char* button =
        r.window == QByteArray("FormIndOdnosl") || r.window == QByteArray("FormIndMnogosl")
            ? "BitBtn1"
            : "start";
    for (const Expected& out : r.outputs) Child<QLineEdit>(*w, out.output)->clear();
    QTest::mouseClick(Child(*w, button), Qt::LeftButton);
    QCOMPARE(Child<QLineEdit>(*w, r.outputs.front().output)->text(),
             QString::fromUtf8(r.outputs.front().text));
  }
}

void CalcWindowsTest::faultLeavesOutputsUnchanged() {
  struct Case {
    const char* window;
    const char* field;
    const char* text;
  };
  // Each bad field is the first one its command reads.
  const Case cases[] = {
      {"FormIndOdnosl", "Vvodd", "4x"},
      {"FormIndMnogosl", "vvodDbn", "abc"},
      {"FormVitkmnogosl", "vvoddbn", "1.5"},
      {"Formopt", "vvodLind", ""},
  };
  for (const Case& c : cases) {
    Services s;
    std::unique_ptr<QWidget> w = MakeWindow(c.window, s.services);
    const DefaultResult* r = nullptr;
    for (const DefaultResult& d : DefaultResults()) {
      if (d.window == QByteArray(c.window)) r = &d;
    }
    QVERIFY(r);
    for (const Expected& out : r->outputs) Child<QLineEdit>(*w, out.output)->setText("earlier");
    Child<QLineEdit>(*w, c.field)->setText(QString::fromUtf8(c.text));
    bool raised = false;
    try {
      CallComputeSlot(*w);
    } catch (const EConvertError& e) {
      raised = true;
      QCOMPARE(QString::fromUtf8(e.what()),
               QStringLiteral("'%1' is not a valid floating point value")
                   .arg(QString::fromUtf8(c.text)));
    }
    QVERIFY2(raised, c.window);
    for (const Expected& out : r->outputs) {
      QCOMPARE(Child<QLineEdit>(*w, out.output)->text(), QStringLiteral("earlier"));
    }
    QCOMPARE(Child<QLineEdit>(*w, c.field)->text(), QString::fromUtf8(c.text));

    // From the keyboard the same error ends in the error box, and the window goes on.
    w->show();
    NoticeCloser closer;
    QTest::keyClick(Child(*w, c.field), Qt::Key_Return);
    QCOMPARE(closer.texts, QStringList{QStringLiteral("'%1' is not a valid floating point value.")
                                           .arg(QString::fromUtf8(c.text))});
    for (const Expected& out : r->outputs) {
      QCOMPARE(Child<QLineEdit>(*w, out.output)->text(), QStringLiteral("earlier"));
    }

    // Corrected, the field gives the default result again.
    const Calculator* calc = FindCalculator(c.window);
    QVERIFY(calc);
    for (const InputField& in : calc->inputs) {
      if (in.control == QByteArray(c.field)) {
        Child<QLineEdit>(*w, c.field)->setText(QString::fromUtf8(in.initialText));
      }
    }
    QTest::keyClick(Child(*w, c.field), Qt::Key_Return);
    for (const Expected& out : r->outputs) {
      QCOMPARE(Child<QLineEdit>(*w, out.output)->text(), QString::fromUtf8(out.text));
    }
  }
}

void CalcWindowsTest::optModeSwitchByMouseAndSpace() {
  struct Captions {
    const char* label6;
    const char* label9;
    const char* label10;
  };
  const Captions attenuation{"Допустимое ослабление, [дБ]", "N, [витк]", "d, [мм]"};
  const Captions wire{"Диаметр провода d, [мм]", "Вносимое ослабление, [дБ]", "N, [витк]"};

  Services s;
  TFormopt w(s.services);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  auto* box = Child<QCheckBox>(w, "CheckBox1");
  const QRect label9Before = Child(w, "Label9")->geometry();

  const auto checkCaptions = [&](const Captions& c) {
    const std::pair<const char*, const char*> labels[] = {
        {"Label6", c.label6}, {"Label9", c.label9}, {"Label10", c.label10}};
    for (const auto& [name, caption] : labels) {
      auto* label = Child<QLabel>(w, name);
      QCOMPARE(label->text(), QString::fromUtf8(caption));
      // The label takes the width of its new text and keeps its place and height.
      QVERIFY2(FitsText(*label), name);
    }
    QCOMPARE(Child(w, "Label9")->pos(), label9Before.topLeft());
    QCOMPARE(Child(w, "Label9")->height(), label9Before.height());
  };
  const auto fillOutputs = [&] {
    for (const char* out : kOptOutputs) Child<QLineEdit>(w, out)->setText("x");
  };
  const auto outputsEmpty = [&] {
    for (const char* out : kOptOutputs) {
      if (!Child<QLineEdit>(w, out)->text().isEmpty()) return false;
    }
    return true;
  };

  // Mouse: to the wire-diameter mode.
  fillOutputs();
  QTest::mouseClick(box, Qt::LeftButton);
  QVERIFY(box->isChecked());
  QVERIFY(outputsEmpty());
  checkCaptions(wire);
  QVERIFY(Child(w, "Label9")->width() > label9Before.width());            // a longer caption
  QCOMPARE(Child<QLineEdit>(w, "vvodNdb")->text(), QStringLiteral("1"));  // inputs stay

  // The input "1" now means 1 mm of wire.
  NoticeCloser closer;
  QTest::keyClick(Child(w, "vvodNdb"), Qt::Key_Return);
  for (const Expected& out : kWireDefaults) {
    QCOMPARE(Child<QLineEdit>(w, out.output)->text(), QString::fromUtf8(out.text));
  }

  // Space: back to the attenuation mode; the results do not come back.
  QTest::keyClick(box, Qt::Key_Space);
  QVERIFY(!box->isChecked());
  QVERIFY(outputsEmpty());
  checkCaptions(attenuation);

  // The Toggle of the accessibility bus is the user's switch as well, both ways.
  for (const Captions* mode : {&wire, &attenuation}) {
    fillOutputs();
    QAccessible::queryAccessibleInterface(box)->actionInterface()->doAction(
        QAccessibleActionInterface::toggleAction());
    QVERIFY(outputsEmpty());
    checkCaptions(*mode);
  }

  // A change by the program is no user's switch.
  fillOutputs();
  box->setChecked(true);
  QVERIFY(!outputsEmpty());
  QCOMPARE(Child<QLabel>(w, "Label6")->text(), QString::fromUtf8(attenuation.label6));
}

void CalcWindowsTest::optHints() {
  Services s;
  TFormopt w(s.services);
  for (QWidget* child : w.findChildren<QWidget*>()) {
    const QString expected =
        child->objectName() == "Label10" ? QStringLiteral("Диаметр провода") : QString();
    QCOMPARE(child->toolTip(), expected);
  }
  QVERIFY(w.toolTip().isEmpty());
}

void CalcWindowsTest::controlsAreNamedByTheirLabels() {
  Services s;
  const auto nameOf = [](QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
  };
  for (const auto& [window, wireMode, fields] : kLabelled) {
    std::unique_ptr<QWidget> w = MakeWindow(window, s.services);
    if (wireMode) QTest::mouseClick(Child(*w, "CheckBox1"), Qt::LeftButton);
    QCOMPARE(w->findChildren<QLineEdit*>().size(), qsizetype(fields.size()));
    for (const FieldLabel& f : fields) {
      const auto* label = Child<QLabel>(*w, f.label);
      QVERIFY2(label->buddy() == Child(*w, f.field), f.label);
      QCOMPARE(nameOf(Child(*w, f.field)), f.name ? QString::fromUtf8(f.name) : label->text());
    }
    QStringList names;  // every control the keyboard reaches has a name of its own
    for (QWidget* control : w->findChildren<QWidget*>()) {
      if (control->focusPolicy() == Qt::NoFocus) continue;
      QVERIFY2(!nameOf(control).isEmpty() && !names.contains(nameOf(control)), window);
      names.append(nameOf(control));
    }
  }
}

void CalcWindowsTest::optWireModeNoticeAndDisabledControls() {
  Services s;
  TFormopt w(s.services);
  w.show();
  QTest::mouseClick(Child(w, "CheckBox1"), Qt::LeftButton);
  QVERIFY(Child<QCheckBox>(w, "CheckBox1")->isChecked());

  QStringList enabledWhileBusy;
  const auto recordEnabled = [&] {
    for (const char* name : kOptBusyControls) {
      if (Child(w, name)->isEnabled()) enabledWhileBusy.append(name);
    }
  };
  s.pump.probe = recordEnabled;
  bool outputsOnOpen = true;
  NoticeCloser closer([&] {
    recordEnabled();
    // The notice comes before the results are written.
    for (const char* out : kOptOutputs) outputsOnOpen &= Child<QLineEdit>(w, out)->text().isEmpty();
  });

  for (int run = 1; run <= 2; ++run) {
    s.pump.passes = 0;
    QTest::keyClick(Child(w, "vvodRn"), Qt::Key_Return);
    QCOMPARE(closer.texts.size(), run);  // the notice on every command
    QCOMPARE(closer.texts.back(), QStringLiteral("5,51500830171328"));
    QVERIFY(s.pump.passes >= 2);  // both walks handed events to the pump
    for (const Expected& out : kWireDefaults) {
      QCOMPARE(Child<QLineEdit>(w, out.output)->text(), QString::fromUtf8(out.text));
    }
    if (run == 1) QVERIFY(outputsOnOpen);
    for (const char* name : kOptBusyControls) QVERIFY2(Child(w, name)->isEnabled(), name);
    // Outputs stay usable; only what could start or change a command is disabled.
  }
  QVERIFY2(enabledWhileBusy.isEmpty(), qPrintable(enabledWhileBusy.join(',')));

  // A second command or a mode switch asked for during the walk does nothing.
  int nestedRuns = 0;
  bool tried = false;
  s.pump.probe = [&] {
    if (s.pump.passes == 1) {
      tried = true;
      Child<QPushButton>(w, "start")->click();
      QTest::keyClick(Child(w, "vivodd"), Qt::Key_Return);
      QTest::mouseClick(Child(w, "CheckBox1"), Qt::LeftButton);
      QTest::keyClick(Child(w, "CheckBox1"), Qt::Key_Space);
    }
  };
  s.pump.passes = 0;
  const qsizetype noticesBefore = closer.texts.size();
  w.startClick();
  nestedRuns = int(closer.texts.size() - noticesBefore);
  QVERIFY(tried);
  QCOMPARE(nestedRuns, 1);
  QVERIFY(Child<QCheckBox>(w, "CheckBox1")->isChecked());
  QCOMPARE(Child<QLabel>(w, "Label9")->text(), QStringLiteral("Вносимое ослабление, [дБ]"));
  QCOMPARE(Child<QLineEdit>(w, "vivodDr")->text(), QStringLiteral("2,09570315465105"));
}

void CalcWindowsTest::optControlsComeBackAfterFault() {
  Services s;
  TFormopt w(s.services);
  w.show();
  QTest::mouseClick(Child(w, "CheckBox1"), Qt::LeftButton);
  for (const char* out : kOptOutputs) Child<QLineEdit>(w, out)->setText("earlier");
  // Rн = 0: the notice, then division by zero.
  Child<QLineEdit>(w, "vvodRn")->setText("0");
  QStringList enabledWhileOpen;
  NoticeCloser closer([&] {
    for (const char* name : kOptBusyControls) {
      if (Child(w, name)->isEnabled()) enabledWhileOpen.append(name);
    }
  });
  QVERIFY_THROWS_EXCEPTION(EZeroDivide, w.startClick());
  QCOMPARE(closer.texts, QStringList{QStringLiteral("5,51500830171328")});
  QVERIFY(enabledWhileOpen.isEmpty());
  for (const char* out : kOptOutputs) {
    QCOMPARE(Child<QLineEdit>(w, out)->text(), QStringLiteral("earlier"));
  }
  for (const char* name : kOptBusyControls) QVERIFY2(Child(w, name)->isEnabled(), name);

  // A conversion error shows no notice and also gives the controls back.
  Child<QLineEdit>(w, "vvodLind")->setText("x");
  Child<QLineEdit>(w, "vvodRn")->setText("y");
  QVERIFY_THROWS_EXCEPTION(EConvertError, w.startClick());
  QCOMPARE(closer.texts.size(), 1);
  for (const char* name : kOptBusyControls) QVERIFY2(Child(w, name)->isEnabled(), name);
}

void CalcWindowsTest::fieldsAdapter() {
  Services s;
  TFormopt w(s.services);
  QtFields fields(w);

  // Texts cross exactly, in UTF-8, spaces and all.
  const QString typed = QStringLiteral("  1,5 мкГн\t");
  Child<QLineEdit>(w, "vvodLind")->setText(typed);
  QCOMPARE(fields.text("vvodLind"), typed.toStdString());
  fields.setText("vivodd", "2,5 Ом");
  QCOMPARE(Child<QLineEdit>(w, "vivodd")->text(), QStringLiteral("2,5 Ом"));
  fields.setText("vivodd", "1,22053308257263");
  QCOMPARE(Child<QLineEdit>(w, "vivodd")->cursorPosition(), 0);  // the leading digits show
  fields.setText("vivodd", "");
  QVERIFY(Child<QLineEdit>(w, "vivodd")->text().isEmpty());

  // A label takes its new caption and the width of it, shrinking as well as growing.
  auto* label = Child<QLabel>(w, "Label10");
  const QPoint place = label->pos();
  fields.setText("Label10", "Очень длинная подпись");
  QCOMPARE(label->text(), QStringLiteral("Очень длинная подпись"));
  const int wide = label->width();
  QVERIFY(FitsText(*label));
  fields.setText("Label10", "N");
  QVERIFY(label->width() < wide);
  QVERIFY(FitsText(*label));
  QCOMPARE(label->pos(), place);
  QCOMPARE(label->height(), 13);

  QVERIFY(!fields.isChecked("CheckBox1"));
  Child<QCheckBox>(w, "CheckBox1")->setChecked(true);
  QVERIFY(fields.isChecked("CheckBox1"));

  // A name that is no control of the expected kind is a programming error.
  QVERIFY_THROWS_EXCEPTION(std::logic_error, fields.text("nosuchfield"));
  QVERIFY_THROWS_EXCEPTION(std::logic_error, fields.text("Label10"));  // a label, not a field
  QVERIFY_THROWS_EXCEPTION(std::logic_error, fields.setText("CheckBox1", "x"));
  QVERIFY_THROWS_EXCEPTION(std::logic_error, fields.isChecked("vvodLind"));

  NoticeCloser closer;
  fields.showNotice("Длина намотки не может быть равной нулю !");
  QCOMPARE(closer.texts, QStringList{QStringLiteral("Длина намотки не может быть равной нулю !")});
}

QTEST_MAIN(CalcWindowsTest)
#include "calcwindows_test.moc"
