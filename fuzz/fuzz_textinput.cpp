// Drives whole-line reading and list input in an order chosen by the input
// itself, so that every mix of the two ways of reading is tried.
#include "library/RoundHalfEven.h"
#include "library/TextInput.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const uint8_t plan = data[0];
    pinatlas::TextInput in(
        QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)));
    for (int step = 0; !in.atEnd(); ++step) {
        const int before = in.lineNumber();
        switch ((plan >> (step % 4 * 2)) & 3) {
        case 0:
            in.readLine();
            break;
        case 1:
            in.readField();
            break;
        default:
            if (auto n = in.readNumber())
                pinatlas::roundHalfEven(*n);
            break;
        }
        if (in.lineNumber() < before)
            __builtin_trap();
    }
    return 0;
}
