#include "status/NamedValueTable.h"

namespace vesk {

int NamedValueTable::find(std::string_view name) const {
    for (std::size_t index = 0; index < entries_.size(); ++index) {
        if (entries_[index].name == name) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

std::int32_t& NamedValueTable::slot(std::string_view name) {
    const int index = find(name);
    if (index >= 0) {
        return entries_[static_cast<std::size_t>(index)].value;
    }
    entries_.push_back({std::string(name), 0});
    return entries_.back().value;
}

} // namespace vesk
