#include "app/ConfigFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const pinatlas::ConfigValues values =
        pinatlas::parseConfig(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (int count : {0, 1, 5, 1000}) {
        const int selected = pinatlas::selectedPosition(values, count);
        if (selected < -1 || selected >= count)
            __builtin_trap();
    }
    // Whatever was read must survive being written and read again.
    if (values.language && !values.language->contains(u',') && !values.language->contains(u'\r') &&
        !values.language->contains(u'\n') && !values.language->startsWith(u'"') &&
        !values.language->startsWith(u' ') && !values.language->isEmpty()) {
        const int position = values.position.value_or(0);
        const pinatlas::ConfigValues again =
            pinatlas::parseConfig(pinatlas::formatConfig(*values.language, position));
        if (again.position != position)
            __builtin_trap();
    }
    return 0;
}
