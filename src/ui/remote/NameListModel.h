#pragma once

#include <QAbstractListModel>
#include <QIcon>

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace vesk {

// A list of the server's names (a directory's files, the help topics) as a list view reads it,
// straight from the core model that holds them: a row's text is made only when the view paints
// that row. The core list is read through three functions; it only ever grows at its front
// until it is replaced as a whole, which its generation number tells.
//
// follow() brings the rows up to date in time linear in what changed: names added at the front
// are inserted in one go and nothing already listed is touched (the player's place and
// selection stay), a replaced list is reset once.
class NameListModel : public QAbstractListModel {
    Q_OBJECT

public:
    struct Source {
        std::function<std::size_t()> count;
        std::function<std::string_view(std::size_t)> name;
        std::function<QIcon(std::size_t)> icon;
        std::function<std::uint64_t()> generation;
    };

    NameListModel(Source source, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Brings the rows up to date; the number of names that are new at the front, or -1 when
    // the list was replaced.
    int follow();
    // The core list's index of the name a row shows, or nothing when the row shows none (the
    // list has been replaced since the view last followed).
    std::optional<std::size_t> itemOf(const QModelIndex& index) const;

private:
    Source source_;
    // What the view knows: the core list's generation and length when it last followed.
    std::uint64_t generation_ = 0;
    int rows_ = 0;
};

} // namespace vesk
