#pragma once

#include <QStringList>

namespace pinatlas::tool {

// `families TYPE`: the families a type is made in and what changes between
// them. Exit status 0 shown, 1 no such sheet or no family table, 2 wrong usage.
int families(const QStringList& args);

// `compat DRIVER RECEIVER`: whether an output drives an input. Exit status
// 0 works, 1 works with a condition, 2 does not work, 3 cannot judge (an
// unknown family or part, a missing figure or table, wrong usage), so that a
// typo never reads as "does not work".
int compat(const QStringList& args);

} // namespace pinatlas::tool
