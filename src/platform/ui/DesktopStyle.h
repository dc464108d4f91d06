#pragma once

namespace pinatlas {

// The desktop's own style, with the flat scroll bars of the classic desktop
// the windows were designed on. The scroll bars keep the desktop style's
// width, so every layout stays as it is.
void installDesktopStyle();

} // namespace pinatlas
