// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "readings_json.h"

#include "core/reading.h"

namespace ampora::request::readings_json {
namespace {

// A batch asks for tens of thousands of these: they are written straight out, not built as
// JSON values first.
void Name(std::string& out, std::string_view name) {
    json::AppendString(out, name);
    out += ':';
}

void Value(std::string& out, const DecimalNumber& value, const SiUnit& unit) {
    out += "{\"value\":";
    json::AppendString(out, value.text());
    out += ",\"reading\":";
    json::AppendString(out, EngineeringReading(value, unit));
}

void Bands(std::string& out, std::string_view series, const std::vector<std::string_view>& bands) {
    if (bands.empty()) return;
    if (out.back() != '{') out += ',';
    Name(out, series);
    out += '[';
    for (std::string_view band : bands) {
        if (out.back() != '[') out += ',';
        json::AppendString(out, band);
    }
    out += ']';
}

void PartsOf(std::string& out, const PartsFit& parts, const SiUnit& unit) {
    out += '{';
    if (parts.rated) {
        Name(out, "rated");
        Value(out, *parts.rated, unit);
        out += "}}";
        return;
    }
    for (const auto& [series, n] : parts.series) {
        if (out.back() != '{') out += ',';
        Name(out, SeriesName(series));
        out += '[';
        for (const auto* p : {&n.below, &n.above}) {
            if (!*p || (p == &n.above && n.below && n.below->value.text() == n.above->value.text())) continue;
            if (out.back() != '[') out += ',';
            Value(out, (*p)->value, unit);
            out += ",\"deviation\":";
            json::AppendString(out, DeviationText((*p)->deviation));
            out += '}';
        }
        out += ']';
    }
    if (!parts.fourBands.empty() || !parts.fiveBands.empty()) {
        out += ",\"bands\":{";
        Bands(out, "E24", parts.fourBands);
        Bands(out, "E96", parts.fiveBands);
        out += '}';
    }
    out += '}';
}

}  // namespace

std::string Readings(const std::vector<BoxRead>& readings) {
    std::string out = "{";
    for (const BoxRead& r : readings) {
        if (r.reading.empty()) continue;
        if (out.back() != '{') out += ',';
        Name(out, r.box);
        json::AppendString(out, r.reading);
    }
    return out + '}';
}

std::string Preferred(const std::vector<BoxRead>& readings) {
    std::string out = "{";
    for (const BoxRead& r : readings) {
        if (r.parts.empty()) continue;
        if (out.back() != '{') out += ',';
        Name(out, r.box);
        PartsOf(out, r.parts, *r.unit);
    }
    return out + '}';
}

}  // namespace ampora::request::readings_json
