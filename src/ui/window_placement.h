#pragma once
// Where a window with a remembered position opens: exactly there while its
// title bar can be reached on some screen, else on the nearest screen, so that
// no window, and above all no modal dialog, opens out of sight after a monitor
// was removed (a modal dialog out of sight makes the program look frozen).
#include <QPoint>
#include <QRect>
#include <vector>

class QWidget;

namespace kirabel {

// The top-left corner for `window` (its outer rectangle at the remembered
// place) among the usable areas of the screens: unchanged while enough of its
// title bar lies on one of them; otherwise moved into the nearest area, as
// much of the window as fits, its top-left corner always inside. Without
// screens the place is kept.
QPoint ReachablePosition(const QRect& window, const std::vector<QRect>& screens);

// Moves the top-level `window` to `position`, or where ReachablePosition puts
// it on the screens as they are now.
void PlaceWindow(QWidget& window, QPoint position);
// Moves a window that is about to be shown only when its place has become
// unreachable (screens change while the program runs).
void KeepWindowReachable(QWidget& window);

}  // namespace kirabel
