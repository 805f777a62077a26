#include "ui/services/color_dialog_service.h"

#include <QColorDialog>
#include <deque>

namespace kirabel {

namespace {

struct ColorSeam {
  std::deque<std::optional<QColor>> answers;
  QColor lastInitial;
  int calls = 0;
};

ColorSeam& Seam() {
  static ColorSeam seam;
  return seam;
}

}  // namespace

std::optional<QColor> ColorDialogService::getColor(const QColor& initial, QWidget* parent) {
  ColorSeam& seam = Seam();
  seam.lastInitial = initial;
  ++seam.calls;
  if (!seam.answers.empty()) {
    std::optional<QColor> answer = seam.answers.front();
    seam.answers.pop_front();
    return answer;
  }
  const QColor chosen = QColorDialog::getColor(initial, parent);
  if (!chosen.isValid()) return std::nullopt;
  return chosen;
}

void ColorDialogService::setNextColor(std::optional<QColor> answer) {
  Seam().answers.push_back(answer);
}

void ColorDialogService::clearAnswers() {
  Seam().answers.clear();
}

QColor ColorDialogService::lastInitialColor() {
  return Seam().lastInitial;
}

int ColorDialogService::callCount() {
  return Seam().calls;
}

}  // namespace kirabel
