#include "maintenance/ui/LibraryCommands.h"

#include "app/ui/Haupt.h"

namespace pinatlas {

LibraryCommands::LibraryCommands(Haupt& haupt) : QObject(&haupt), m_haupt(haupt) {}

void LibraryCommands::removeDatasheet() {}

void LibraryCommands::addDirectory() {}

void LibraryCommands::removeDirectory() {}

} // namespace pinatlas
