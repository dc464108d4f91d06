#include "display/PinoutText.h"

#include "display/PackageDrawing.h"

#include <algorithm>

namespace pinatlas {

QList<PinEntry> pinEntries(const Datasheet& sheet) {
    // Exactly the pins the drawing shows, whatever the count says.
    const PinBoxes boxes = FillPinBoxes(sheet);
    QList<int> pins;
    for (const QStringList* numbers : {&boxes.numbersL, &boxes.numbersR})
        for (const QString& number : *numbers)
            pins << number.trimmed().toInt();
    std::sort(pins.begin(), pins.end());
    QList<PinEntry> entries;
    for (const int pin : pins)
        entries.append({pin, sheet.pinName(pin), {}, {}});
    return entries;
}

QString pinEntryText(const PinEntry& entry, Language language) {
    const bool german = language == Language::German;
    QString text = QStringLiteral("Pin %1, ").arg(entry.number);
    const QString name = entry.name.trimmed();
    if (name.isEmpty())
        text += german ? QStringLiteral("ohne Namen") : QStringLiteral("no name");
    else
        text += name;
    if (!entry.role.isEmpty())
        text += QStringLiteral(", ") + entry.role;
    if (!entry.column.isEmpty())
        text += (german ? QStringLiteral(", Spalte ") : QStringLiteral(", column ")) + entry.column;
    return text;
}

} // namespace pinatlas
