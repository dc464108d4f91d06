#pragma once

#include <QString>

#include <span>

namespace pinatlas {

struct MenuCaption {
    const char* item; // objectName of the menu or action
    QString de;
    QString en;
};

// The menu captions that follow the language, in the order they are set;
// "&" marks the mnemonic letter, distinct within each menu in either language.
std::span<const MenuCaption> languageCaptions();

} // namespace pinatlas
