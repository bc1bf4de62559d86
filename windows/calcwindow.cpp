// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "windows/calcwindow.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QToolTip>
#include <QWidget>
#include <algorithm>

#include "calc/calculators.h"
#include "calc/reference.h"
#include "windows/qtfields.h"

namespace {

// A check box on the accessibility bus: named by its caption, checkable, and toggled by a click.
class ClickedCheckBox final : public QAccessibleWidget {
 public:
  explicit ClickedCheckBox(QCheckBox* box) : QAccessibleWidget(box, QAccessible::CheckBox) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return box()->text();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = box()->isChecked();
    return s;
  }
  QStringList actionNames() const override {
    return QStringList{toggleAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action != toggleAction()) return QAccessibleWidget::doAction(action);
    if (box()->isEnabled()) box()->click();
  }

 private:
  QCheckBox* box() const { return static_cast<QCheckBox*>(widget()); }
};

QAccessibleInterface* CheckBoxInterface(const QString& className, QObject* object) {
  auto* box = qobject_cast<QCheckBox*>(object);
  return box && className == QLatin1String("QCheckBox") ? new ClickedCheckBox(box) : nullptr;
}

}  // namespace

// Q_INIT_RESOURCE may not be used inside a namespace.
static void RegisterCoilcalcResources() { Q_INIT_RESOURCE(coilcalc); }

void LoadCalculatorResources() {
  static const bool registered = (RegisterCoilcalcResources(), true);
  (void)registered;
  // The layouts are measured in "MS Sans Serif". Where it is missing, fonts with Arial's or
  // Helvetica's widths come within a pixel or two of it at 8 pt; the generic sans-serif fallback
  // (typically DejaVu Sans) is some 15 % wider and would clip the captions. Qt does not follow
  // fontconfig's metric aliases, so the substitutes are named here, for every window at once.
  static const bool substituted =
      (QFont::insertSubstitutions(
           QStringLiteral("MS Sans Serif"),
           {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
            QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")}),
       true);
  (void)substituted;
  static const bool accessible = (QAccessible::installFactory(CheckBoxInterface), true);
  (void)accessible;
}

void ShowPictureInLanguage(QLabel& image, const char* path) {
  const QString translated = QCoreApplication::translate("Pictures", path);
  if (translated != QLatin1String(path)) image.setPixmap(QPixmap(translated));
}

void SetUpCalculatorLook(QWidget& window) {
  QFont font = window.font();
  font.setFamily(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  window.setFont(font);
  window.setBackgroundRole(QPalette::Button);
  window.setAutoFillBackground(true);
}

void NameFieldAfterLabel(const QLabel& label) {
  QWidget* field = label.buddy();
  if (field && field->parentWidget() != label.parentWidget())
    field->setAccessibleName(label.text());
}

void NameFieldsAfterLabels(QWidget& window) {
  for (const QLabel* label : window.findChildren<QLabel*>()) NameFieldAfterLabel(*label);
}

void PressOnEnter(QWidget& window, QAbstractButton& button) {
  for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
    QObject::connect(edit, &QLineEdit::returnPressed, &button, &QAbstractButton::click);
  }
}

ReferenceLine::ReferenceLine(QWidget& window) : QObject(&window) {
  setObjectName(QStringLiteral("ReferenceLine"));
  const Calculator* calculator = FindCalculator(window.objectName().toStdString());
  if (calculator == nullptr) return;
  for (const InputField& input : calculator->inputs) {
    if (auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(input.control)))
      connect(edit, &QLineEdit::textChanged, this, &ReferenceLine::clear);
  }
  for (const OutputField& output : calculator->outputs) {
    if (auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(output.control)))
      outputs_.push_back(edit);
  }
}

ReferenceLine* ReferenceLine::of(const QWidget& window) {
  return window.findChild<ReferenceLine*>(QString(), Qt::FindDirectChildrenOnly);
}

QString ReferenceLine::description() const {
  return warning_ && !text_.isEmpty() ? tr("Предупреждение: %1").arg(text_) : text_;
}

void ReferenceLine::set(const QString& text, bool warning, const QString& table) {
  if (text == text_ && warning == warning_ && table == table_) return;
  text_ = text;
  warning_ = warning;
  table_ = table;
  for (QLineEdit* edit : outputs_) {
    edit->setToolTip(table);
    edit->setAccessibleDescription(description());
  }
  emit changed();
}

void ReferenceLine::clear() {
  computed_ = std::monostate{};
  set(QString(), false);
}

void ReferenceLine::show(const Computed& computed, const FormatSettings& format) {
  computed_ = computed;
  format_ = &format;
  estimate();
}

void ReferenceLine::setConditions(const ReferenceConditions& conditions) {
  if (conditions.frequency == conditions_.frequency && conditions.wire == conditions_.wire) return;
  conditions_ = conditions;
  if (format_ != nullptr && !std::holds_alternative<std::monostate>(computed_)) estimate();
}

void ReferenceLine::estimate() {
  const ReferenceEstimate e = Estimate(computed_, conditions_, *format_);
  set(QString::fromStdString(e.text), e.warning, ReferenceTableHtml(e.table));
}

QString ReferenceTableHtml(const std::vector<ReferenceRow>& rows) {
  // Headings and notes are paragraphs between the tables of figures: a cell spanning the columns
  // would widen them. The columns get the widths of their longest texts in the tooltip's font, so
  // that they line up from one table to the next.
  const QFontMetrics metrics(QToolTip::font());
  int quantityWidth = 0, valueWidth = 0;
  for (const ReferenceRow& row : rows) {
    if (row.kind != ReferenceRow::Kind::Figure) continue;
    const auto width = [&](const std::string& text) {
      return metrics.horizontalAdvance(QString::fromStdString(text));
    };
    quantityWidth = std::max(quantityWidth, width(row.quantity));
    valueWidth = std::max(valueWidth, width(row.value));
  }
  const int gap = metrics.horizontalAdvance(QStringLiteral("  "));
  QString html;
  bool inTable = false;
  for (const ReferenceRow& row : rows) {
    const QString quantity = QString::fromStdString(row.quantity).toHtmlEscaped();
    if (row.kind == ReferenceRow::Kind::Figure) {
      if (!inTable) {
        html +=
            QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\" style=\"white-space:pre\">");
      }
      inTable = true;
      html += QStringLiteral(
                  "<tr><td width=\"%1\">%2</td>"
                  "<td width=\"%3\" align=\"right\">%4</td><td>&nbsp;%5</td></tr>")
                  .arg(QString::number(quantityWidth), quantity, QString::number(valueWidth + gap),
                       QString::fromStdString(row.value).toHtmlEscaped(),
                       QString::fromStdString(row.unit).toHtmlEscaped());
      continue;
    }
    if (inTable) html += QStringLiteral("</table>");
    inTable = false;
    const bool heading = row.kind == ReferenceRow::Kind::Heading;
    html += QStringLiteral("<p style=\"white-space:pre; margin-top:%1px; margin-bottom:0\">%2</p>")
                .arg(QString::number(heading && !html.isEmpty() ? 4 : 0),
                     heading ? "<b>" + quantity + "</b>" : "<i>" + quantity + "</i>");
  }
  if (inTable) html += QStringLiteral("</table>");
  return html;
}

void RunCommand(QWidget& window, const WindowServices& services, void (*command)(CommandContext&)) {
  ReferenceLine* line = ReferenceLine::of(window);
  if (line) line->clear();
  QtFields fields(window);
  CommandContext ctx{fields, services.format, services.state, services.pump};
  command(ctx);
  if (line) line->show(ctx.computed, services.format);
}
