#pragma once

#include <QAccessible>

class QWidget;

namespace pinatlas {

// Leaves `widget` out of what assistive technology is told about its parent:
// a line or a box of the drawing whose meaning another element speaks.
void markDecorative(QWidget* widget);

// The role a plain widget reports instead of a nameless filler.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);

// Installs the program's rules for plain widgets, once: windows report a
// window role, and decorative children are left out.
void installAccessibility();

} // namespace pinatlas
