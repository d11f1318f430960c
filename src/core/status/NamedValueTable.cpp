#include "status/NamedValueTable.h"

namespace vesk {

int NamedValueTable::find(std::string_view name) const {
    const auto found = index_.find(name);
    return found == index_.end() ? -1 : static_cast<int>(found->second);
}

std::int32_t& NamedValueTable::slot(std::string_view name) {
    const int index = find(name);
    if (index >= 0) {
        return entries_[static_cast<std::size_t>(index)].value;
    }
    if (entries_.size() >= limit_) {
        overflow_ = 0;
        return overflow_;
    }
    index_.emplace(std::string(name), entries_.size());
    entries_.push_back({std::string(name), 0});
    return entries_.back().value;
}

void NamedValueTable::clear() {
    entries_.clear();
    index_.clear();
}

void NamedValueTable::assign(const NamedValueTable& other) {
    entries_ = other.entries_;
    index_ = other.index_;
}

} // namespace vesk
