// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The interface in the desktop's language, on the offscreen platform. The program is built as
// main() builds it, in the language DesktopLanguage() chooses for this process's environment;
// ctest runs it under ru_RU, under LANGUAGE=ru:en and under de_DE, naming the language expected in
// COILCALC_EXPECT_LANGUAGE. Every text a person can see is collected: the frame with its menus and
// status line, the four calculators (both modes of the optimal one) and their tooltip tables,
// every notice and message box, About with its mail link, and the help page. In English none
// holds a Cyrillic letter and every caption fits its control; in Russian they are today's texts.
#include "app/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include "app/aboutform.h"
#include "app/coilapplication.h"
#include "app/desktop.h"
#include "app/mainform.h"
#include "calc/calcstate.h"
#include "calc/reference.h"
#include "calc/texts.h"

namespace {

using Calc = Tmainform::Calc;

class RecordingDesktop final : public Desktop {
 public:
  void openTarget(const QString& target) override { targets << target; }
  void handlePendingMessages() override {}
  QStringList targets;
};

// Every text that root and the widgets under it show or give a screen reader.
QStringList TextsUnder(QWidget& root) {
  QStringList texts;
  const auto add = [&](const QString& text) {
    if (!text.isEmpty()) texts << text;
  };
  QList<QWidget*> widgets = root.findChildren<QWidget*>();
  widgets.prepend(&root);
  for (QWidget* w : widgets) {
    for (const QString& t : {w->windowTitle(), w->toolTip(), w->accessibleName(),
                             w->accessibleDescription(), w->statusTip(), w->whatsThis()})
      add(t);
    if (auto* l = qobject_cast<QLabel*>(w)) add(l->text());
    if (auto* b = qobject_cast<QAbstractButton*>(w)) add(b->text());
    if (auto* g = qobject_cast<QGroupBox*>(w)) add(g->title());
    if (auto* e = qobject_cast<QLineEdit*>(w)) add(e->text());
    if (auto* e = qobject_cast<QTextEdit*>(w)) add(e->toPlainText());
    if (auto* m = qobject_cast<QMenu*>(w)) add(m->title());
    for (const QAction* a : w->actions()) {
      add(a->text());
      add(a->toolTip());
    }
  }
  return texts;
}

// Closes each modal window that a command opens, keeping its texts and its message.
class ModalCloser : public QObject {
 public:
  ModalCloser() {
    connect(&timer_, &QTimer::timeout, this, [this] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog || !dialog->isVisible()) return;
      texts << TextsUnder(*dialog);
      auto* box = qobject_cast<QMessageBox*>(dialog);
      auto* label = dialog->findChild<QLabel*>(QStringLiteral("Message"));
      messages << (box ? box->text() : label ? label->text() : QString());
      dialog->reject();
    });
    timer_.start(5);
  }
  QStringList texts;
  QStringList messages;

 private:
  QTimer timer_;
};

template <class T = QWidget>
T* Child(QWidget& window, const char* name) {
  T* w = window.findChild<T*>(QString::fromLatin1(name));
  if (!w) qFatal("no %s in %s", name, qPrintable(window.objectName()));
  return w;
}

// The calculator's fields set (control, text), then its compute button clicked.
void Compute(QWidget& form, std::initializer_list<std::pair<const char*, const char*>> fields) {
  for (const auto& [name, text] : fields) Child<QLineEdit>(form, name)->setText(text);
  auto* button = form.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
  QTest::mouseClick(button ? button : Child<QPushButton>(form, "start"), Qt::LeftButton);
}

// The captions of a calculator that do not fit their controls in the control's own font.
QStringList Clipped(QWidget& form) {
  QStringList clipped;
  for (QLabel* label : form.findChildren<QLabel*>()) {
    if (QFontMetricsF(label->font()).horizontalAdvance(label->text()) > label->width())
      clipped << label->text();
  }
  for (QPushButton* button : form.findChildren<QPushButton*>()) {
    if (button->sizeHint().width() > button->width()) clipped << button->text();
  }
  for (QCheckBox* box : form.findChildren<QCheckBox*>()) {
    const QStyle* style = box->style();
    if (style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
            style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box) +
            QFontMetricsF(box->font()).horizontalAdvance(box->text()) >
        box->width())
      clipped << box->text();
  }
  for (QGroupBox* group : form.findChildren<QGroupBox*>()) {
    if (QFontMetricsF(group->font()).horizontalAdvance(group->title()) + 16 > group->width())
      clipped << group->title();
  }
  return clipped;
}

