#include "display/PinoutText.h"

namespace pinatlas {

QList<PinEntry> pinEntries(const Datasheet& sheet) {
    QList<PinEntry> entries;
    for (int pin = 1; pin <= sheet.pinCount; ++pin)
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
