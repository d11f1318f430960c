#pragma once

#include "common/Host.h"
#include "common/Reporting.h"
#include "display/TextBuffer.h"
#include "net/Connection.h"
#include "net/LagMeter.h"
#include "net/LineTriggers.h"
#include "net/ReceivePath.h"
#include "net/TelnetFilter.h"
#include "protocol/ServerEvents.h"
#include "protocol/ServerLineParser.h"
#include "status/StatusModel.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vesk {

// The client's whole state in one object graph, owned on the thread that runs the front end:
// the connection and its receive path, the two text buffers, the status model and everything
// the control channel drives. The front end gives it the socket's events and paints what it
// holds; the core reaches the front end only through Host.
class Client : private ServerEvents, private LineTriggers {
  public:
    Client(Host& host, std::filesystem::path workingDirectory);
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

    // Connection commands and the socket's progress, in the order they happen.
    bool ConnectToSite(std::string_view hostName, std::string_view portText,
                       std::string_view siteName);
    void onHostLookupFailed();
    void onConnecting();
    void onConnectFailed();
    void onConnected();
    // One read from the socket, as it arrived.
    void onReceived(std::string_view bytes);
    // The socket failed while reading: noted in the diagnostic log, then the connection ends.
    void onReadError();
    // The connection ended: the peer closed, Disconnect, or the application is exiting.
    void OnConnectionEnded(bool byExit);

    // Asks the server to describe the character again, once it has named one.
    void Refresh();
    // The once-a-second lag read-out.
    std::string lagReadout(bool narrow) const { return lag_.readoutText(narrow); }

    TextBuffer& mainBuffer() { return mainBuffer_; }
    TextBuffer& chatBuffer() { return chatBuffer_; }
    StatusModel& status() { return status_; }
    Connection& connection() { return connection_; }
    const LagMeter& lagMeter() const { return lag_; }
    const ServerLineParser& parser() const { return parser_; }
    const ReceivePath& receivePath() const { return receivePath_; }
    Reporting& reporting() { return reporting_; }
    bool serverEchoes() const { return telnet_.serverEchoes(); }
    bool codingAccess() const { return codingAccess_; }
    const std::string& title() const { return title_; }
    const std::filesystem::path& workingDirectory() const { return workingDirectory_; }

  private:
    void setTitle(std::string title);
    void addNotice(std::string_view colour, std::string_view text, int emptyLines);

    // ServerEvents: what the parser hands on. Parts of the client that are not built yet keep
    // the harmless defaults.
    void grantCodingAccess() override;

    Host& host_;
    std::filesystem::path workingDirectory_;
    Reporting reporting_;
    LagMeter lag_;
    Connection connection_;
    TextBuffer mainBuffer_;
    TextBuffer chatBuffer_;
    StatusModel status_;
    TelnetFilter telnet_;
    ServerLineParser parser_;
    ReceivePath receivePath_;
    std::string title_ = "Vesk - Not Connected";
    std::string received_;
    bool codingAccess_ = false;
};

} // namespace vesk
