// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// What the four calculator windows share besides their commands: the pictures and glyph of the
// resource file, the common look (font and background), the commands run from their buttons with
// errors reported, Enter in a text field pressing the window's compute button, and the physical
// reference of the last command. QPushButton's default-button behaviour works only in dialogs,
// and these windows are plain widgets.
#include <QAbstractButton>
#include <QList>
#include <QObject>
#include <QString>
#include <vector>

#include "calc/command.h"
#include "calc/reference.h"
#include "windows/errorbox.h"
#include "windows/windowservices.h"

class QLabel;
class QLineEdit;
class QWidget;

// Registers the resource file (compiled into a static library, so nothing else pulls it in),
// names the substitutes of the layouts' font, and makes the Toggle action that the accessibility
// bus offers for a check box click it as the user does (Qt's own toggles the state without the
// clicked signal that runs a command). Call before building a window from its layout: with
// accessibility on, Qt makes and keeps a control's interface as soon as the control is created.
void LoadCalculatorResources();

// The multi-layer coil's picture in three layouts. Its path is a text of the translation: a
// language whose captions call Dвн otherwise names a picture of its own.
//: The picture with the labels (Dвн, Dr, l, r) in this language: a path in the resources.
inline constexpr const char* kMultiLayerPicture =
    QT_TRANSLATE_NOOP("Pictures", ":/pictures/mnogosl.pbm");
// Shows in image the picture that the interface's language names for path, where it names
// another; the layout's own picture stays otherwise.
void ShowPictureInLanguage(QLabel& image, const char* path);

// Font "MS Sans Serif" 8 pt (or a substitute of the same widths), button-face background.
void SetUpCalculatorLook(QWidget& window);

// Screen readers name a field after the label whose buddy it is (set in the layouts). Qt looks for
// that label only among the field's siblings, and here most labels lie in a group box while their
// fields lie over it, on the window itself; for such pairs under window the label's text is made
// the field's accessible name. Call again whenever a label's text changes.
void NameFieldsAfterLabels(QWidget& window);
// The same for one label, after its text changed.
void NameFieldAfterLabel(const QLabel& label);

// The physical reference of a calculator window's last command (calc/reference.h): its status
// line, whether it deviates by more than 1 %, and the whole reference as a small table (rich
// text), which is the tooltip of the window's output fields. Empty at start, when a command
// starts, and whenever an input field's text changes; set when a command has run to its end. The
// frame shows the line of the calculator in front, with the table as its tooltip. The line is
// also the accessible description of the output fields (see description()).
class ReferenceLine : public QObject {
  Q_OBJECT

 public:
  // A child of window, over the input and output fields that the calculator table names for it.
  explicit ReferenceLine(QWidget& window);
  // The line of a calculator window; nullptr for any other widget.
  static ReferenceLine* of(const QWidget& window);

  const QString& text() const { return text_; }
  bool warning() const { return warning_; }
  const QString& table() const { return table_; }
  // The line as a screen reader gives it: beyond 1 % it says in words that it is a warning,
  // which the eye takes from the frame's warning mark.
  QString description() const;
  void set(const QString& text, bool warning, const QString& table = QString());
  // Empties the line and forgets what the last command computed.
  void clear();
  // What a command computed, to the end: the line shows its estimate under the current
  // conditions, with the texts in format (which outlives the line), and keeps it, so that new
  // conditions redraw the line without running the command again.
  void show(const Computed& computed, const FormatSettings& format);
  // The frame's inputs of the reference (the working frequency, a wire); the line redraws what
  // it keeps. The same conditions again change nothing.
  void setConditions(const ReferenceConditions& conditions);

 signals:
  void changed();

 private:
  // The window's output fields, which it owns as it owns this line.
  QList<QLineEdit*> outputs_;
  QString text_;
  bool warning_ = false;
  QString table_;
  Computed computed_;
  const FormatSettings* format_ = nullptr;
  ReferenceConditions conditions_;

  void estimate();
};

// The rows of a reference table as rich text for a tooltip: headings bold and notes in italics,
// each on a line of its own; figures in columns of quantity, value (right-aligned) and unit,
// lined up throughout. Empty for no rows.
QString ReferenceTableHtml(const std::vector<ReferenceRow>& rows);

// Runs a core command over the controls of window, with the services the window was given. The
// window's reference line is emptied first and, once the command has run to its end, shows the
// estimate of what it computed.
void RunCommand(QWidget& window, const WindowServices& services, void (*command)(CommandContext&));

// Enter or Return in any line edit under window clicks button (which does nothing while the
// button is disabled).
void PressOnEnter(QWidget& window, QAbstractButton& button);

// Runs window.command() on every click of button (mouse, Space, click(), or a check box's
// accessible Toggle). An error that ends the command is reported in the error box here, before it
// can unwind through Qt's frames; the command itself lets it escape, so that it can be called and
// tested on its own.
template <class Window>
void RunOnClick(QAbstractButton& button, Window& window, void (Window::*command)()) {
  QObject::connect(&button, &QAbstractButton::clicked, &window, [&window, command] {
    RunReportingErrors([&window, command] { (window.*command)(); });
  });
}

// The common set-up of a calculator window built from its layout: its look and field names, its
// reference line, its compute command on every click of button, and Enter in any text field
// pressing button.
template <class Window>
void SetUpCalculator(Window& window, QAbstractButton& button, void (Window::*command)()) {
  SetUpCalculatorLook(window);
  NameFieldsAfterLabels(window);
  new ReferenceLine(window);
  RunOnClick(button, window, command);
  PressOnEnter(window, button);
}
