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

// The top-left corner for a window of outer size `window` right beside the
// outer rectangle `anchor`, `gap` apart and level with its top, within the
// usable area `screen`: where the screen has no room beside the anchor, as
// far right as the window fits (over the anchor's edge), never past the
// screen's left or top edge.
QPoint PositionBeside(const QRect& anchor, QSize window, const QRect& screen, int gap);

// Moves the top-level `window` to `position`, or where ReachablePosition puts
// it on the screens as they are now.
void PlaceWindow(QWidget& window, QPoint position);
// Moves the top-level `window` to the remembered place `device` (in device
// pixels, as the settings file keeps places), placed in logical pixels of the
// screen that shows that place.
void PlaceWindowAtDevicePosition(QWidget& window, QPoint device);
// Moves a window that is about to be shown only when its place has become
// unreachable (screens change while the program runs).
void KeepWindowReachable(QWidget& window);
// Moves the top-level `window` right beside `anchor` on the anchor's screen.
void PlaceBeside(QWidget& window, const QWidget& anchor);

}  // namespace kirabel
