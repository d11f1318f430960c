#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vesk::replay {

// Writes JSON text with no whitespace beyond what keeps it readable. Strings are byte strings:
// bytes 0x80-0xFF and control bytes become \u00XX, so any server text round-trips.
class JsonWriter {
public:
    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }
    void key(std::string_view name);
    void string(std::string_view text);
    void number(std::int64_t value);
    void boolean(bool value);

    const std::string& text() const { return out_; }

private:
    void open(char bracket);
    void close(char bracket);
    void separate();
    void appendEscaped(std::string_view text);

    std::string out_;
    bool needComma_ = false;
};

} // namespace vesk::replay
