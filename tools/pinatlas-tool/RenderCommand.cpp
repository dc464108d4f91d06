#include "Commands.h"

#include <cstdio>

namespace pinatlas::tool {

int render(const QStringList&) {
    std::fputs("pinatlas-tool render: not built yet\n", stderr);
    return 2;
}

} // namespace pinatlas::tool
