#pragma once
// The program's pictures: the tool bar buttons (a normal and a disabled
// 16 × 16 picture each), the application icon and the about box's picture.
// The PNG files under resources/icons/ are rendered from the SVG files beside
// them (tools/render_svg.cpp).
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace kirabel {

// The picture of the tool bar button with this objectName ("changeSetButton" ..
// "pasteButton"), with its disabled form; a null icon for any other name.
QIcon ToolIcon(const QString& buttonName);

// A greyed, faded copy of a picture, for a disabled button.
QPixmap DisabledPicture(const QPixmap& picture);

// The application and window icon, in the sizes 16 to 256.
QIcon AppIcon();

// The 128 × 128 picture of the about box, in logical pixels: drawn from the
// application icon's larger pictures for a device pixel ratio above 1.
QPixmap AboutPicture(qreal devicePixelRatio = 1.0);

}  // namespace kirabel
