// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "json.h"

#include "core/conversions.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

namespace ampora::json {
namespace {

constexpr int kMaxDepth = 16;

// The length of the UTF-8 character that starts at `at`, or 0 where none does: overlong
// forms, encoded surrogates and values past U+10FFFF are not characters.
std::size_t CharacterLength(std::string_view s, std::size_t at) {
    const auto byte = [&](std::size_t i) { return i < s.size() ? static_cast<unsigned char>(s[i]) : 0u; };
    const unsigned lead = byte(at);
    const auto continues = [&](std::size_t i, unsigned low = 0x80, unsigned high = 0xBF) {
        return byte(i) >= low && byte(i) <= high;
    };
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return continues(at + 1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
        return continues(at + 1, low, high) && continues(at + 2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
        return continues(at + 1, low, high) && continues(at + 2) && continues(at + 3) ? 4 : 0;
    }
    return 0;
}

void AppendUtf8(std::string& out, unsigned long code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

class Reader {
public:
    Reader(std::string_view text, Arrays arrays) : text_(text), arrays_(arrays) {}

    Value document() {
        Value value = this->value(0);
        skipBlanks();
        if (at_ < text_.size()) fail("text after the value");
        return value;
    }

private:
    [[noreturn]] void fail(const std::string& why) const {
        throw Error("column " + std::to_string(at_ + 1) + ": " + why);
    }

    void skipBlanks() {
        while (at_ < text_.size() &&
               (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r'))
            ++at_;
    }

    void expect(char c) {
        skipBlanks();
        if (at_ >= text_.size() || text_[at_] != c) fail(std::string("expected '") + c + "'");
        ++at_;
    }

    Value value(int depth) {
        skipBlanks();
        const char c = at_ < text_.size() ? text_[at_] : '\0';
        if (c == '"') return string();
        if (c == '{') return object(depth + 1);
        if (text_.substr(at_, 4) == "null") {
            at_ += 4;
            return nullptr;
        }
        if (c == '-' || (c >= '0' && c <= '9')) fail("a number; box texts are strings, such as \"100\"");
        for (const bool truth : {true, false}) {
            const std::string_view word = truth ? "true" : "false";
            if (text_.substr(at_, word.size()) != word) continue;
            at_ += word.size();
            return truth;
        }
        if (c == '[' && arrays_ == Arrays::Read) return array(depth + 1);
        if (c == '[') fail("arrays are not taken");
        fail(at_ < text_.size() ? "expected a string or an object" : "the text ends where a value should be");
    }

    Array array(int depth) {
        if (depth > kMaxDepth) fail("values nested more than " + std::to_string(kMaxDepth) + " deep");
        ++at_;  // the '['
        Array items;
        skipBlanks();
        if (at_ < text_.size() && text_[at_] == ']') {
            ++at_;
            return items;
        }
        for (;;) {
            items.push_back(value(depth));
            skipBlanks();
            if (at_ < text_.size() && text_[at_] == ']') {
                ++at_;
                return items;
            }
            expect(',');
        }
    }

    Object object(int depth) {
        if (depth > kMaxDepth) fail("objects nested more than " + std::to_string(kMaxDepth) + " deep");
        ++at_;  // the '{'
        Object members;
        std::set<std::string, std::less<>> names;  // a long object is checked in n log n
        skipBlanks();
        if (at_ < text_.size() && text_[at_] == '}') {
            ++at_;
            return members;
        }
        for (;;) {
            skipBlanks();
            if (at_ >= text_.size() || text_[at_] != '"') fail("expected a name in quotes");
            const std::size_t start = at_;
            std::string name = string();
            if (!names.insert(name).second) {
                at_ = start;
                fail("the name \"" + name + "\" appears twice");
            }
            expect(':');
            members.push_back({std::move(name), value(depth)});
            skipBlanks();
            if (at_ < text_.size() && text_[at_] == '}') {
                ++at_;
                return members;
            }
            expect(',');
        }
    }

    unsigned hex4() {
        unsigned code = 0;
        for (int k = 0; k < 4; ++k, ++at_) {
            const char c = at_ < text_.size() ? text_[at_] : '\0';
            code <<= 4;
            if (c >= '0' && c <= '9')
                code |= static_cast<unsigned>(c - '0');
            else if (c >= 'a' && c <= 'f')
                code |= static_cast<unsigned>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                code |= static_cast<unsigned>(c - 'A' + 10);
            else
                fail("\\u needs four hexadecimal digits");
        }
        return code;
    }

    std::string string() {
        ++at_;  // the opening quote
        std::string out;
        for (;;) {
            if (at_ >= text_.size()) fail("the string has no closing quote");
            const char c = text_[at_];
            if (c == '"') {
                ++at_;
                return out;
            }
            if (static_cast<unsigned char>(c) < 0x20) fail("a control character in a string must be escaped");
            if (c != '\\') {
                const std::size_t length = CharacterLength(text_, at_);
                if (length == 0) fail("not UTF-8");
                out.append(text_.substr(at_, length));
                at_ += length;
                continue;
            }
            const std::size_t escape = at_++;
            const char e = at_ < text_.size() ? text_[at_++] : '\0';
            switch (e) {
                case '"':
                    out += '"';
                    break;
                case '\\':
                    out += '\\';
                    break;
                case '/':
                    out += '/';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u': {
                    unsigned long code = hex4();
                    if (code >= 0xDC00 && code <= 0xDFFF) {
                        at_ = escape;
                        fail("a low surrogate without a high one before it");
                    }
                    if (code >= 0xD800 && code <= 0xDBFF) {
                        if (text_.substr(at_, 2) != "\\u") {
                            at_ = escape;
                            fail("a high surrogate without a low one after it");
                        }
                        at_ += 2;
                        const unsigned low = hex4();
                        if (low < 0xDC00 || low > 0xDFFF) {
                            at_ = escape;
                            fail("a high surrogate without a low one after it");
                        }
                        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                    }
                    AppendUtf8(out, code);
                    break;
                }
                default:
                    at_ = escape;
                    fail("an unknown escape");
            }
        }
    }

    std::string_view text_;
    Arrays arrays_;
    std::size_t at_ = 0;
};

void AppendValue(std::string& out, const Value& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        AppendString(out, *text);
    } else if (std::holds_alternative<std::nullptr_t>(value)) {
        out += "null";
    } else if (const auto* number = std::get_if<double>(&value)) {
        out += std::isfinite(*number) ? NumberToText(*number) : "null";
    } else if (const auto* truth = std::get_if<bool>(&value)) {
        out += *truth ? "true" : "false";
    } else if (const auto* items = std::get_if<Array>(&value)) {
        out += '[';
        for (const Value& item : *items) {
            if (out.back() != '[') out += ',';
            AppendValue(out, item);
        }
        out += ']';
    } else {
        out += '{';
        for (const Member& m : std::get<Object>(value)) {
            if (out.back() != '{') out += ',';
            AppendString(out, m.name);
            out += ':';
            AppendValue(out, m.value);
        }
        out += '}';
    }
}

}  // namespace

Value Parse(std::string_view text, Arrays arrays) { return Reader(text, arrays).document(); }

void AppendString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (std::size_t i = 0; i < text.size();) {
        // A run of printable ASCII that needs no escape goes in at once.
        std::size_t plain = i;
        while (plain < text.size() && text[plain] >= 0x20 && text[plain] < 0x7f && text[plain] != '"' &&
               text[plain] != '\\')
            ++plain;
        if (plain > i) {
            out.append(text, i, plain - i);
            i = plain;
            continue;
        }
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c < 0x20) {
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else if (const std::size_t length = CharacterLength(text, i); length > 0) {
            out.append(text.substr(i, length));
            i += length;
            continue;
        } else {
            out += "\\ufffd";
        }
        ++i;
    }
    out += '"';
}

std::string Write(const Value& value) {
    std::string out;
    out.reserve(1024);
    AppendValue(out, value);
    return out;
}

const Value* Find(const Object& object, std::string_view name) {
    const auto it =
        std::find_if(object.begin(), object.end(), [&](const Member& m) { return m.name == name; });
    return it == object.end() ? nullptr : &it->value;
}

}  // namespace ampora::json
