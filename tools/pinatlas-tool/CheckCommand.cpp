#include "Commands.h"

#include <cstdio>

namespace pinatlas::tool {

int check(const QStringList&) {
    std::fputs("pinatlas-tool check: not built yet\n", stderr);
    return 2;
}

} // namespace pinatlas::tool
