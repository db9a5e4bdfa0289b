#include "device/sim/sim_state_json.h"

#include "device/hex_text.h"

#include <cctype>
#include <map>
#include <memory>
#include <sstream>
#include <variant>
#include <vector>

namespace pelmora::sim {

namespace {

// Just enough JSON for the state file: objects, arrays, strings, integers.
struct Value;
using Object = std::map<std::string, Value, std::less<>>;
using Array = std::vector<Value>;
struct Value {
    std::variant<std::monostate, long long, std::string, std::shared_ptr<Array>,
                 std::shared_ptr<Object>, bool>
        data;
};

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    bool parseDocument(Value& out, std::string& error) {
        if (!parseValue(out, 0)) {
            error = error_;
            return false;
        }
        skipSpace();
        if (pos_ != text_.size()) {
            error = "unexpected text after the JSON value at offset " + std::to_string(pos_);
            return false;
        }
        return true;
    }

private:
    static constexpr int kMaxDepth = 16;

    bool fail(const std::string& what) {
        error_ = what + " at offset " + std::to_string(pos_);
        return false;
    }
    void skipSpace() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) {
            ++pos_;
        }
    }
    bool literal(std::string_view word) {
        if (text_.substr(pos_, word.size()) == word) {
            pos_ += word.size();
            return true;
        }
        return false;
    }
    bool parseValue(Value& out, int depth) {
        if (depth > kMaxDepth) {
            return fail("nesting too deep");
        }
        skipSpace();
        if (pos_ >= text_.size()) {
            return fail("unexpected end");
        }
        const char c = text_[pos_];
        if (c == '{') {
            return parseObject(out, depth);
        }
        if (c == '[') {
            return parseArray(out, depth);
        }
        if (c == '"') {
            std::string s;
            if (!parseString(s)) {
                return false;
            }
            out.data = std::move(s);
            return true;
        }
        if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) {
            return parseNumber(out);
        }
        if (literal("true")) {
            out.data = true;
            return true;
        }
        if (literal("false")) {
            out.data = false;
            return true;
        }
        if (literal("null")) {
            out.data = std::monostate{};
            return true;
        }
        return fail("unexpected character");
    }
    bool parseNumber(Value& out) {
        const std::size_t start = pos_;
        if (text_[pos_] == '-') {
            ++pos_;
        }
        std::size_t digits = 0;
        long long value = 0;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
            if (++digits > 12) {
                return fail("number too long");
            }
            value = value * 10 + (text_[pos_] - '0');
            ++pos_;
        }
        if (digits == 0) {
            return fail("bad number");
        }
        if (pos_ < text_.size() &&
            (text_[pos_] == '.' || text_[pos_] == 'e' || text_[pos_] == 'E')) {
            return fail("only whole numbers are expected");
        }
        out.data = text_[start] == '-' ? -value : value;
        return true;
    }
    bool parseString(std::string& out) {
        ++pos_; // opening quote
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '"') {
                return true;
            }
            if (c == '\\') {
                if (pos_ >= text_.size()) {
                    break;
                }
                const char e = text_[pos_++];
                switch (e) {
                case '"':
                    out.push_back('"');
                    break;
                case '\\':
                    out.push_back('\\');
                    break;
                case '/':
                    out.push_back('/');
                    break;
                case 'n':
                    out.push_back('\n');
                    break;
                case 't':
                    out.push_back('\t');
                    break;
                default:
                    return fail("unsupported escape in string");
                }
                continue;
            }
            out.push_back(c);
        }
        return fail("unterminated string");
    }
    bool parseArray(Value& out, int depth) {
        ++pos_;
        auto array = std::make_shared<Array>();
        skipSpace();
        if (pos_ < text_.size() && text_[pos_] == ']') {
            ++pos_;
            out.data = array;
            return true;
        }
        while (true) {
            Value element;
            if (!parseValue(element, depth + 1)) {
                return false;
            }
            array->push_back(std::move(element));
            skipSpace();
            if (pos_ < text_.size() && text_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < text_.size() && text_[pos_] == ']') {
                ++pos_;
                out.data = array;
                return true;
            }
            return fail("expected , or ]");
        }
    }
    bool parseObject(Value& out, int depth) {
        ++pos_;
        auto object = std::make_shared<Object>();
        skipSpace();
        if (pos_ < text_.size() && text_[pos_] == '}') {
            ++pos_;
            out.data = object;
            return true;
        }
        while (true) {
            skipSpace();
            if (pos_ >= text_.size() || text_[pos_] != '"') {
                return fail("expected a member name");
            }
            std::string name;
            if (!parseString(name)) {
                return false;
            }
            skipSpace();
            if (pos_ >= text_.size() || text_[pos_] != ':') {
                return fail("expected :");
            }
            ++pos_;
            Value member;
            if (!parseValue(member, depth + 1)) {
                return false;
            }
            (*object)[name] = std::move(member);
            skipSpace();
            if (pos_ < text_.size() && text_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < text_.size() && text_[pos_] == '}') {
                ++pos_;
                out.data = object;
                return true;
            }
            return fail("expected , or }");
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string error_;
};

bool readByte(const Object& object, std::string_view name, std::uint8_t& out, std::string& error) {
    const auto it = object.find(name);
    if (it == object.end()) {
        return true;
    }
    const auto* number = std::get_if<long long>(&it->second.data);
    if (!number || *number < 0 || *number > 255) {
        error = std::string(name) + " must be a number from 0 to 255";
        return false;
    }
    out = static_cast<std::uint8_t>(*number);
    return true;
}

template <std::size_t N>
bool hexInto(const Value& value, std::string_view name, std::array<std::uint8_t, N>& out,
             std::string& error) {
    const auto* text = std::get_if<std::string>(&value.data);
    const auto bytes = text ? fromHex(*text) : std::nullopt;
    if (!bytes || bytes->size() != N) {
        error = std::string(name) + " must be a hex string of " + std::to_string(N) + " bytes";
        return false;
    }
    std::copy(bytes->begin(), bytes->end(), out.begin());
    return true;
}

template <std::size_t N>
bool readHex(const Object& object, std::string_view name, std::array<std::uint8_t, N>& out,
             std::string& error) {
    const auto it = object.find(name);
    return it == object.end() || hexInto(it->second, name, out, error);
}

template <std::size_t N, std::size_t Count>
bool readHexList(const Object& object, std::string_view name,
                 std::array<std::array<std::uint8_t, N>, Count>& out, std::string& error) {
    const auto it = object.find(name);
    if (it == object.end()) {
        return true;
    }
    const auto* list = std::get_if<std::shared_ptr<Array>>(&it->second.data);
    if (!list || (*list)->size() != Count) {
        error = std::string(name) + " must be a list of " + std::to_string(Count) + " hex strings";
        return false;
    }
    for (std::size_t i = 0; i < Count; ++i) {
        if (!hexInto((**list)[i], name, out[i], error)) {
            return false;
        }
    }
    return true;
}

void writeHexList(std::ostringstream& out, std::string_view name, const auto& list) {
    out << "  \"" << name << "\": [";
    for (std::size_t i = 0; i < list.size(); ++i) {
        out << (i ? ",\n    \"" : "\n    \"") << toHex(list[i]) << '"';
    }
    out << "\n  ]";
}

} // namespace

