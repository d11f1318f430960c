#include "ChangeTimer.h"

#include "app/QtHost.h"

#include <algorithm>

namespace vesk::bench {

namespace {

constexpr const char* changeNames[] = {
    "Change::MainBuffer",  "Change::ChatBuffer",  "Change::Status", "Change::Title",
    "Change::Menu",        "Change::LagMeter",    "Change::Skills", "Change::WhoList",
    "Change::HelpBrowser", "Change::FileBrowser", "Change::News",
};

} // namespace

ChangeTimer::ChangeTimer(QtHost& host) : host_(host) {
    clock_.start();
    connect(&host_, &QtHost::changedSignal, this, [this] { began_ = clock_.nsecsElapsed(); });
}

void ChangeTimer::finishConnecting() {
    connect(&host_, &QtHost::changedSignal, this, [this](Change what) {
        const auto index = static_cast<std::size_t>(what);
        if (measuring_ && index < std::size(changeNames)) {
            nanoseconds_[index] += clock_.nsecsElapsed() - began_;
            ++counts_[index];
        }
    });
}

std::vector<TimeShare> ChangeTimer::shares() const {
    std::vector<TimeShare> shares;
    for (std::size_t index = 0; index < std::size(changeNames); ++index) {
        if (counts_[index] > 0) {
            shares.push_back({changeNames[index], static_cast<double>(nanoseconds_[index]) / 1e6,
                              counts_[index]});
        }
    }
    std::sort(shares.begin(), shares.end(), [](const TimeShare& left, const TimeShare& right) {
        return left.milliseconds > right.milliseconds;
    });
    return shares;
}

} // namespace vesk::bench
