#pragma once

#include "families/FamilyTable.h"

#include <QFile>

#include <gtest/gtest.h>

namespace pinatlas::test {

// The family table the program ships, read once.
inline const FamilyTable& shippedFamilies() {
    static const FamilyTable table = [] {
        QFile f(QStringLiteral(PINATLAS_SOURCE_DIR "/families/pinatlas-families.txt"));
        f.open(QIODevice::ReadOnly);
        QString error;
        FamilyTable parsed = FamilyTable::parse(QString::fromUtf8(f.readAll()), &error);
        if (!error.isEmpty())
            ADD_FAILURE() << "the shipped family table: " << error.toStdString();
        return parsed;
    }();
    return table;
}

} // namespace pinatlas::test
