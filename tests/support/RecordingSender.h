#pragma once

#include "common/LineSender.h"

#include <string>
#include <vector>

namespace vesk::testing {

// Records every line handed to the wire, one entry per call.
class RecordingSender : public LineSender {
public:
    long DoSend(std::string_view text) override {
        lines.emplace_back(text);
        return static_cast<long>(text.size());
    }
    std::vector<std::string> lines;
};

} // namespace vesk::testing
