#include "library/ui/Darstellung.h"

#include "app/ui/Haupt.h"

namespace pinatlas {

Darstellung::Darstellung(Haupt& haupt) : QObject(&haupt), m_haupt(haupt) {}

void Darstellung::Liste_aufbauen() {}

void Darstellung::Datenblatt_laden() {}

} // namespace pinatlas
