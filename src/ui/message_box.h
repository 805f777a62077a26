#pragma once
// Every message box of the program goes through here: warnings and
// confirmations with the Japanese titles and buttons, the default error box
// of a failed command, and the system alert sound. In test mode nothing is
// shown: answers come from a queue and every box and beep is recorded.
#include <QString>
#include <deque>
#include <vector>

class QWidget;

namespace kirabel {

enum class MsgKind { Warning, Confirmation, Error, Information };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

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
  static MsgAnswer Show(QWidget* parent, MsgKind kind, const QString& text, MsgButtons buttons);
  // A warning with the single button OK.
  static void Warning(QWidget* parent, const QString& text);
  // A confirmation with Yes and No; true on Yes.
  static bool Confirm(QWidget* parent, const QString& text);
  // The application's default error box: title "Kirabel", error icon, OK.
  static void ShowError(QWidget* parent, const QString& text);
  // The error text as the default error box shows it: "." is appended when
  // the last character sorts after ".".
  static QString ErrorText(const QString& text);
  // The system alert sound (question, asterisk and default beeps alike).
  static void Beep();

  // Test mode: no box is shown; Show() records it and takes the next queued
  // answer (questions only), or the default button (Yes, OK) when none is queued.
  static void SetTestMode(bool on);
  static bool TestMode();
  static void setNextAnswer(MsgAnswer answer);
  static const std::vector<ShownMessage>& Shown();
  static int BeepCount();
  // Forgets recorded boxes, beeps and queued answers.
  static void ClearRecord();

 private:
  static QString TitleOf(MsgKind kind);
};

}  // namespace kirabel