const QRegularExpression kCyrillic(QStringLiteral("[\\x{0400}-\\x{052F}]"));

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void choosesFirstOfRussianOrATranslation_data();
  void choosesFirstOfRussianOrATranslation();
  void everyTextIsInTheDesktopsLanguage();
  void referenceAtAFrequencyIsInTheLanguage();
};

void LanguageTest::choosesFirstOfRussianOrATranslation_data() {
  QTest::addColumn<QStringList>("uiLanguages");
  QTest::addColumn<QStringList>("translated");
  QTest::addColumn<QString>("chosen");
  const QStringList en{"en"}, enDe{"de", "en"};
  QTest::newRow("Russian") << QStringList{"ru-RU", "ru-Cyrl-RU", "ru"} << en << "ru";
  QTest::newRow("English") << QStringList{"en-US", "en-Latn-US", "en"} << en << "en";
  QTest::newRow("Russian before English") << QStringList{"ru", "en-US"} << en << "ru";
  QTest::newRow("English before Russian") << QStringList{"en-GB", "ru"} << en << "en";
  QTest::newRow("untranslated before Russian") << QStringList{"de", "de-DE", "ru"} << en << "ru";
  QTest::newRow("untranslated alone") << QStringList{"de-DE", "de"} << en << "en";
  QTest::newRow("third language") << QStringList{"de-AT", "ru"} << enDe << "de";
  QTest::newRow("glibc spelling") << QStringList{"de_DE.UTF-8"} << enDe << "de";
  QTest::newRow("C, POSIX") << QStringList{"C", "POSIX"} << en << "ru";
  QTest::newRow("none") << QStringList{} << en << "ru";
}

void LanguageTest::choosesFirstOfRussianOrATranslation() {
  QFETCH(QStringList, uiLanguages);
  QFETCH(QStringList, translated);
  QFETCH(QString, chosen);
  QCOMPARE(ChooseLanguage(uiLanguages, translated), chosen);
}

void LanguageTest::everyTextIsInTheDesktopsLanguage() {
  auto* app = static_cast<CoilApplication*>(QCoreApplication::instance());
  const QString expected = qEnvironmentVariable("COILCALC_EXPECT_LANGUAGE");
  QVERIFY2(!expected.isEmpty(), "COILCALC_EXPECT_LANGUAGE names the language expected");
  QVERIFY(TranslatedLanguages().contains(QStringLiteral("en")));
  QVERIFY(app->setLanguage(DesktopLanguage()));
  QCOMPARE(app->language(), expected);
  const bool english = expected == QLatin1String("en");

  CalcState state;
  RecordingDesktop desktop;
  Tmainform frame(desktop);
  frame.createChildren(WindowServices{app->format(), state, desktop});
  frame.show();
  QStringList texts, titles, clipped;
  ModalCloser modals;
  const auto take = [&] {
    texts << TextsUnder(frame);
    titles << frame.windowTitle();
  };
  const auto bring = [&](const char* action, Calc calc) -> QWidget& {
    Child<QAction>(frame, action)->trigger();
    QWidget& form = *frame.form(calc);
    clipped << Clipped(form);
    return form;
  };

  QWidget& single = bring("MenuIndOdnosl", Calc::IndOdnosl);
  // The frame's conditions of the reference: a frequency and a wire, then a text that is none.
  auto* frequency = Child<QLineEdit>(frame, "FrequencyEdit");
  frequency->setText(QStringLiteral("1000"));
  Child<QLineEdit>(frame, "WireEdit")->setText(QStringLiteral("1"));
  Compute(single, {});
  take();
  frequency->setText(QStringLiteral("x"));
  take();
  frequency->clear();
  Compute(single, {{"Vvodl", "0"}});
  Compute(single, {{"VvodN", "x5"}, {"Vvodl", "10"}});
  QWidget& multi = bring("MenuIndMnogosl", Calc::IndMnogosl);
  Compute(multi, {});
  take();
  QWidget& turns = bring("MenuVitkMnogsl", Calc::Vitkmnogosl);
  Compute(turns, {});
  take();
  Compute(turns, {{"vvodd", "0"}});
  Compute(turns, {{"vvodd", "1"}, {"vvodl", "0"}});
  Compute(turns, {{"vvodl", "5"}, {"vvodLL", "0"}});
  Compute(turns, {{"vvodLL", "-5"}});
  Compute(turns, {{"vvodLL", "1"}});
  QWidget& opt = bring("Menuopt", Calc::Opt);
  Compute(opt, {});
  take();
  Compute(opt, {{"vvodNdb", "1000"}});
  QTest::mouseClick(Child<QCheckBox>(opt, "CheckBox1"), Qt::LeftButton);
  clipped << Clipped(opt);
  QVERIFY(Child(opt, "Label9")->geometry().right() < Child(opt, "start")->x());
  QVERIFY(Child(opt, "Label6")->geometry().right() < Child(opt, "Image1")->x());
  Compute(opt, {{"vvodNdb", "1"}});
  take();
  QTest::mouseClick(Child(*frame.aboutForm(), "Label5"), Qt::LeftButton);
  frame.helpClick();
  take();
  texts << modals.texts << titles << desktop.targets;
  // The pictures that the language names exist.
  for (Calc calc : {Calc::Vitkmnogosl, Calc::IndMnogosl, Calc::Opt, Calc::IndOdnosl})
    QVERIFY(!Child<QLabel>(*frame.form(calc), "Image1")->pixmap().isNull());
  QVERIFY(modals.messages.size() >= 8);

  if (english) {
    QStringList cyrillic = texts.filter(kCyrillic);
    cyrillic.removeDuplicates();
    QVERIFY2(cyrillic.isEmpty(), qPrintable(cyrillic.join(QStringLiteral("\n"))));
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("\n"))));
    QVERIFY(titles.contains(QStringLiteral("Calculation - [single-layer coil inductance]")));
  } else {
    // Today's Russian: the composed title, menus, the catalog's notices, the help page's title.
    for (const char* text :
         {"Расчет - [индуктивности однослойной катушки]", "&Файл", "&Закрыть", "О программе",
          texts::notices::kTooShort.source, texts::notices::kZeroWire.source,
          texts::notices::kZeroLength.source, texts::notices::kNoInductance.source,
          "Конструктивный расчет катушек индуктивности"}) {
      QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
    }
  }
  // Number entry's and arithmetic's messages stay as they are in every language.
  QVERIFY(!modals.messages.filter(QStringLiteral("'x5' is not a valid floating point value"))
               .isEmpty());
}

