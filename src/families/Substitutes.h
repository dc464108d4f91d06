#pragma once

#include "families/FamilyTable.h"
#include "library/Datasheet.h"
#include "shared/Language.h"

#include <QString>
#include <QStringList>

namespace pinatlas {

// The families a sheet's data table has a column for, as its headers name
// them ("74LS", "74HC", "4000B"); the unit column is left out.
QStringList familyColumnsOf(const Datasheet& sheet);

// The family of the table a data-table header names, by name or alias, with
// or without the supply the column is given at ("4000B 15 V").
const Family* familyOfColumn(const FamilyTable& table, QStringView header);

// What the Families view and `pinatlas-tool families` say about a type:
// the families it is made in, what changes when one replaces another in the
// same socket (supply, levels, drive, speed, and whether each still works
// with the neighbours of the other), the output type, and the types of
// another number with the same pinout. Lines of plain text.
QStringList substituteReport(const FamilyTable& table, const QString& type, const Datasheet& sheet,
                             Language language);

} // namespace pinatlas
