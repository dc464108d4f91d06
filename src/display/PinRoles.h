#pragma once

#include "library/Datasheet.h"
#include "shared/Language.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace pinatlas {

// What a pin does, as far as the sheet itself tells: its name, the function
// table's input and output columns, the output type and the descriptions.
// Nothing is guessed: a pin the sheet does not place stays Unknown.
enum class PinKind { Unknown, Supply, Input, Output, InputOutput, NotConnected };

enum class OutputStage { PushPull, OpenCollector, OpenDrain, ThreeState, Other };

struct PinRole {
    PinKind kind = PinKind::Unknown;
    bool activeLow = false;                    // the name begins with "/"
    bool clock = false;                        // an input whose column holds an edge (L>H, H>L)
    bool schmitt = false;                      // an input of a sheet that describes hysteresis
    OutputStage stage = OutputStage::PushPull; // outputs only
    QList<int> columns; // function-table columns (from 1) whose heading names the pin

    bool isInput() const { return kind == PinKind::Input || kind == PinKind::InputOutput; }
    bool isOutput() const { return kind == PinKind::Output || kind == PinKind::InputOutput; }
    bool operator==(const PinRole&) const = default;
};

// Roles of pins 1 to n (index pin - 1). `comment`: comment lines of either
// language, read for the word Schmitt or hysteresis beside the short
// descriptions.
QList<PinRole> pinRoles(const Datasheet& sheet, const QStringList& comment = {});

// Whether a table cell or a column heading names the pin: the name itself,
// without its unit number (1A names A), with an index placeholder (Dn, Qx),
// a range (QA-QH, A..H, Q1-Q7) or a list (A3:B3, "QB QC QD").
bool cellNamesPin(const QString& cell, const QString& pinName);

// The conventional drawing marks of a role, in drawing order from the name
// towards the body: Schmitt, output stage, clock, active low.
enum class PinMark { Schmitt, OpenCollector, ThreeState, Clock, ActiveLow };
inline constexpr PinMark kLegendOrder[] = {PinMark::ActiveLow, PinMark::Clock, PinMark::Schmitt,
                                           PinMark::OpenCollector, PinMark::ThreeState};
QList<PinMark> pinMarks(const PinRole& role);
// "active low", "Takt": what the legend says of a mark.
QString pinMarkName(PinMark mark, Language language);
// The mark as text, Unicode or plain ASCII; `pointsLeft`: a clock on the
// right side points back at the body.
QString pinMarkSymbol(PinMark mark, bool ascii, bool pointsLeft = false);
// "○ active low   ▷ clock ..." for `marks` (PinBoxes::legend); empty for none.
QString pinMarkLegend(const QList<PinMark>& marks, Language language, bool ascii = false);

// "input, active low, clock" / "Eingang, low-aktiv, Takt".
QString pinRoleText(const PinRole& role, Language language);
// The headings of the function-table columns that name the pin, joined by
// ", "; empty when none does. With pinRoleText() what a pin list tells of a
// pin beside its number and name.
QString pinColumnText(const Datasheet& sheet, const PinRole& role);
// What a screen reader or a tooltip says of pin `pin`: its role and the
// function-table columns that name it, in `language`.
QString pinDescription(const Datasheet& sheet, const QList<PinRole>& roles, int pin,
                       Language language);

// Rows (from 1) of the extra table that name the pin.
QList<int> extraRowsNamingPin(const Datasheet& sheet, int pin);

} // namespace pinatlas
