// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "box_labels.h"

#include "unit_words.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace ampora {
namespace {

// A rectangle on the form, right and bottom exclusive.
struct Area {
    int left, top, right, bottom;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

// Where `c` stands on the form: frames and pictures place their children relative to
// themselves.
Area OnForm(const ControlList& controls, const Control& c) {
    Area a{c.at.left, c.at.top, c.at.left + c.at.width, c.at.top + c.at.height};
    for (const Control* p = c.parent ? controls.find(c.parent) : nullptr; p;
         p = p->parent ? controls.find(p->parent) : nullptr) {
        a.left += p->at.left;
        a.right += p->at.left;
        a.top += p->at.top;
        a.bottom += p->at.top;
    }
    return a;
}

int Overlap(int a0, int a1, int b0, int b1) { return std::min(a1, b1) - std::max(a0, b0); }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::string Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

}  // namespace

std::string CaptionAsName(std::string_view text) {
    std::string name;
    bool blank = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 == text.size() || text[i + 1] != '&') continue;
            ++i;
        }
        if (IsBlank(text[i])) {
            blank = !name.empty();
            continue;
        }
        if (blank) name += ' ';
        blank = false;
        name += text[i];
    }
    while (!name.empty() && (name.back() == ':' || name.back() == '='))
        name = Trimmed(name.substr(0, name.size() - 1));
    return name;
}

namespace {

struct Label {
    Area at;
    const char* text;
    const char* name;
};

// Every label a user reads on the form: the controls' captions and the raised titles.
std::vector<Label> Labels(const ControlList& controls) {
    std::vector<Label> labels;
    for (const Control& c : controls.all())
        if (c.kind == Kind::Label && !Trimmed(c.caption).empty())
            labels.push_back({OnForm(controls, c), c.caption, c.name});
    for (const Title& t : controls.form().titles)
        labels.push_back(
            {{t.at.left, t.at.top, t.at.left + t.at.width, t.at.top + t.at.height}, t.text, t.name});
    return labels;
}

// Design positions are whole pixels rounded from twips: a few pixels of slack.
constexpr int kSlack = 45;
// How far a unit, or a "*" button before it, may stand from what it follows.
constexpr int kUnitGap = 240;

bool OnRow(const Area& a, const Area& c) {
    return Overlap(a.top, a.bottom, c.top, c.bottom) >= std::min(a.height(), c.height()) / 2;
}

const Label* CaptionOf(const std::vector<Label>& labels, const Area& c) {
    struct Candidate {
        const Label* label = nullptr;
        int distance = std::numeric_limits<int>::max();
    } left, above, below;
    for (const Label& label : labels) {
        const Area& l = label.at;
        const int across = Overlap(l.left, l.right, c.left, c.right);
        const int halfWidth = std::min(l.width(), c.width()) / 2;
        if (OnRow(l, c) && l.right <= c.left + kSlack) {
            if (c.left - l.right < left.distance) left = {&label, c.left - l.right};
        } else if (across >= halfWidth && l.bottom <= c.top + kSlack) {
            const int d = c.top - l.bottom;
            if (d <= 2 * c.height() && d < above.distance) above = {&label, d};
        } else if (across >= halfWidth && l.top >= c.bottom - kSlack) {
            const int d = l.top - c.bottom;
            if (d <= c.height() && d < below.distance) below = {&label, d};
        }
    }
    return left.label ? left.label : above.label ? above.label : below.label;
}

const Label* UnitOf(const ControlList& controls, const std::vector<Label>& labels, const Area& c) {
    // The unit may stand past the box's "*" button.
    int reach = c.right;
    for (const Control& b : controls.all()) {
        if (b.kind != Kind::Button || std::string_view(b.caption) != "*") continue;
        const Area a = OnForm(controls, b);
        if (OnRow(a, c) && a.left >= c.left && a.left <= reach + kUnitGap) reach = std::max(reach, a.right);
    }
    const Label* unit = nullptr;
    for (const Label& label : labels) {
        const Area& l = label.at;
        if (!OnRow(l, c) || l.left < c.right - kSlack || l.left > reach + kUnitGap) continue;
        if (!unit || l.left < unit->at.left) unit = &label;
    }
    return unit;
}

}  // namespace

BoxLabels LabelsOf(const ControlList& controls, std::string_view name) {
    const Control* control = controls.find(name);
    if (!control) return {};
    const std::vector<Label> labels = Labels(controls);
    const Area at = OnForm(controls, *control);
    BoxLabels found;
    if (const Label* caption = CaptionOf(labels, at)) {
        found.caption = CaptionAsName(caption->text);
        found.captionLabel = caption->name;
    }
    if (const Label* unit = UnitOf(controls, labels, at)) {
        found.unit = Trimmed(unit->text);
        found.unitLabel = unit->name;
    }
    for (const SpokenName& n : controls.form().spokenNames) {
        if (n.control != name) continue;
        found.caption = n.name;
        found.captionLabel.clear();
    }
    return found;
}

std::vector<Spoken> SpokenOf(const ControlList& controls) {
    const FormDecl& form = controls.form();
    const auto declared = [&](std::string_view control) -> const char* {
        for (const SpokenName& n : form.spokenNames)
            if (n.control == control) return n.name;
        return nullptr;
    };
    std::vector<Spoken> spoken;
    for (const Control& c : controls.all()) {
        if (c.kind == Kind::Box || c.kind == Kind::List) {
            const BoxLabels labels = LabelsOf(controls, c.name);
            const std::string_view words = UnitInWords(labels.unit);
            if (!labels.caption.empty() || !labels.unit.empty())
                spoken.push_back({c.name, labels.caption, words.empty() ? labels.unit : std::string(words)});
        } else if (const char* name = declared(c.name)) {
            spoken.push_back({c.name, name, ""});
        }
    }
    for (const ClearButton& k : form.clears) {
        if (declared(k.button)) continue;
        std::string box = k.box;
        for (const Spoken& s : spoken)
            if (s.control == k.box && !s.name.empty()) box = s.name;
        spoken.push_back({k.button, "Clear " + box, ""});
    }
    return spoken;
}

}  // namespace ampora
