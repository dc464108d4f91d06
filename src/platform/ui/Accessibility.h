#pragma once

#include <QAccessible>

class QWidget;

namespace pinatlas {

// Leaves `widget` out of what assistive technology is told about its parent:
// a line or a box of the drawing whose meaning another element speaks.
void markDecorative(QWidget* widget);

// The role a plain widget reports instead of a nameless filler.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);

// Installs the program's rules, once: windows report a window role,
// decorative children are left out, and a combo box is named by its
// accessible name rather than by its current text.
void installAccessibility();

} // namespace pinatlas
