#pragma once

#include <QtGlobal>

#include <algorithm>

namespace pinatlas {

// The largest extent in twips anything on screen is given: far beyond any
// screen, yet small enough that the sum of a few stays within int. Sizes that
// grow with the length of a text are computed in 64 bits and clamped to it,
// so that a huge text shows what fits instead of wrapping into nonsense.
inline constexpr qint64 kMaxExtent = 100'000'000;

constexpr int clampExtent(qint64 twips) {
    return int(std::clamp<qint64>(twips, 0, kMaxExtent));
}

} // namespace pinatlas
