// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "windows/shownotice.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c) {
  const long long p = static_cast<long long>(a) * b;
  const long long half = c / 2;
  return static_cast<int>(p >= 0 ? (p + half) / c : (p - half) / c);
}

// The dialog units of a font: the average width of the 52 Latin letters and their height.
struct DialogUnits {
  int x;
  int y;
};

DialogUnits UnitsOf(const QFontMetrics& fm) {
  const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return {fm.horizontalAdvance(letters) / 52, fm.height()};
}

// The font of message boxes on this desktop; the general font where the desktop names none.
QFont MessageFont() { return QApplication::font("QMessageBoxLabel"); }

const QString kDashes = QString(27, QLatin1Char('-'));
const QString kLineEnd = QStringLiteral("\r\n");

class NoticeDialog final : public QDialog {
 public:
  NoticeDialog(const QString& text, QWidget* parent)
      : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowCloseButtonHint),
        message_(text) {
    setObjectName(QStringLiteral("NoticeWindow"));
    setWindowTitle(QCoreApplication::applicationName());
    // No icon: where the program has one, a transparent picture keeps it from being inherited.
    if (!QApplication::windowIcon().isNull()) {
      QPixmap blank(16, 16);
      blank.fill(Qt::transparent);
      setWindowIcon(QIcon(blank));
    }
    setFont(MessageFont());

    const QFontMetrics fm(font());
    const DialogUnits du = UnitsOf(fm);
    const int marginX = MulDiv(8, du.x, 4);
    const int marginY = MulDiv(8, du.y, 8);
    const int spacingY = MulDiv(10, du.y, 8);
    const int buttonHeight = MulDiv(14, du.y, 8);

    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect screenRect = screen ? screen->geometry() : QRect(0, 0, 640, 480);
    const QRect textRect = fm.boundingRect(QRect(0, 0, screenRect.width() / 2, 0x3fffffff),
                                           Qt::TextWordWrap | Qt::TextExpandTabs, text);

    button_ = new QPushButton(QStringLiteral("OK"), this);
    button_->setObjectName(QStringLiteral("OK"));
    button_->setDefault(true);
    const int captionWidth =
        fm.horizontalAdvance(QString(button_->text()).remove(QLatin1Char('&')));
    const int buttonWidth = qMax(MulDiv(50, du.x, 4), captionWidth + 8);
    connect(button_, &QPushButton::clicked, this, &QDialog::accept);

    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("Message"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(marginX, marginY, textRect.width(), textRect.height());

    const int clientWidth = qMax(textRect.width(), buttonWidth) + 2 * marginX;
    const int clientHeight = textRect.height() + spacingY + buttonHeight + 2 * marginY;
    button_->setGeometry((clientWidth - buttonWidth) / 2, textRect.height() + marginY + spacingY,
                         buttonWidth, buttonHeight);

    setFixedSize(clientWidth, clientHeight);
    setGeometry(screenRect.x() + (screenRect.width() - clientWidth) / 2,
                screenRect.y() + (screenRect.height() - clientHeight) / 2, clientWidth,
                clientHeight);
    button_->setFocus(Qt::OtherFocusReason);
  }

  // The text Ctrl+C copies: title, message and button captions between lines of dashes.
  QString clipboardText() const {
    QString captions = button_->text() + QStringLiteral("   ");
    captions.remove(QLatin1Char('&'));
    return kDashes + kLineEnd + windowTitle() + kLineEnd + kDashes + kLineEnd + message_ +
           kLineEnd + kDashes + kLineEnd + captions + kLineEnd + kDashes + kLineEnd;
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_C && event->modifiers() == Qt::ControlModifier) {
      QApplication::beep();
      QGuiApplication::clipboard()->setText(clipboardText());
      event->accept();
      return;
    }
    QDialog::keyPressEvent(event);
  }

 private:
  QString message_;
  QPushButton* button_ = nullptr;
};

}  // namespace

void ShowNotice(const QString& text) {
  auto* dialog = new NoticeDialog(text, QApplication::activeWindow());
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowModality(Qt::ApplicationModal);
  dialog->exec();
}
