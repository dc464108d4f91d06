#include "Commands.h"

#include <cstdio>

namespace pinatlas::tool {

int list(const QStringList&) {
    std::fputs("pinatlas-tool list: not built yet\n", stderr);
    return 2;
}

} // namespace pinatlas::tool
