#pragma once

namespace pinatlas {

// The windows are designed for the classic desktop fonts: MS Sans Serif
// 8.25 pt for controls, Arial, Courier New and Times New Roman where named.
// On this platform they resolve to their metric twins, so the twips layouts fit.
void installDesktopFonts();

} // namespace pinatlas
