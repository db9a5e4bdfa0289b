#include "support/json_check.h"

#include <cctype>
#include <cstring>

namespace pelmora::testing {

namespace {

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    bool document() {
        skipSpace();
        if (!value()) {
            return false;
        }
        skipSpace();
        return pos_ == text_.size() || fail("text after the value");
    }
    const std::string& error() const { return error_; }

private:
    bool fail(const char* why) {
        if (error_.empty()) {
            error_ = "at " + std::to_string(pos_) + ": " + why;
        }
        return false;
    }
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    void skipSpace() {
        while (!atEnd() && std::strchr(" \t\r\n", text_[pos_]) != nullptr) {
            ++pos_;
        }
    }
    bool literal(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) {
            return fail("unknown literal");
        }
        pos_ += word.size();
        return true;
    }
    bool value() {
        switch (peek()) {
        case '{':
            return object();
        case '[':
            return array();
        case '"':
            return string();
        case 't':
            return literal("true");
        case 'f':
            return literal("false");
        case 'n':
            return literal("null");
        default:
            return number();
        }
    }
    bool object() {
        ++pos_;
        skipSpace();
        if (peek() == '}') {
            ++pos_;
            return true;
        }
        for (;;) {
            skipSpace();
            if (peek() != '"' || !string()) {
                return fail("member name expected");
            }
            skipSpace();
            if (peek() != ':') {
                return fail("':' expected");
            }
            ++pos_;
            skipSpace();
            if (!value()) {
                return false;
            }
            skipSpace();
            if (peek() == ',') {
                ++pos_;
                continue;
            }
            if (peek() == '}') {
                ++pos_;
                return true;
            }
            return fail("',' or '}' expected");
        }
    }
    bool array() {
        ++pos_;
        skipSpace();
        if (peek() == ']') {
            ++pos_;
            return true;
        }
        for (;;) {
            skipSpace();
            if (!value()) {
                return false;
            }
            skipSpace();
            if (peek() == ',') {
                ++pos_;
                continue;
            }
            if (peek() == ']') {
                ++pos_;
                return true;
            }
            return fail("',' or ']' expected");
        }
    }
    bool string() {
        ++pos_;
        while (!atEnd()) {
            const auto c = static_cast<unsigned char>(text_[pos_++]);
            if (c == '"') {
                return true;
            }
            if (c < 0x20) {
                return fail("control character in a string");
            }
            if (c == '\\') {
                const char e = peek();
                ++pos_;
                if (e == 'u') {
                    for (int i = 0; i < 4; ++i, ++pos_) {
                        if (!std::isxdigit(static_cast<unsigned char>(peek()))) {
                            return fail("bad \\u escape");
                        }
                    }
                } else if (std::strchr("\"\\/bfnrt", e) == nullptr || e == '\0') {
                    return fail("bad escape");
                }
            }
        }
        return fail("unterminated string");
    }
    bool digits() {
        const std::size_t start = pos_;
        while (std::isdigit(static_cast<unsigned char>(peek()))) {
            ++pos_;
        }
        return pos_ > start;
    }
    bool number() {
        if (peek() == '-') {
            ++pos_;
        }
        if (peek() == '0') {
            ++pos_;
        } else if (!digits()) {
            return fail("value expected");
        }
        if (peek() == '.') {
            ++pos_;
            if (!digits()) {
                return fail("digits expected after '.'");
            }
        }
        if (peek() == 'e' || peek() == 'E') {
            ++pos_;
            if (peek() == '+' || peek() == '-') {
                ++pos_;
            }
            if (!digits()) {
                return fail("exponent expected");
            }
        }
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string error_;
};

} // namespace

bool isValidJson(std::string_view text, std::string* error) {
    Parser parser(text);
    const bool ok = parser.document();
    if (!ok && error != nullptr) {
        *error = parser.error();
    }
    return ok;
}

} // namespace pelmora::testing
