#pragma once
// Every message box of the program goes through here: warnings and
// confirmations with translated titles and buttons, the default error box
// of a failed command, and the system alert sound. In test mode nothing is
// shown: answers come from a queue and every box and beep is recorded.
#include <QString>
#include <deque>
#include <vector>

class QWidget;

namespace kirabel {

enum class MsgKind { Warning, Confirmation, Error, Information };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

// One box as it was (or, in test mode, would have been) shown.
struct ShownMessage {
  MsgKind kind;
  QString title;
  QString text;
  MsgButtons buttons;
};

class MessageBox {
 public:
  // Shows a modal box titled after its kind ("警告", "確認", ...).
  static MsgAnswer show(QWidget* parent, MsgKind kind, const QString& text, MsgButtons buttons);
  // A warning with the single button OK.
  static void warning(QWidget* parent, const QString& text);
  // A confirmation with Yes and No; true on Yes.
  static bool confirm(QWidget* parent, const QString& text);
  // The application's default error box: title "Kirabel", error icon, OK.
  static void showError(QWidget* parent, const QString& text);
  // The error text as the default error box shows it: "." is appended when
  // the last character sorts after ".".
  static QString errorText(const QString& text);
  // The system alert sound (question, asterisk and default beeps alike).
  static void beep();

  // Test mode: no box is shown; show() records it and takes the next queued
  // answer (questions only), or when none is queued OK, Yes, or No for a
  // question with Cancel.
  static void setTestMode(bool on);
  static bool testMode();
  static void setNextAnswer(MsgAnswer answer);
  static const std::vector<ShownMessage>& shown();
  static int beepCount();
  // Forgets recorded boxes, beeps and queued answers.
  static void clearRecord();

 private:
  static QString titleOf(MsgKind kind);
};

}  // namespace kirabel
