#pragma once

#include "profiles/TriggerRecord.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

namespace vesk {

// A profile's triggers in list order, which is also the order they fire in. The list carries
// a revision that no other list holds and that changes with every chance of an edit: any
// access that could change a trigger (a non-const element, iterator or the whole list being
// assigned) takes a fresh one. The trigger engine compares revisions to know, without being
// told, when its index must be rebuilt: editing a pattern in place, switching a trigger on or
// copying an edited list of the same length over the live one all show.
//
// A reference to a trigger must not be kept and written through later: the write would come
// after the revision it took.
class TriggerList {
public:
    using value_type = TriggerRecord;
    using iterator = std::vector<TriggerRecord>::iterator;
    using const_iterator = std::vector<TriggerRecord>::const_iterator;

    TriggerList() = default;
    TriggerList(std::initializer_list<TriggerRecord> records) : records_(records) {}
    explicit TriggerList(std::vector<TriggerRecord> records) : records_(std::move(records)) {}
    TriggerList(const TriggerList& other) : records_(other.records_) {}
    TriggerList(TriggerList&& other) noexcept;
    TriggerList& operator=(const TriggerList& other);
    TriggerList& operator=(TriggerList&& other) noexcept;
    TriggerList& operator=(std::initializer_list<TriggerRecord> records);

    std::uint64_t revision() const { return revision_; }

    std::size_t size() const { return records_.size(); }
    bool empty() const { return records_.empty(); }
    const TriggerRecord& operator[](std::size_t position) const { return records_[position]; }
    TriggerRecord& operator[](std::size_t position) { return edited()[position]; }
    const TriggerRecord& back() const { return records_.back(); }
    TriggerRecord& back() { return edited().back(); }
    const_iterator begin() const { return records_.begin(); }
    const_iterator end() const { return records_.end(); }
    iterator begin() { return edited().begin(); }
    iterator end() { return edited().end(); }
    std::span<const TriggerRecord> records() const { return records_; }

    void push_back(TriggerRecord record) { edited().push_back(std::move(record)); }
    iterator insert(const_iterator position, TriggerRecord record);
    iterator erase(const_iterator position);
    void clear() { edited().clear(); }

    bool operator==(const TriggerList& other) const { return records_ == other.records_; }
    bool operator==(const std::vector<TriggerRecord>& records) const { return records_ == records; }

private:
    static std::uint64_t nextRevision();
    std::vector<TriggerRecord>& edited();

    std::vector<TriggerRecord> records_;
    std::uint64_t revision_ = nextRevision();
};

} // namespace vesk
