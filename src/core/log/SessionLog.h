#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace vesk {

class Reporting;
class Settings;

// The kind of a log entry; each has its own switch in the LogPrefs settings, except the
// header, which is always written.
namespace LogCategory {
enum : int { Tell = 0, Shout = 1, Say = 2, Channel = 3, Other = 4, Header = 5 };
}

// A moment in local time, as the log's names and headers show it.
struct localDateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    auto operator<=>(const localDateTime&) const = default;
};

// Copies game text into a plain text file while logging is on: every entry opens the file,
// appends one line and closes it, so nothing is lost if the client dies. The lines of one read
// from the server are held and appended in one go when the read is done, so a flood with
// logging on opens the file once a read, not once a line. The file is the
// fixed LogFile or a name built from the character and the time the connection was made,
// inside the working folder. Entries come from the receive path, the echo of sent commands,
// the header and the prepended window text, all on the one thread of the client.
class SessionLog {
public:
    using Clock = std::function<localDateTime()>;

    SessionLog(const Settings& settings, Reporting& reporting, std::filesystem::path folder,
               Clock clock = systemLocalTime);

    static localDateTime systemLocalTime();

    void WriteLog(std::string_view text, int category);

    // While one is alive, entries are held and appended when the last one ends (in order, each
    // to the file it was meant for).
    class HeldWrites {
    public:
        explicit HeldWrites(SessionLog& log) : log_(log) { ++log_.holds_; }
        ~HeldWrites() {
            if (--log_.holds_ == 0) {
                log_.writeHeld();
            }
        }
        HeldWrites(const HeldWrites&) = delete;
        HeldWrites& operator=(const HeldWrites&) = delete;

    private:
        SessionLog& log_;
    };

    std::string LogFileName() const;
    // The character in play changed (empty on disconnect); starts a new log section.
    void SetCharacterName(std::string_view name);
    // "Log To File". The main view's text is asked for only when it is to be prepended.
    void ToggleLogging(const std::function<std::string()>& mainViewText = {});
    // A connection was made: its local date and time name the automatic log files.
    void connectionMade();

    // While the server echoes for itself (it is asking for a password), a typed line is
    // sent but neither shown nor logged; the send path asks here before it echoes.
    void setInputHidden(bool hidden) { inputHidden_ = hidden; }
    // The echo of a sent command: an "everything else" entry, unless input is hidden.
    void logEchoedCommand(std::string_view text);

    bool loggingOn() const { return loggingOn_; }
    const std::string& characterName() const { return characterName_; }
    const std::string& connectionDate() const { return connectionDate_; }
    const std::string& connectionTime() const { return connectionTime_; }

private:
    bool categoryWanted(int category) const;
    bool waitingForCharacterName() const;
    void writeHeader();
    void append(const std::filesystem::path& path, std::string_view bytes);
    void writeHeld();

    const Settings& settings_;
    Reporting& reporting_;
    std::filesystem::path folder_;
    Clock clock_;
    bool loggingOn_ = false;
    bool inputHidden_ = false;
    // The failure to write an entry has been shown and not overcome since.
    bool failureReported_ = false;
    std::string characterName_;
    std::string connectionDate_;
    std::string connectionTime_;
    int holds_ = 0;
    std::filesystem::path heldPath_;
    std::string held_;
};

} // namespace vesk
