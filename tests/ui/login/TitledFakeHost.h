#pragma once

#include "FakeHost.h"

namespace vesk::uitest {

// FakeHost keeps the titles of warning boxes too, so a test can check the exact caption.
class TitledFakeHost : public testing::FakeHost {
public:
    void showTitledWarning(const std::string& title, const std::string& text) override {
        warnings.push_back(title + "|" + text);
    }
};

} // namespace vesk::uitest
