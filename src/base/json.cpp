#include "base/json.h"

#include <algorithm>

namespace pelmora {

namespace {

// Listens to a parse only for its error: the message of the parser's error
// without throwing it.
class ErrorOnly : public nlohmann::json_sax<ordered_json> {
public:
    std::string message;

    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return true; }
    bool key(string_t&) override { return true; }
    bool end_object() override { return true; }
    bool start_array(std::size_t) override { return true; }
    bool end_array() override { return true; }
    bool parse_error(std::size_t, const std::string&,
                     const nlohmann::detail::exception& e) override {
        message = e.what();
        return false;
    }
};

} // namespace

bool parseJson(std::string_view text, ordered_json& out, std::string& error) {
    ordered_json value = ordered_json::parse(text, nullptr, false);
    if (!value.is_discarded()) {
        out = std::move(value);
        return true;
    }
    ErrorOnly listener;
    ordered_json::sax_parse(text, &listener);
    // "[json.exception.parse_error.101] parse error at line 1, column 8: ..."
    error = listener.message;
    if (const auto at = error.find("line "); at != std::string::npos) {
        error.erase(0, at);
    }
    if (error.empty()) {
        error = "not valid JSON";
    }
    return false;
}

namespace {

std::string scalarText(const ordered_json& value) {
    return value.dump(-1, ' ', false, ordered_json::error_handler_t::replace);
}

// nlohmann's own layout puts every array element on a line of its own; an
// array of plain values (a key matrix, a DPI table) reads better on one line,
// as the program has always printed it. Every value is still written by
// nlohmann: this only places them.
void layOut(const ordered_json& value, std::size_t depth, std::string& out) {
    const bool flatArray =
        value.is_array() && std::none_of(value.begin(), value.end(),
                                         [](const ordered_json& e) { return e.is_structured(); });
    if (!value.is_structured() || value.empty() || flatArray) {
        if (!flatArray) {
            out += scalarText(value);
            return;
        }
        out += '[';
        for (std::size_t i = 0; i < value.size(); ++i) {
            out += (i == 0 ? "" : ", ") + scalarText(value[i]);
        }
        out += ']';
        return;
    }
    const bool object = value.is_object();
    out += object ? "{\n" : "[\n";
    std::size_t left = value.size();
    for (auto it = value.begin(); it != value.end(); ++it) {
        out.append((depth + 1) * 2, ' ');
        if (object) {
            out += scalarText(it.key()) + ": ";
        }
        layOut(it.value(), depth + 1, out);
        out += --left > 0 ? ",\n" : "\n";
    }
    out.append(depth * 2, ' ');
    out += object ? '}' : ']';
}

} // namespace

std::string jsonText(const ordered_json& value) {
    std::string text;
    layOut(value, 0, text);
    return text + '\n';
}

std::optional<unsigned> smallNumber(const ordered_json& value, unsigned max) {
    // Parsed text gives unsigned numbers; numbers set in code are signed.
    if (!value.is_number_integer() || (!value.is_number_unsigned() && value.get<long long>() < 0) ||
        value.get<std::uint64_t>() > max) {
        return std::nullopt;
    }
    return static_cast<unsigned>(value.get<std::uint64_t>());
}

} // namespace pelmora
