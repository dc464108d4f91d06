#pragma once

#include "library/Datasheet.h"
#include "shared/Language.h"

#include <QList>
#include <QString>

namespace pinatlas {

// One pin as a screen reader speaks it. `role` and `column` stay empty while
// nothing tells them; each is spoken only when known.
struct PinEntry {
    int number = 0;
    QString name;
    QString role;   // "input", "output", "supply" ... in the entry's language
    QString column; // the heading of the function-table column of the pin
};

// The pins the package drawing shows, in pin order, pin 1 first.
QList<PinEntry> pinEntries(const Datasheet& sheet);

// "Pin 1, 1A", then the role and the column where known:
// "Pin 1, 1A, input, column 1A". A pin without a name says so.
QString pinEntryText(const PinEntry& entry, Language language);

} // namespace pinatlas
