#pragma once

namespace pinatlas {

// The order of the IC list.
enum class IcSort { ByType = 0, ByDescription = 1 };

} // namespace pinatlas
