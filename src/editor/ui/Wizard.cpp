#include "editor/ui/Wizard.h"

#include "app/ui/Haupt.h"

namespace pinatlas {

Wizard::Wizard(Haupt& haupt) : QObject(&haupt), m_haupt(haupt) {}

void Wizard::startNew() {}

void Wizard::startEdit() {}

} // namespace pinatlas
