#pragma once

namespace pinatlas {

// The toolkit's own texts (the buttons of message boxes, the edit menus of
// text boxes and grids, its dialogs) follow the program's language: German
// loads the toolkit's German translations, English drops them again.
void setToolkitLanguage(bool german);

} // namespace pinatlas
