#include "lang/Captions.h"

#include "shared/Maker.h"

#include <array>

namespace pinatlas {

std::span<const MenuCaption> languageCaptions() {
    // An ampersand of the site name is shown, not taken as a mnemonic.
    static const QString site =
        QString::fromUtf8(maker::kSiteName).replace(QLatin1Char('&'), QStringLiteral("&&"));
    static const std::array<MenuCaption, 22> captions = {{
        {"M_Datei", QStringLiteral("&Datei"), QStringLiteral("&File")},
        {"Beenden", QStringLiteral("&Beenden"), QStringLiteral("E&xit")},
        {"Drucken", QStringLiteral("&Drucken…"), QStringLiteral("&Print…")},
        {"PDF_speichern", QStringLiteral("Als &PDF speichern…"), QStringLiteral("&Save as PDF…")},
        {"Suchen", QStringLiteral("&Suchen…"), QStringLiteral("&Find…")},
        {"Familien", QStringLiteral("F&amilien…"), QStringLiteral("F&amilies…")},
        {"Optionen", QStringLiteral("&Optionen"), QStringLiteral("&Option")},
        {"Sortiere", QStringLiteral("&Sortiere ICs"), QStringLiteral("&Sort ICs")},
        {"SortIC1", QStringLiteral("nach &Typ"), QStringLiteral("by &type")},
        {"SortIC2", QStringLiteral("nach &Beschreibung"), QStringLiteral("by &description")},
        {"Pinrollen", QStringLiteral("&Pin-Rollen zeigen"), QStringLiteral("Show &pin roles")},
        {"Bearbeiten", QStringLiteral("&Bearbeiten"), QStringLiteral("&Edit")},
        {"Datenblatt", QStringLiteral("&Datenblatt"), QStringLiteral("&Datasheet")},
        {"D_hinzufügen", QStringLiteral("&hinzufügen"), QStringLiteral("&add")},
        {"D_ändern", QStringLiteral("ä&ndern"), QStringLiteral("&edit")},
        {"D_entfernen", QStringLiteral("&entfernen"), QStringLiteral("&remove")},
        {"Verzeichnis", QStringLiteral("&Verzeichnis"), QStringLiteral("Di&rectory")},
        {"V_hinzufügen", QStringLiteral("&hinzufügen"), QStringLiteral("&add")},
        {"V_entfernen", QStringLiteral("&entfernen"), QStringLiteral("&remove")},
        {"MNU_S_velkaris", site + QStringLiteral(" &Homepage"),
         site + QStringLiteral(" &homepage")},
        {"MNU_S_Bücher", QStringLiteral("&Buch-Schnellsuche"), QStringLiteral("&Book-quickfinder")},
        {"MNU_S_Update", QStringLiteral("Software &Updates"), QStringLiteral("Software &updates")},
    }};
    return captions;
}

} // namespace pinatlas
