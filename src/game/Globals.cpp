#include "game/Globals.h"

#include <cstdlib>

namespace varnholt {

std::optional<std::string> GlobalTable::read(std::string_view name) const {
    int index = 0;
    std::string key(name);
    auto open = key.find('(');
    if (open != std::string::npos && key.back() == ')') {
        std::string digits = key.substr(open + 1, key.size() - open - 2);
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
        index = std::atoi(digits.c_str());
        key = key.substr(0, open);
    }
    auto it = readers_.find(key);
    if (it == readers_.end()) return std::nullopt;
    return it->second(index);
}

}  // namespace varnholt