std::string simStateToJson(const SimMouseState& s) {
    std::ostringstream out;
    out << "{\n";
    auto number = [&out](std::string_view name, int value) {
        out << "  \"" << name << "\": " << value << ",\n";
    };
    auto hex = [&out](std::string_view name, std::span<const std::uint8_t> bytes) {
        out << "  \"" << name << "\": \"" << toHex(bytes) << "\",\n";
    };
    number("sensorType", s.sensorType);
    number("reportRate", s.reportRate);
    number("option1", s.option1);
    number("option2", s.option2);
    number("reportInterval", s.reportInterval);
    number("effect", s.effect);
    number("effectOption1", s.effectOption1);
    number("effectOption2", s.effectOption2);
    hex("colourPage0", s.colourPage0);
    hex("colourPage1", s.colourPage1);
    hex("dpiColours", s.dpiColours);
    hex("dpiStages", s.dpiStages);
    writeHexList(out, "keyMatrices", s.keyMatrices);
    out << ",\n";
    writeHexList(out, "macroSlots", s.macroSlots);
    out << "\n}\n";
    return out.str();
}

bool simStateFromJson(std::string_view text, SimMouseState& state, std::string& error) {
    Value root;
    Parser parser(text);
    if (!parser.parseDocument(root, error)) {
        return false;
    }
    const auto* object = std::get_if<std::shared_ptr<Object>>(&root.data);
    if (!object) {
        error = "the state must be a JSON object";
        return false;
    }
    const Object& o = **object;
    SimMouseState next = state;
    const bool ok = readByte(o, "sensorType", next.sensorType, error) &&
                    readByte(o, "reportRate", next.reportRate, error) &&
                    readByte(o, "option1", next.option1, error) &&
                    readByte(o, "option2", next.option2, error) &&
                    readByte(o, "reportInterval", next.reportInterval, error) &&
                    readByte(o, "effect", next.effect, error) &&
                    readByte(o, "effectOption1", next.effectOption1, error) &&
                    readByte(o, "effectOption2", next.effectOption2, error) &&
                    readHex(o, "colourPage0", next.colourPage0, error) &&
                    readHex(o, "colourPage1", next.colourPage1, error) &&
                    readHex(o, "dpiColours", next.dpiColours, error) &&
                    readHex(o, "dpiStages", next.dpiStages, error) &&
                    readHexList(o, "keyMatrices", next.keyMatrices, error) &&
                    readHexList(o, "macroSlots", next.macroSlots, error);
    if (ok) {
        state = next;
    }
    return ok;
}

} // namespace pelmora::sim
