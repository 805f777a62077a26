#include "ui/command_errors.h"

#include <QString>
#include <exception>
#include <new>

#include "platform/errors.h"
#include "ui/message_box.h"

namespace kirabel {

bool RunCommand(QWidget* parent, const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const std::bad_alloc&) {
    MessageBox::showError(parent, QString::fromUtf8(OutOfMemoryError().what()));
  } catch (const std::exception& error) {
    MessageBox::showError(parent, QString::fromUtf8(error.what()));
  }
  return false;
}

}  // namespace kirabel
