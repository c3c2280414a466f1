// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "share_link.h"

namespace ampora::request {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Whether `text` is UTF-8 throughout, without overlong forms or surrogates.
bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
        const unsigned char lead = byte(i);
        std::size_t length = lead < 0x80                    ? 1
                             : lead >= 0xC2 && lead <= 0xDF ? 2
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                            : 0;
        if (length == 0 || i + length > text.size()) return false;
        unsigned long code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            if ((byte(i + k) & 0xC0) != 0x80) return false;
            code = code << 6 | (byte(i + k) & 0x3F);
        }
        const unsigned long least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

// `component` decoded, or as it stands when it is not well encoded.
std::string Decoded(std::string_view component) {
    std::string out;
    out.reserve(component.size());
    for (std::size_t i = 0; i < component.size(); ++i) {
        if (component[i] != '%') {
            out += component[i];
            continue;
        }
        const int high = i + 2 < component.size() ? HexDigit(component[i + 1]) : -1;
        const int low = high >= 0 ? HexDigit(component[i + 2]) : -1;
        if (low < 0) return std::string(component);
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return IsUtf8(out) ? out : std::string(component);
}

std::string Encoded(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            std::string_view("-_.!~*'()").find(c) != std::string_view::npos) {
            out += c;
        } else {
            out += '%';
            out += kHex[u >> 4];
            out += kHex[u & 0xF];
        }
    }
    return out;
}

}  // namespace

Link ParseLink(std::string_view fragment) {
    if (fragment.starts_with('#')) fragment.remove_prefix(1);
    Link link;
    const auto mark = fragment.find('?');
    link.name = Decoded(fragment.substr(0, mark));
    if (mark == std::string_view::npos) return link;
    link.hasSettings = true;
    std::string_view rest = fragment.substr(mark + 1);
    while (!rest.empty()) {
        const auto amp = rest.find('&');
        const std::string_view pair = rest.substr(0, amp);
        rest = amp == std::string_view::npos ? std::string_view() : rest.substr(amp + 1);
        if (pair.empty()) continue;
        const auto equals = pair.find('=');
        if (equals == std::string_view::npos)
            link.settings.emplace_back(Decoded(pair), "");
        else
            link.settings.emplace_back(Decoded(pair.substr(0, equals)), Decoded(pair.substr(equals + 1)));
    }
    return link;
}

std::string LinkFragment(std::string_view calc, const Settings& settings) {
    std::string out(1, '#');
    out += Encoded(calc);
    for (std::size_t k = 0; k < settings.size(); ++k)
        out.append(k == 0 ? "?" : "&")
            .append(Encoded(settings[k].first))
            .append("=")
            .append(Encoded(settings[k].second));
    return out;
}

Settings LinkSettings(const FormBehaviour& form, const FormState& state) {
    Settings kept;
    for (std::string_view box : form.boxes())
        if (!state.box(box).empty()) kept.emplace_back(box, state.box(box));
    for (const Control& c : form.controls().all()) {
        if (c.kind == Kind::Option && state.option(c.name)) kept.emplace_back(c.name, "1");
        if (c.kind == Kind::List && !state.list(c.name).empty())
            kept.emplace_back(c.name, state.list(c.name));
    }
    return kept;
}

}  // namespace ampora::request
