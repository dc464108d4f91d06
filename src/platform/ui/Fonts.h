#pragma once

#include <QFont>
#include <QString>

namespace pinatlas {

// The windows are designed for the classic desktop fonts: MS Sans Serif
// 8.25 pt for controls, Arial, Courier New and Times New Roman where named.
// On this platform they resolve to their metric twins, so the twips layouts fit.
void installDesktopFonts();

// A font of one of those families as this system has it: the family itself
// where it is installed, else the twin installDesktopFonts() named for it.
// Naming the installed family spares every first use of the font a search
// through all the system's fonts for a family that is not there.
QFont desktopFont(const QString& family, double pointSize, bool bold = false);

} // namespace pinatlas

class QWidget;

namespace pinatlas {

// The windows' fixed widths were made for narrower fonts: a label or check
// box whose caption does not fit gets a slightly smaller font instead of a
// cut-off caption. Run again after captions moved or widened: each starts
// over from its designed font, so a caption given room reads full size again.
void fitCaptionsToWidth(QWidget* window);

} // namespace pinatlas
