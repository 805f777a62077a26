#include "ui/services/message_box.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include "ui/services/wrappable_text.h"

namespace kirabel {

namespace {

struct TestState {
  bool on = false;
  std::deque<MsgAnswer> answers;
  std::vector<ShownMessage> shown;
  int beeps = 0;
};

TestState& State() {
  static TestState state;
  return state;
}

QMessageBox::Icon IconOf(MsgKind kind) {
  switch (kind) {
    case MsgKind::Warning:
      return QMessageBox::Warning;
    case MsgKind::Confirmation:
      return QMessageBox::Question;
    case MsgKind::Error:
      return QMessageBox::Critical;
    case MsgKind::Information:
      break;
  }
  return QMessageBox::Information;
}

// Unanswered in test mode: OK, Yes, or for "save first?" No (go on as a
// program without the question would).
MsgAnswer DefaultAnswer(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::Ok:
      return MsgAnswer::Ok;
    case MsgButtons::YesNo:
      return MsgAnswer::Yes;
    case MsgButtons::YesNoCancel:
      break;
  }
  return MsgAnswer::No;
}

// Only questions take a queued answer: a box with OK alone has nothing to ask.
MsgAnswer TakeTestAnswer(MsgButtons buttons) {
  auto& answers = State().answers;
  if (buttons == MsgButtons::Ok || answers.empty()) return DefaultAnswer(buttons);
  const MsgAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

MsgAnswer RunBox(QWidget* parent, MsgKind kind, const QString& title, const QString& text,
                 MsgButtons buttons) {
  // Long paths and names wrap instead of widening the box past the screen.
  QMessageBox box(IconOf(kind), title, WrappableText(text), QMessageBox::NoButton, parent);
  if (buttons == MsgButtons::Ok) {
    box.setDefaultButton(box.addButton(QCoreApplication::translate("kirabel::MessageBox", "OK"),
                                       QMessageBox::AcceptRole));
    box.exec();
    return MsgAnswer::Ok;
  }
  QPushButton* yes = box.addButton(QCoreApplication::translate("kirabel::MessageBox", "はい(&Y)"),
                                   QMessageBox::YesRole);
  QPushButton* no = box.addButton(QCoreApplication::translate("kirabel::MessageBox", "いいえ(&N)"),
                                  QMessageBox::NoRole);
  QPushButton* cancel =
      buttons == MsgButtons::YesNoCancel
          ? box.addButton(QCoreApplication::translate("kirabel::MessageBox", "キャンセル"),
                          QMessageBox::RejectRole)
          : nullptr;
  box.setDefaultButton(yes);
  box.setEscapeButton(cancel ? cancel : no);
  box.exec();
  if (box.clickedButton() == yes) return MsgAnswer::Yes;
  return cancel && box.clickedButton() != no ? MsgAnswer::Cancel : MsgAnswer::No;
}

}  // namespace

QString MessageBox::titleOf(MsgKind kind) {
  switch (kind) {
    case MsgKind::Warning:
      return QCoreApplication::translate("kirabel::MessageBox", "警告");
    case MsgKind::Confirmation:
      return QCoreApplication::translate("kirabel::MessageBox", "確認");
    case MsgKind::Error:
      return QCoreApplication::translate("kirabel::MessageBox", "エラー");
    case MsgKind::Information:
      break;
  }
  return QCoreApplication::translate("kirabel::MessageBox", "情報");
}

MsgAnswer MessageBox::show(QWidget* parent, MsgKind kind, const QString& text, MsgButtons buttons) {
  const QString title = titleOf(kind);
  if (State().on) {
    State().shown.push_back({kind, title, text, buttons});
    return TakeTestAnswer(buttons);
  }
  return RunBox(parent, kind, title, text, buttons);
}

void MessageBox::warning(QWidget* parent, const QString& text) {
  show(parent, MsgKind::Warning, text, MsgButtons::Ok);
}

bool MessageBox::confirm(QWidget* parent, const QString& text) {
  return show(parent, MsgKind::Confirmation, text, MsgButtons::YesNo) == MsgAnswer::Yes;
}

QString MessageBox::errorText(const QString& text) {
  if (!text.isEmpty() && text.back() > QLatin1Char('.')) return text + QLatin1Char('.');
  return text;
}

void MessageBox::showError(QWidget* parent, const QString& text) {
  const QString title = QStringLiteral("Kirabel");
  const QString shown = errorText(text);
  if (State().on) {
    State().shown.push_back({MsgKind::Error, title, shown, MsgButtons::Ok});
    return;
  }
  RunBox(parent, MsgKind::Error, title, shown, MsgButtons::Ok);
}

void MessageBox::beep() {
  ++State().beeps;
  if (!State().on) QApplication::beep();
}

void MessageBox::setTestMode(bool on) {
  State().on = on;
}

bool MessageBox::testMode() {
  return State().on;
}

void MessageBox::setNextAnswer(MsgAnswer answer) {
  State().answers.push_back(answer);
}

const std::vector<ShownMessage>& MessageBox::shown() {
  return State().shown;
}

int MessageBox::beepCount() {
  return State().beeps;
}

void MessageBox::clearRecord() {
  State().answers.clear();
  State().shown.clear();
  State().beeps = 0;
}

}  // namespace kirabel
