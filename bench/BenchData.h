#pragma once

#include "library/IcList.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace pinatlas::bench {

// The largest sheet the format allows, as the writer writes it: 40 pins, a
// 52 x 52 function table, a 52 x 52 data table, a 100 x 100 extra table and a
// comment in both languages.
QByteArray largestSheetBytes();

// Writes `count` generated datasheets of ordinary size into `directory`, with
// type names and descriptions varied the way a real library varies them.
void writeGeneratedLibrary(const QString& directory, int count);

// Writes a file, creating its directory; aborts the run when it fails, since
// every figure after it would measure an error path.
void writeFileOrDie(const QString& path, const QByteArray& bytes);

} // namespace pinatlas::bench
