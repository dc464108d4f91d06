#pragma once

#include <QAccessible>

class QWidget;

namespace pinatlas {

// Leaves `widget` out of what assistive technology is told about its parent:
// a line or a box of the drawing whose meaning another element speaks.
void markDecorative(QWidget* widget);

// The role a plain widget reports instead of a nameless filler.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);

// Draws a frame of the highlight colour along the edges of `widget` while
// it has the keyboard, for widgets the desktop style draws no focus on.
// Called at the end of the widget's paint event.
void paintKeyboardFocus(QWidget* widget);

// Installs the program's rules, once: windows report a window role,
// decorative children are left out, and a combo box is named by its
// accessible name rather than by its current text.
void installAccessibility();

} // namespace pinatlas
