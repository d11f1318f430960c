#pragma once

#include "common/Host.h"

namespace vesk::bench {

// A host that does nothing, so a benchmark measures the core alone.
class BenchHost : public Host {
public:
    long sendToServer(std::string_view bytes) override { return static_cast<long>(bytes.size()); }
    void showWarning(const std::string&) override {}
    void showMessage(const std::string&) override {}
    std::uint32_t milliseconds() override { return ++clock_; }
    void debugOutput(const std::string&) override {}
    void changed(Change) override {}
    void terminate(int) override {}
    bool askQuestion(const std::string&, const std::string&) override { return false; }
    std::string clipboardText() override { return {}; }
    void setClipboardText(const std::string&) override {}
    bool playSound(const std::string&) override { return true; }
    ProcessId startProcess(const std::string&, const std::vector<std::string>&) override {
        return 1;
    }
    void openUrl(const std::string&) override {}

private:
    std::uint32_t clock_ = 0;
};

} // namespace vesk::bench
