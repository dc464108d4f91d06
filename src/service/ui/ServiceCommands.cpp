#include "service/ui/ServiceCommands.h"

#include "app/ui/Haupt.h"

namespace pinatlas {

ServiceCommands::ServiceCommands(Haupt& haupt) : QObject(&haupt), m_haupt(haupt) {}

void ServiceCommands::openHomepage() {}

void ServiceCommands::openUpdates() {}

void ServiceCommands::openBookShop() {}

void ServiceCommands::showAbout() {}

void ServiceCommands::contributionMail() {}

} // namespace pinatlas
