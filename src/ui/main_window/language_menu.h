#pragma once
// The options menu's choice of the interface language: automatic (the
// system's), Japanese or English. The texts are put in place once at start,
// so a new choice takes effect at the next start, which the menu says.
#include <QMenu>

#include "model/options.h"

class QActionGroup;

namespace kirabel {

class LanguageMenu : public QMenu {
  Q_OBJECT
 public:
  explicit LanguageMenu(QWidget* parent = nullptr);

  LanguageChoice choice() const;
  // Checks the item of a choice (without emitting chosen).
  void setChoice(LanguageChoice choice);

 signals:
  // The user picked another language.
  void chosen(LanguageChoice choice);

 private:
  QAction* addChoice(const char* objectName, const QString& text, LanguageChoice choice);

  QActionGroup* group_;
};

}  // namespace kirabel
