#include "library/DatasheetReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const pinatlas::ReadResult result = pinatlas::readDatasheet(
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), QStringLiteral("X"));
    if (result.file) {
        const pinatlas::Datasheet& s = result.file->sheet;
        if (s.pinCount < 0 || s.pinCount > pinatlas::kMaxPins)
            __builtin_trap();
        if (s.hasFunctionTable && (s.functionCells.columns() > pinatlas::kMaxFunctionColumns ||
                                   s.functionCells.rows() > pinatlas::kMaxFunctionRows))
            __builtin_trap();
        if (s.hasExtraTable && (s.extraCells.columns() > pinatlas::kMaxExtraColumns ||
                                s.extraCells.rows() > pinatlas::kMaxExtraRows))
            __builtin_trap();
    } else if (result.defect.isEmpty()) {
        __builtin_trap();
    }
    return 0;
}
