#include "ui/main_window/language_menu.h"

#include <QActionGroup>

#include "ui/services/message_box.h"

namespace kirabel {

LanguageMenu::LanguageMenu(QWidget* parent)
    : QMenu(tr("言語(&N)"), parent), group_(new QActionGroup(this)) {
  setObjectName(QStringLiteral("languageMenu"));
  menuAction()->setObjectName(QStringLiteral("actionLanguage"));
  addChoice("actionLanguageAutomatic", tr("自動(&A)"), LanguageChoice::kAutomatic);
  addChoice("actionLanguageJapanese", tr("日本語(&J)"), LanguageChoice::kJapanese);
  addChoice("actionLanguageEnglish", tr("English(&E)"), LanguageChoice::kEnglish);
  setChoice(LanguageChoice::kAutomatic);
}

QAction* LanguageMenu::addChoice(const char* objectName, const QString& text,
                                 LanguageChoice choice) {
  QAction* action = addAction(text);
  action->setObjectName(QString::fromLatin1(objectName));
  action->setCheckable(true);
  action->setData(static_cast<int>(choice));
  group_->addAction(action);
  connect(action, &QAction::triggered, this, [this, choice] {
    emit chosen(choice);
    MessageBox::show(parentWidget(), MsgKind::Information,
                     tr("言語の変更は次回の起動から有効になります。"), MsgButtons::Ok);
  });
  return action;
}

LanguageChoice LanguageMenu::choice() const {
  const QAction* checked = group_->checkedAction();
  return checked ? static_cast<LanguageChoice>(checked->data().toInt())
                 : LanguageChoice::kAutomatic;
}

void LanguageMenu::setChoice(LanguageChoice choice) {
  for (QAction* action : group_->actions())
    action->setChecked(action->data().toInt() == static_cast<int>(choice));
}

}  // namespace kirabel
