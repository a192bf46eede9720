// The values the game keeps outside its screens, readable by their names in the code for the play-test
// runner's checks: "Popularity", "RivalPopularity(3)", "CurrentWrestler.Name".
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace varnholt {

class GlobalTable {
public:
    // A reader gets the array index (from 1) or 0 for a plain value, and gives the value as text or
    // nothing when the index is out of range.
    using Reader = std::function<std::optional<std::string>(int index)>;
    void add(const std::string& name, Reader reader) { readers_[name] = std::move(reader); }
    std::optional<std::string> read(std::string_view nameWithIndex) const;

private:
    std::map<std::string, Reader, std::less<>> readers_;
};

}  // namespace varnholt
