// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "solution.h"

#include "box_labels.h"
#include "conversions.h"
#include "fault.h"
#include "typeset.h"

#include <algorithm>
#include <cctype>

namespace ampora {
namespace {

bool IsNumber(std::string_view text) {
    try {
        (void)TextToNumber(text);
        return true;
    } catch (const Fault&) {
        return false;
    }
}

SolvedItem BoxItem(const FormBehaviour& form, const FormView& view, std::string_view box) {
    const BoxRead read = form.read(view, box);
    return {.name = std::string(box),
            .caption = LabelsOf(form.controls(), box).caption,
            .text = view.state.box(box),
            .unit = form.unitOf(box).symbol,
            .reading = read.reading};
}

// A box's text with its unit where it is a number: "100 W", "45°".
std::string WithUnit(const SolvedItem& item) {
    if (item.unit.empty() || !IsNumber(item.text)) return item.text;
    return item.text + (item.unit == "\u00b0" ? "" : " ") + item.unit;
}

// The reading where it tells more than the text and its unit.
bool ReadingTells(const SolvedItem& item) { return !item.reading.empty() && item.reading != WithUnit(item); }

// Code points, for laying text out in columns.
std::size_t Width(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xc0) != 0x80; }));
}

// A step's line without its fault: what the step worked out, up to where it stopped.
std::string WorkOf(const Step& step) { return step.box + " = " + step.relation + " = " + step.substituted; }

// ---- Plain text ----

void TextItems(std::string& out, const char* heading, const std::vector<SolvedItem>& items) {
    if (items.empty()) return;
    out += '\n';
    out += heading;
    out += '\n';
    std::vector<std::string> left;
    std::size_t width = 0;
    for (const SolvedItem& item : items) {
        if (item.choice) {
            left.emplace_back();
            continue;
        }
        std::string l = item.name + " = " + WithUnit(item);
        if (ReadingTells(item)) l += " \u2248 " + item.reading;
        width = std::max(width, Width(l));
        left.push_back(std::move(l));
    }
    for (std::size_t k = 0; k < items.size(); ++k) {
        const SolvedItem& item = items[k];
        if (item.choice) {
            out += item.caption + ": " + item.text + '\n';
            continue;
        }
        out += left[k];
        if (!item.caption.empty()) out += std::string(width - Width(left[k]) + 4, ' ') + item.caption;
        out += '\n';
    }
}

std::string AsText(const Solution& s) {
    std::string out = s.caption + '\n';
    TextItems(out, "Given", s.given);
    out += "\nWork\n";
    if (s.steps.empty()) out += "Nothing was worked out.\n";
    for (const Step& step : s.steps) out += StepLine(step) + '\n';
    if (!s.reports.empty()) {
        out += "\nTold\n";
        for (const Message& m : s.reports) out += m.title + ": " + m.text + '\n';
    }
    TextItems(out, "Found", s.found);
    return out;
}

// ---- Markdown ----

// `text` as Markdown reads it back, where it stands inline (a heading, a table's cell, a
// list's item): every character that could open or close markup there escaped (a "|" no
// longer ends a cell, a "<" opens no tag, a "&" names no entity, a trailing "#" closes no
// heading), a control character written as "\u0001", and everything else as it is.
std::string MarkdownText(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (tex::IsControl(c)) {
            out += "\\\\" + tex::ControlName(c);  // an escaped backslash, then the name
        } else if (std::string_view("\\`*_[]<>|~&#!").find(c) != std::string_view::npos) {
            out += '\\';
            out += c;
        } else {
            out += c;
        }
    }
    return out;
}

