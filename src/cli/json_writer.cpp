#include "cli/json_writer.h"

#include "base/hex_text.h"

#include <cstdio>

namespace pelmora::cli {

std::string hexString(std::span<const std::uint8_t> bytes) {
    return toHex(bytes);
}

std::string jsonEscape(std::string_view text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '"':
            escaped += "\\\"";
            break;
        case '\\':
            escaped += "\\\\";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\t':
            escaped += "\\t";
            break;
        case '\r':
            escaped += "\\r";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned char>(c));
                escaped += buffer;
            } else {
                escaped.push_back(c);
            }
        }
    }
    return escaped;
}

void JsonWriter::newline() {
    out_ << '\n';
    for (std::size_t i = 0; i < levels_.size(); ++i) {
        out_ << "  ";
    }
}

void JsonWriter::prefix(std::string_view name) {
    if (levels_.empty()) {
        return;
    }
    Level& level = levels_.back();
    if (!level.first) {
        out_ << ',';
    }
    level.first = false;
    newline();
    if (!level.array) {
        out_ << '"' << jsonEscape(name) << "\": ";
    }
}

void JsonWriter::beginObject(std::string_view name) {
    prefix(name);
    out_ << '{';
    levels_.push_back({true, false});
}

void JsonWriter::close(char bracket) {
    const bool empty = levels_.back().first;
    levels_.pop_back();
    if (!empty) {
        newline();
    }
    out_ << bracket;
}

void JsonWriter::endObject() {
    close('}');
}

void JsonWriter::beginArray(std::string_view name) {
    prefix(name);
    out_ << '[';
    levels_.push_back({true, true});
}

void JsonWriter::endArray() {
    close(']');
}

void JsonWriter::number(std::string_view name, long long value) {
    prefix(name);
    out_ << value;
}

void JsonWriter::string(std::string_view name, std::string_view value) {
    prefix(name);
    out_ << '"' << jsonEscape(value) << '"';
}

void JsonWriter::bytes(std::string_view name, std::span<const std::uint8_t> values) {
    prefix(name);
    out_ << '[';
    for (std::size_t i = 0; i < values.size(); ++i) {
        out_ << (i ? ", " : "") << static_cast<int>(values[i]);
    }
    out_ << ']';
}

} // namespace pelmora::cli
