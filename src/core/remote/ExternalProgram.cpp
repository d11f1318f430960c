#include "remote/ExternalProgram.h"

#include "common/Host.h"

namespace vesk {

bool ExternalProgram::start(const std::string& program, const std::string& file, Origin origin) {
    if (!program.empty() && host_.startProcess(program, {file})) {
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
