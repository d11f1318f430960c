#pragma once

#include <string_view>

namespace vesk {

// The one routine that puts a line on the wire ("DoSend"): it appends the line feed and
// stamps the lag meter. Login answers and control-channel replies
// call it directly; everything the player types goes through the send path first.
class LineSender {
public:
    virtual ~LineSender() = default;
    // Returns the number of bytes handed to the connection, or -1.
    virtual long DoSend(std::string_view text) = 0;
};

} // namespace vesk
