#include "JsonWriter.h"

#include <cstdio>

namespace vesk::replay {

void JsonWriter::separate() {
    if (needComma_) {
        out_.push_back(',');
    }
    needComma_ = true;
}

void JsonWriter::open(char bracket) {
    separate();
    out_.push_back(bracket);
    needComma_ = false;
}

void JsonWriter::close(char bracket) {
    out_.push_back(bracket);
    needComma_ = true;
}

void JsonWriter::key(std::string_view name) {
    separate();
    appendEscaped(name);
    out_.push_back(':');
    needComma_ = false;
}

void JsonWriter::string(std::string_view text) {
    separate();
    appendEscaped(text);
}

void JsonWriter::number(std::int64_t value) {
    separate();
    out_ += std::to_string(value);
}

void JsonWriter::boolean(bool value) {
    separate();
    out_ += value ? "true" : "false";
}

void JsonWriter::appendEscaped(std::string_view text) {
    out_.push_back('"');
    for (const char character : text) {
        const auto byte = static_cast<unsigned char>(character);
        if (byte == '"' || byte == '\\') {
            out_.push_back('\\');
            out_.push_back(character);
        } else if (byte < 0x20 || byte >= 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out_ += escaped;
        } else {
            out_.push_back(character);
        }
    }
    out_.push_back('"');
}

} // namespace vesk::replay
