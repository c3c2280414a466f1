// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "typeset.h"

#include "conversions.h"
#include "fault.h"

#include <cstdio>

namespace ampora::tex {
namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool IsNumber(std::string_view text) {
    try {
        (void)TextToNumber(text);
        return true;
    } catch (const Fault&) {
        return false;
    }
}

}  // namespace

std::string Escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
            case '\\':
                out += "\\textbackslash{}";
                break;
            case '{':
            case '}':
            case '$':
            case '&':
            case '#':
            case '_':
            case '%':
                out += '\\';
                out += c;
                break;
            case '^':
                out += "\\textasciicircum{}";
                break;
            case '~':
                out += "\\textasciitilde{}";
                break;
            case '<':
                out += "\\textless{}";
                break;
            case '>':
                out += "\\textgreater{}";
                break;
            case '|':
                out += "\\textbar{}";
                break;
            case '-':
            case '`':
            case '\'':
                // Kept from joining the next character into a dash or a quote mark.
                out += c;
                if (i + 1 < text.size() && text[i + 1] == c) out += "{}";
                break;
            default:
                if (IsControl(c)) {
                    out += "\\textbackslash{}" + ControlName(c);
                } else {
                    out += c;
                }
        }
    }
    return out;
}

bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }

std::string ControlName(char c) {
    char name[8];
    std::snprintf(name, sizeof name, "u%04x", static_cast<unsigned char>(c));
    return name;
}

std::string Quoted(std::string_view text) {
    return "\\text{\\textquotedblleft " + Escaped(text) + "\\textquotedblright}";
}

std::string Number(std::string_view number) {
    number = Trimmed(number);
    const auto e = number.find_first_of("eE");
    std::string out(number.substr(0, e));
    if (e == std::string_view::npos) return out;
    std::string_view exponent = number.substr(e + 1);
    std::string sign;
    if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-')) {
        if (exponent.front() == '-') sign = "-";
        exponent.remove_prefix(1);
    }
    while (exponent.size() > 1 && exponent.front() == '0') exponent.remove_prefix(1);
    return out + " \\times 10^{" + sign + std::string(exponent) + "}";
}

std::string Name(std::string_view name) {
    if (const auto slash = name.find('/'); slash != std::string_view::npos)
        return Name(name.substr(0, slash)) + "/" + Name(name.substr(slash + 1));
    if (const auto caret = name.find('^'); caret != std::string_view::npos)
        return Name(name.substr(0, caret)) + "^{" + Name(name.substr(caret + 1)) + "}";
    std::size_t letters = 0;
    while (letters < name.size() && IsLetter(name[letters])) ++letters;
    std::size_t digits = letters;
    while (digits < name.size() && IsDigit(name[digits])) ++digits;
    if (digits != name.size() || name.empty()) return "\\text{" + Escaped(name) + "}";
    std::string out(name.substr(0, letters));
    if (letters > 1) out = "\\mathit{" + out + "}";
    if (digits == letters) return out;
    const std::string_view subscript = name.substr(letters);
    return letters == 0 ? std::string(subscript) : out + "_{" + std::string(subscript) + "}";
}

std::string Unit(std::string_view symbol) {
    std::string out, upright;
    const auto flush = [&] {
        if (!upright.empty()) out += "\\mathrm{" + upright + "}";
        upright.clear();
    };
    const auto special = [&](std::string_view tex) {
        flush();
        out += tex;
    };
    for (std::size_t i = 0; i < symbol.size();) {
        const std::string_view rest = symbol.substr(i);
        if (rest.starts_with("\u00b5") || rest.starts_with("\u03bc")) {
            special("\\mu ");
            i += 2;
        } else if (rest.starts_with("\u03a9") || rest.starts_with("\u2126")) {
            special("\\Omega ");
            i += rest.starts_with("\u03a9") ? 2 : 3;
        } else if (rest.starts_with("\u00b2")) {
            special("^{2}");
            i += 2;
        } else if (rest.starts_with("\u00b0")) {
            special("^{\\circ}");
            i += 2;
        } else {
            upright += symbol[i];
            ++i;
        }
    }
    flush();
    // A trailing blank after a command is only there to end its name.
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

std::string Value(std::string_view text) {
    if (IsNumber(text)) return Number(text);
    return "\\text{" + Escaped(text) + "}";
}

std::string Reading(std::string_view reading) {
    std::string out;
    constexpr std::string_view kReadAs = "read as ";
    if (reading.starts_with(kReadAs)) {
        out = "\\text{read as }";
        reading.remove_prefix(kReadAs.size());
    }
    std::string_view number = reading, unit;
    if (const auto space = reading.find(' '); space != std::string_view::npos) {
        number = reading.substr(0, space);
        unit = reading.substr(space + 1);
    } else if (reading.ends_with("\u00b0")) {
        number = reading.substr(0, reading.size() - 2);
        return out + Number(number) + "^{\\circ}";
    }
    out += IsNumber(number) ? Number(number) : "\\text{" + Escaped(number) + "}";
    if (!unit.empty()) out += "\\," + Unit(unit);
    return out;
}

}  // namespace ampora::tex
