#include "remote/ExternalProgram.h"

namespace vesk {

bool ExternalProgram::start(const std::string& program, const std::string& file, Origin origin) {
    if (const auto earlier = started_.find(file); origin == Origin::Server &&
                                                  earlier != started_.end() &&
                                                  host_.processRunning(earlier->second)) {
        return true;
    }
    const Host::ProcessId process = program.empty() ? 0 : host_.startProcess(program, {file});
    if (process != 0) {
        started_[file] = process;
        return true;
    }
    report(program, origin);
    return false;
}

void ExternalProgram::report(const std::string& program, Origin origin) {
    std::string text(program.empty() ? texts_.unset : texts_.failed);
    if (const auto mark = text.find("%s"); !program.empty() && mark != std::string::npos) {
        text.replace(mark, 2, program);
    }
    host_.debugOutput(text);
    if (origin == Origin::Server) {
        if (reportedForServer_ == program) {
            return;
        }
        reportedForServer_ = program;
    }
    host_.showWarning(text);
}

} // namespace vesk
