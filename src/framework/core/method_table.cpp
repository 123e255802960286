#include "framework/core/method_table.h"

#include <cctype>

namespace brisat {

std::string TMethodTable::Key(std::string_view name) {
    std::string key(name);
    for (char& c : key)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

} // namespace brisat