void LanguageTest::referenceAtAFrequencyIsInTheLanguage() {
  // The frame's conditions of the reference, as the windows' defaults compute them: every figure
  // at a frequency, near and above self-resonance, a wire too thick, and each refusal of a
  // condition's text.
  auto* app = static_cast<CoilApplication*>(QCoreApplication::instance());
  QVERIFY(app->setLanguage(DesktopLanguage()));
  const FormatSettings& format = app->format();
  const SingleLayerComputed single{5, 0.4, 1, 0.0334};
  const MultiLayerComputed multi{1, 5, 2, 805, 6206.59};
  const TurnsComputed turns{1, 5, 1, 2500, 629.59, 1.259};
  const OptimalComputed optimal{5100, 2.0957, 310.12, 1, 8, 1.3459, true};
  const std::pair<Computed, ReferenceConditions> cases[] = {
      {single, {"100", ""}}, {single, {"200000", ""}}, {single, {"900000", ""}},
      {multi, {"100", "1"}}, {multi, {"100", "3"}},    {multi, {"100", ""}},
      {turns, {"10", ""}},   {optimal, {"1", ""}},
  };
  QStringList texts;
  for (const auto& [computed, conditions] : cases) {
    const ReferenceEstimate estimate = Estimate(computed, conditions, format);
    texts << QString::fromStdString(estimate.text);
    for (const ReferenceRow& row : estimate.table)
      texts << QString::fromStdString(row.quantity + " " + row.unit);
  }
  for (const char* text : {"x", "0", "1E9"}) {
    texts << QString::fromStdString(FrequencyProblem(text, format))
          << QString::fromStdString(WireProblem(text, format));
  }
  QVERIFY(texts.join(QString()).contains(QStringLiteral("kHz")) ==
          (app->language() == QLatin1String("en")));
  if (app->language() == QLatin1String("en")) {
    QStringList cyrillic = texts.filter(kCyrillic);
    QVERIFY2(cyrillic.isEmpty(), qPrintable(cyrillic.join(QStringLiteral("\n"))));
  } else {
    QVERIFY(texts.filter(kCyrillic).size() > texts.size() / 2);
  }
}

int main(int argc, char** argv) {
  CoilApplication app(argc, argv);
  LanguageTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "language_test.moc"
