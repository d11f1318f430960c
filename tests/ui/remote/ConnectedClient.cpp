#include "ConnectedClient.h"

#include <QFile>

namespace vesk::testing {

ConnectedClient::ConnectedClient() : client(host, folder.path().toStdString()) {
    client.preferences().settings.setText(setting::editor, editor);
    client.preferences().settings.setText(setting::helpEditor, helpEditor);
}

void ConnectedClient::connect() {
    client.ConnectToSite("localhost", "3000", "FenmarchMUD");
    client.onConnecting();
    client.onConnected();
    host.clearRecords();
}

void ConnectedClient::feed(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\n";
    }
    client.onReceived(bytes);
}

std::vector<std::string> ConnectedClient::sentLines() const {
    std::vector<std::string> lines;
    for (std::string text : host.sent) {
        if (text.ends_with('\n')) {
            text.pop_back();
        }
        lines.push_back(text);
    }
    return lines;
}

std::string ConnectedClient::path(std::string_view name) const {
    return (std::filesystem::path(folder.path().toStdString()) / name).string();
}

std::string ConnectedClient::read(std::string_view name) const {
    QFile file(QString::fromStdString(path(name)));
    if (!file.open(QIODevice::ReadOnly)) {
        return "(missing)";
    }
    return file.readAll().toStdString();
}

} // namespace vesk::testing
