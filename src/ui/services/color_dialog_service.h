#pragma once
// The colour chooser, behind a seam: tests queue the answer of the next
// chooser with setNextColor instead of racing a modal loop.
#include <QColor>
#include <optional>

class QWidget;

namespace kirabel {

class ColorDialogService {
 public:
  // Runs the chooser preset with `initial`; the chosen colour, or nothing
  // when the user cancels.
  static std::optional<QColor> getColor(const QColor& initial, QWidget* parent);

  // The next getColor returns `answer` (nothing = cancelled) at once, without
  // showing a dialog. Answers queue up in call order.
  static void setNextColor(std::optional<QColor> answer);
  // Drops answers that were queued but not used.
  static void clearAnswers();
  // The preset of the last getColor call (answered or shown).
  static QColor lastInitialColor();
  // How many getColor calls were made since start.
  static int callCount();
};

}  // namespace kirabel
