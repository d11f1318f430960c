#include "FakeHost.h"

#include <algorithm>

namespace vesk::testing {

long FakeHost::sendToServer(std::string_view bytes) {
    sent.emplace_back(bytes);
    return sendResult == -2 ? static_cast<long>(bytes.size()) : sendResult;
}

int FakeHost::countChanges(Change what) const {
    return static_cast<int>(std::count(changes.begin(), changes.end(), what));
}

void FakeHost::clearRecords() {
    sent.clear();
    warnings.clear();
    messages.clear();
    traces.clear();
    changes.clear();
    terminations.clear();
}

} // namespace vesk::testing
