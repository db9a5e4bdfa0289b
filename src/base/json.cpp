#include "base/json.h"

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

std::string jsonText(const ordered_json& value) {
    return value.dump(2, ' ', false, ordered_json::error_handler_t::replace) + '\n';
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
