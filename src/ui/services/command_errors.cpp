#include "ui/services/command_errors.h"

#include <QString>
#include <exception>

#include "texts/error_texts.h"
#include "ui/services/message_box.h"

namespace kirabel {

bool RunCommand(QWidget* parent, const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const std::exception& error) {
    MessageBox::showError(parent, ErrorText(error));
  }
  return false;
}

}  // namespace kirabel
