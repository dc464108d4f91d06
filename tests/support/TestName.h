#pragma once

#include <string>

namespace pinatlas::test {

// A data row's description as a test name: letters and digits, the rest "_".
inline std::string testName(const char* what) {
    std::string name(what);
    for (char& c : name) {
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            c = '_';
    }
    return name;
}

} // namespace pinatlas::test
