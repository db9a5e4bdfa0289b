#include "settings/json_value.h"

#include <cctype>

namespace pelmora::json {

namespace {

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
                case 'r':
                    out.push_back('\r');
                    break;
                case 'u':
                    if (!parseUnicodeEscape(out)) {
                        return false;
                    }
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
    // \uXXXX (a surrogate pair for characters beyond the BMP) as UTF-8.
    bool hex4(unsigned& code) {
        if (pos_ + 4 > text_.size()) {
            return fail("short \\u escape");
        }
        code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[pos_++];
            const int digit = std::isdigit(static_cast<unsigned char>(c))
                                  ? c - '0'
                                  : (std::tolower(static_cast<unsigned char>(c)) - 'a' + 10);
            if (!std::isxdigit(static_cast<unsigned char>(c))) {
                return fail("bad \\u escape");
            }
            code = code * 16 + static_cast<unsigned>(digit);
        }
        return true;
    }
    bool parseUnicodeEscape(std::string& out) {
        unsigned code = 0;
        if (!hex4(code)) {
            return false;
        }
        if (code >= 0xD800 && code <= 0xDBFF) {
            unsigned low = 0;
            if (text_.substr(pos_, 2) != "\\u" || (pos_ += 2, !hex4(low)) || low < 0xDC00 ||
                low > 0xDFFF) {
                return fail("unpaired surrogate in \\u escape");
            }
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        } else if (code >= 0xDC00 && code <= 0xDFFF) {
            return fail("unpaired surrogate in \\u escape");
        }
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | code >> 6));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | code >> 12));
            out.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | code >> 18));
            out.push_back(static_cast<char>(0x80 | (code >> 12 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
        return true;
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

} // namespace

bool parse(std::string_view text, Value& out, std::string& error) {
    return Parser(text).parseDocument(out, error);
}

} // namespace pelmora::json
