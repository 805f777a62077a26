#pragma once
// An error raised inside a command ends that command and is shown in the
// application's default error box; the program then goes on.
#include <functional>

class QWidget;

namespace kirabel {

// Runs the command; returns false when an error ended it (after showing it).
bool RunCommand(QWidget* parent, const std::function<void()>& command);

}  // namespace kirabel
