#pragma once

#include "library/Datasheet.h"
#include "shared/Language.h"

#include <QString>
#include <QStringList>

namespace pinatlas {

// A sheet for a terminal: the title, the DIL package drawn with box-drawing
// characters (pin numbers inside, names outside, sides as in the window), the
// function, data and extra tables as aligned columns and the comment lines.
// `ascii` draws with plain ASCII and spells other characters out in it.
QString sheetAsText(const Datasheet& sheet, const QStringList& comment, const QString& title,
                    Language language, bool ascii);

// A text in plain ASCII: accents dropped, a few signs spelt out, anything
// else a question mark.
QString toAscii(const QString& text);

} // namespace pinatlas
