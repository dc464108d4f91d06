#pragma once

#include "families/FamilyTable.h"

#include <QFile>

namespace pinatlas::test {

// The family table the program ships, read once.
inline const FamilyTable& shippedFamilies() {
    static const FamilyTable table = [] {
        QFile f(QStringLiteral(PINATLAS_SOURCE_DIR "/families/pinatlas-families.txt"));
        f.open(QIODevice::ReadOnly);
        return FamilyTable::parse(QString::fromUtf8(f.readAll()));
    }();
    return table;
}

} // namespace pinatlas::test