// `text` as a code span: fenced by more backticks than any run of them inside, and
// padded where it begins or ends with a backtick or a blank.
std::string CodeSpan(std::string_view text) {
    std::size_t longest = 0, run = 0;
    for (const char c : text) {
        run = c == '`' ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    const std::string fence(longest + 1, '`');
    const bool pad = !text.empty() &&
                     (text.front() == '`' || text.back() == '`' || text.front() == ' ' || text.back() == ' ');
    const std::string space = pad ? " " : "";
    // A code span is one line: a line break in it would read as a blank.
    std::string inner(text);
    std::replace_if(
        inner.begin(), inner.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return fence + space + inner + space + fence;
}

void MarkdownItems(std::string& out, const char* heading, const std::vector<SolvedItem>& items) {
    if (items.empty()) return;
    out += "\n### ";
    out += heading;
    out += "\n\n| Quantity | Name | Value | Unit | Reading |\n| --- | --- | --- | --- | --- |\n";
    for (const SolvedItem& item : items)
        out += "| " + MarkdownText(item.caption) + " | " + MarkdownText(item.name) + " | " +
               MarkdownText(item.text) + " | " + MarkdownText(item.unit) + " | " +
               MarkdownText(item.reading) + " |\n";
}

std::string AsMarkdown(const Solution& s) {
    std::string out = "## " + MarkdownText(s.caption) + '\n';
    MarkdownItems(out, "Given", s.given);
    out += "\n### Work\n\n";
    if (s.steps.empty()) out += "Nothing was worked out.\n";
    int n = 0;
    for (const Step& step : s.steps) {
        out += std::to_string(++n) + ". ";
        if (step.fault)
            out += CodeSpan(WorkOf(step)) + ": " + MarkdownText(*step.fault) + '\n';
        else
            out += CodeSpan(StepLine(step)) + '\n';
    }
    if (!s.reports.empty()) {
        out += "\n### Told\n\n";
        for (const Message& m : s.reports)
            out += "- **" + MarkdownText(m.title) + "**: " + MarkdownText(m.text) + '\n';
    }
    MarkdownItems(out, "Found", s.found);
    return out;
}

// ---- LaTeX ----

std::string TeXWithUnit(const SolvedItem& item) {
    if (!IsNumber(item.text)) return tex::Value(item.text);
    if (item.unit.empty()) return tex::Number(item.text);
    if (item.unit == "\u00b0") return tex::Number(item.text) + "^{\\circ}";
    return tex::Number(item.text) + "\\," + tex::Unit(item.unit);
}

std::string TeXText(std::string_view text) { return "\\text{" + tex::Escaped(text) + "}"; }

void TeXItems(std::string& out, const char* heading, const std::vector<SolvedItem>& items,
              const std::string& first = {}) {
    if (items.empty() && first.empty()) return;
    std::vector<std::string> rows;
    if (!first.empty()) rows.push_back(first);
    if (!items.empty()) rows.push_back("&" + TeXText(heading));
    for (const SolvedItem& item : items) {
        if (item.choice) {
            rows.push_back("&" + TeXText(item.caption + ": " + item.text));
            continue;
        }
        std::string row = tex::Name(item.name) + " &= " + TeXWithUnit(item);
        if (ReadingTells(item)) row += " \\approx " + tex::Reading(item.reading);
        if (!item.caption.empty()) row += " &&" + TeXText(item.caption);
        rows.push_back(std::move(row));
    }
    out += "\\begin{align*}\n";
    for (std::size_t k = 0; k < rows.size(); ++k) out += rows[k] + (k + 1 < rows.size() ? "\\\\\n" : "\n");
    out += "\\end{align*}\n";
}

std::string AsLaTeX(const Solution& s) {
    std::string out;
    TeXItems(out, "Given:", s.given, "&\\textbf{" + tex::Escaped(s.caption) + "}");
    if (s.steps.empty()) out += "\\begin{align*}\n&\\text{Nothing was worked out.}\n\\end{align*}\n";
    for (const Step& step : s.steps) {
        std::vector<std::string> rows{step.relationTeX, step.substitutedTeX};
        if (!step.fault) rows.push_back(tex::Value(step.result));
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        out += "\\begin{align*}\n" + tex::Name(step.box);
        for (std::size_t k = 0; k < rows.size(); ++k) out += (k ? "\\\\\n&= " : " &= ") + rows[k];
        if (step.fault) out += "\\\\\n&" + TeXText(*step.fault);
        out += "\n\\end{align*}\n";
    }
    if (!s.reports.empty()) {
        out += "\\begin{align*}\n&\\text{Told:}";
        for (const Message& m : s.reports) out += "\\\\\n&" + TeXText(m.title + ": " + m.text);
        out += "\n\\end{align*}\n";
    }
    TeXItems(out, "Found:", s.found);
    return out;
}

}  // namespace

std::optional<Message> Told(const FormDecl& form, const Report& report) {
    std::string text = report.text();
    if (text.empty()) return std::nullopt;
    return Message{report.fault ? form.caption : report.message->title, std::move(text)};
}

Solution SolutionOf(const FormBehaviour& form, const FormView& before, const FormView& after, Steps steps,
                    std::vector<Message> reports) {
    Solution s{.caption = form.form().caption, .steps = std::move(steps), .reports = std::move(reports)};
    const ControlList& controls = form.controls();
    // What was given is what the form shows: a component list's rows as its count covers
    // them, also where a setting gave the count and nobody pressed "OK".
    FormView shown = before;
    if (form.form().list) form.confirmCount(shown);
    for (std::string_view box : form.boxes()) {
        if (shown.isHidden(box) || IsEmpty(before.state.box(box))) continue;
        s.given.push_back(BoxItem(form, before, box));
    }
    for (const Control& c : controls.all()) {
        if (shown.isHidden(c.name)) continue;
        if (c.kind == Kind::Option && before.state.option(c.name)) {
            const Control* group = c.parent ? controls.find(c.parent) : nullptr;
            s.given.push_back({.name = c.name,
                               .caption = group ? CaptionAsName(group->caption) : std::string(),
                               .text = CaptionAsName(c.caption),
                               .choice = true});
        } else if (c.kind == Kind::List && !before.state.list(c.name).empty()) {
            s.given.push_back({.name = c.name,
                               .caption = LabelsOf(controls, c.name).caption,
                               .text = before.state.list(c.name),
                               .choice = true});
        }
    }
    for (std::string_view box : form.boxes()) {
        const std::string& text = after.state.box(box);
        if (after.isHidden(box) || IsEmpty(text) || text == before.state.box(box)) continue;
        s.found.push_back(BoxItem(form, after, box));
    }
    return s;
}

std::optional<Rendering> RenderingNamed(std::string_view name) {
    if (name == "text") return Rendering::Text;
    if (name == "markdown") return Rendering::Markdown;
    if (name == "latex") return Rendering::LaTeX;
    return std::nullopt;
}

std::string Rendered(const Solution& solution, Rendering rendering) {
    switch (rendering) {
        case Rendering::Text:
            return AsText(solution);
        case Rendering::Markdown:
            return AsMarkdown(solution);
        case Rendering::LaTeX:
            return AsLaTeX(solution);
    }
    return {};
}

}  // namespace ampora
