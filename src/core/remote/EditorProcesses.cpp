#include "remote/EditorProcesses.h"

namespace vesk {

bool EditorProcesses::startUnlessRunning(const std::string& program, const std::string& file) {
    const auto earlier = started_.find(file);
    if (earlier != started_.end() && host_.processRunning(earlier->second)) {
        return true;
    }
    return start(program, file);
}

// The editor setting names the program as a whole (a path with blanks included) and the file is
// its one argument; nothing passes through a shell.
bool EditorProcesses::start(const std::string& program, const std::string& file) {
    const Host::ProcessId process = program.empty() ? 0 : host_.startProcess(program, {file});
    if (process == 0) {
        return false;
    }
    started_[file] = process;
    return true;
}

} // namespace vesk
