#include "profiles/TriggerList.h"

#include <atomic>

namespace vesk {

// Revisions come from one counter for every list, so two lists never share one: a list copied
// over another gives the target a revision the engine has not seen, whatever its address.
std::uint64_t TriggerList::nextRevision() {
    static std::atomic<std::uint64_t> counter{0};
    return ++counter;
}

std::vector<TriggerRecord>& TriggerList::edited() {
    revision_ = nextRevision();
    return records_;
}

// The moved-from list is left empty under a revision of its own, so the revision the records
// travelled with stays unique to them.
TriggerList::TriggerList(TriggerList&& other) noexcept
    : records_(std::move(other.records_)), revision_(other.revision_) {
    other.records_.clear();
    other.revision_ = nextRevision();
}

TriggerList& TriggerList::operator=(const TriggerList& other) {
    edited() = other.records_;
    return *this;
}

TriggerList& TriggerList::operator=(TriggerList&& other) noexcept {
    edited() = std::move(other.records_);
    other.records_.clear();
    other.revision_ = nextRevision();
    return *this;
}

TriggerList& TriggerList::operator=(std::initializer_list<TriggerRecord> records) {
    edited() = records;
    return *this;
}

TriggerList::iterator TriggerList::insert(const_iterator position, TriggerRecord record) {
    auto& records = edited();
    return records.insert(position, std::move(record));
}

TriggerList::iterator TriggerList::erase(const_iterator position) {
    auto& records = edited();
    return records.erase(position);
}

} // namespace vesk
