#pragma once

#include "FakeHost.h"
#include "client/Client.h"

#include <QAbstractItemView>
#include <QIcon>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::testing {

// The texts of a list's rows, top to bottom.
inline QStringList Texts(const QAbstractItemView& list) {
    QStringList texts;
    for (int row = 0; row < list.model()->rowCount(); ++row) {
        texts << list.model()->index(row, 0).data().toString();
    }
    return texts;
}

// Where a list draws a row, in its viewport.
inline QRect RowRect(const QAbstractItemView& list, int row) {
    return list.visualRect(list.model()->index(row, 0));
}

inline QIcon RowIcon(const QAbstractItemView& list, int row) {
    return list.model()->index(row, 0).data(Qt::DecorationRole).value<QIcon>();
}

// The first row showing this text, or -1.
inline int RowOf(const QAbstractItemView& list, const QString& text) {
    return static_cast<int>(Texts(list).indexOf(text));
}

inline void SelectRow(QAbstractItemView& list, int row) {
    list.setCurrentIndex(list.model()->index(row, 0));
}

// A FakeHost that also passes every change on, as the main window does, so a window under test
// refreshes the way it will in the program.
class ForwardingHost : public FakeHost {
public:
    void changed(Change what) override {
        FakeHost::changed(what);
        if (onChanged) {
            onChanged(what);
        }
    }
    std::function<void(Change)> onChanged;
};

// A client in a fresh working folder, connected to the game port, whose editors are stubs.
struct ConnectedClient {
    static constexpr std::string_view editor = "/opt/stub/editor";
    static constexpr std::string_view helpEditor = "/opt/stub/help editor";

    ConnectedClient();
    void connect();
    // Feeds server lines, each ended with a line feed, as one read.
    void feed(const std::vector<std::string>& lines);
    // What was sent, each line without the line feed and terminating zero the wire adds.
    std::vector<std::string> sentLines() const;
    std::string path(std::string_view name) const;
    std::string read(std::string_view name) const;

    QTemporaryDir folder;
    ForwardingHost host;
    Client client;
};

} // namespace vesk::testing

namespace QTest {
// Sent lines read in a failure message.
template <> inline char* toString(const std::vector<std::string>& lines) {
    QByteArray text = "{";
    for (const std::string& line : lines) {
        text += " \"" + QByteArray::fromStdString(line) + "\"";
    }
    return qstrdup(text + " }");
}
} // namespace QTest
