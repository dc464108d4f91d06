#include "Commands.h"

#include <cstdio>

namespace pinatlas::tool {

int dump(const QStringList&) {
    std::fputs("pinatlas-tool dump: not built yet\n", stderr);
    return 2;
}

} // namespace pinatlas::tool
