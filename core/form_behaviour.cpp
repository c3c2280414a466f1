// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_behaviour.h"

#include "component_list.h"
#include "conversions.h"
#include "fault.h"
#include "prefixed_number.h"
#include "reading.h"
#include "typeset.h"

#include <algorithm>

namespace ampora {
namespace cl = component_list;

FormBehaviour::FormBehaviour(const FormDecl& form) : controls_(form), boxes_(controls_.visibleBoxes()) {
    for (const Press& p : form.presses)
        for (const BoxRow& row : p.boxes)
            if (!unitRow(row.name)) units_.push_back({row.name, row.unit, row.read});
    if (form.list)
        for (const char* row : cl::kRowBoxes) units_.push_back({row, form.list->rows, Reading::Strict});
    opening_.state = FormState::initial(form);
    if (form.defaultButton) opening_.defaultButton = form.defaultButton;
    if (!form.list) return;
    for (int k = 0; k < cl::kRows; ++k) {
        opening_.hidden.insert(cl::kRowLabels[k]);
        opening_.hidden.insert(cl::kRowBoxes[k]);
    }
    if (form.list->combination) opening_.hidden.insert(cl::kCombinationFrame);
    opening_.hidden.insert(cl::kAnswerLabel);
    opening_.hidden.insert(cl::kScratchBox);
}

const Press* FormBehaviour::press(std::string_view name) const {
    for (const Press& p : form().presses)
        if (name == p.button || (p.role && name == p.role)) return &p;
    return nullptr;
}

namespace {

// Empties `name` (a box, a list, or every row of a component list) and notes what changed.
void Empty(const ControlList& controls, FormState& state, std::string_view name, Clicked& clicked) {
    const auto empty = [&](std::string_view box) {
        if (state.box(box).empty()) return;
        state.setBox(box, "");
        clicked.changed.emplace_back(box);
    };
    if (name == cl::kEveryRow) {
        for (const char* row : cl::kRowBoxes) empty(row);
    } else if (const Control* c = controls.find(name); c && c->kind == Kind::List) {
        if (state.list(name).empty()) return;
        state.setList(name, "");
        clicked.changed.emplace_back(name);
    } else {
        empty(name);
    }
}

}  // namespace

Clicked FormBehaviour::click(FormView& view, std::string_view button, Steps* steps) const {
    Clicked clicked;
    const FormDecl& form = this->form();
    if (const Press* p = press(button); p && button == p->button) {
        clicked.what = Clicked::Pressed;
        clicked.report = view.prefixed ? pressPrefixed(*p, view, steps) : p->run(view.state, steps);
        return clicked;
    }
    for (const ResetButton& r : form.resets) {
        if (button != r.button) continue;
        clicked.what = Clicked::Reset;
        for (const char* name : r.order) Empty(controls_, view.state, name, clicked);
        return clicked;
    }
    for (const ClearButton& c : form.clears) {
        if (button != c.button) continue;
        clicked.what = Clicked::Cleared;
        Empty(controls_, view.state, c.box, clicked);
        return clicked;
    }
    if (form.list && button == cl::kOk) {
        clicked.what = Clicked::Counted;
        confirmCount(view);
    }
    return clicked;
}

void FormBehaviour::confirmCount(FormView& view) const {
    const auto show = [&](const char* name, bool shown) {
        if (!shown)
            view.hidden.insert(name);
        else if (const auto it = view.hidden.find(std::string_view(name)); it != view.hidden.end())
            view.hidden.erase(it);
    };
    if (form().list->combination) show(cl::kCombinationFrame, true);
    const int covered = cl::RowsCovered(view.state.box(cl::kCountBox));
    for (int k = 0; k < cl::kRows; ++k) {
        show(cl::kRowLabels[k], k < covered);
        show(cl::kRowBoxes[k], k < covered);
    }
    for (const char* name : {cl::kAnswerBox, cl::kAnswerLabel, cl::kCalculate}) show(name, true);
    view.defaultButton = cl::kCalculate;
}

void FormBehaviour::focusIn(FormView& view, std::string_view control) const {
    if (form().list && control == cl::kCountBox) view.defaultButton = cl::kOk;
    for (const FocusDefault& f : form().focusDefaults)
        if (control == f.box) view.defaultButton = f.button;
}

void FormBehaviour::focusOut(FormView& view, std::string_view control) const {
    if (form().list && control == cl::kCountBox) view.defaultButton = cl::kCalculate;
}

void FormBehaviour::edited(FormView& view, std::string_view control) const {
    if (form().list && control == cl::kCountBox) view.defaultButton = cl::kOk;
}

const FormBehaviour::BoxUnit* FormBehaviour::unitRow(std::string_view box) const {
    const auto it =
        std::find_if(units_.begin(), units_.end(), [&](const BoxUnit& u) { return u.box == box; });
    return it == units_.end() ? nullptr : &*it;
}

const SiUnit& FormBehaviour::unitOf(std::string_view box) const {
    const BoxUnit* row = unitRow(box);
    return row ? row->unit : units::kNumber;
}

Reading FormBehaviour::readingOf(std::string_view box, const FormState& state) const {
    const ListDecl* list = form().list;
    const auto& rows = cl::kRowBoxes;
    if (list && std::find(rows.begin(), rows.end(), box) != rows.end())
        return !list->addsRowsWith || state.option(list->addsRowsWith) ? Reading::Lenient : Reading::Strict;
    const BoxUnit* row = unitRow(box);
    return row ? row->read : Reading::Strict;
}

BoxRead FormBehaviour::read(const FormView& view, std::string_view box) const {
    const BoxUnit* row = unitRow(box);
    BoxRead read{box, {}, {}, row ? &row->unit : &units::kNumber};
    const SiUnit& unit = *read.unit;
    const std::string& text = view.state.box(box);
    if (IsEmpty(text)) return read;
    std::optional<DecimalNumber> value;
    if (const auto prefixed = view.prefixed ? PrefixedNumber(text, unit) : std::nullopt) {
        value = DecimalNumber::strictly(prefixed->number);
        read.reading = EngineeringReading(*value, unit);
    } else {
        read.reading = BoxReading(text, unit, readingOf(box, view.state));
        if (unit.parts != Parts::None) value = DecimalNumber::strictly(text);
    }
    // Parts fit a number within the range of doubles only: 8E+308 is too large to work with.
    if (unit.parts == Parts::None || !value) return read;
    try {
        (void)TextToNumber(value->text());
    } catch (const Fault&) {
        return read;
    }
    read.parts = PartsFitting(*value, unit);
    return read;
}

std::vector<BoxRead> FormBehaviour::readings(const FormView& view) const {
    std::vector<BoxRead> readings;
    for (std::string_view box : boxes_) {
        BoxRead r = read(view, box);
        if (!r.reading.empty() || !r.parts.empty()) readings.push_back(std::move(r));
    }
    return readings;
}

Report FormBehaviour::pressPrefixed(const Press& press, FormView& view, Steps* steps) const {
    struct Read {
        std::string_view box;
        std::string typed, number;
    };
    std::vector<Read> read;
    for (const BoxUnit& u : units_) {
        const std::string& typed = view.state.box(u.box);
        const auto prefixed = PrefixedNumber(typed, u.unit);
        if (!prefixed) continue;
        if (steps) {
            Step step(u.box);
            step.relation = typed;
            step.substituted = prefixed->exponent == 0
                                   ? prefixed->mantissa
                                   : prefixed->mantissa + " * 10^" + std::to_string(prefixed->exponent);
            step.result = prefixed->number;
            step.relationTeX = tex::Value(typed);
            step.substitutedTeX = tex::Number(prefixed->mantissa);
            if (prefixed->exponent != 0)
                step.substitutedTeX += " \\times 10^{" + std::to_string(prefixed->exponent) + "}";
            steps->push_back(std::move(step));
        }
        read.push_back({u.box, typed, prefixed->number});
        view.state.setBox(u.box, prefixed->number);
    }
    const Report report = press.run(view.state, steps);
    for (const Read& r : read) {
        const bool rewritten =
            std::find(press.rewrites.begin(), press.rewrites.end(), r.box) != press.rewrites.end();
        if (!rewritten && view.state.box(r.box) == r.number) view.state.setBox(r.box, r.typed);
    }
    return report;
}

std::vector<std::string> ReadLines(const BoxRead& read) {
    std::vector<std::string> lines;
    const std::string box(read.box);
    if (!read.reading.empty()) lines.push_back(box + " \u2248 " + read.reading);
    if (!read.parts.empty()) lines.push_back(box + ": " + PartsLine(read.parts, *read.unit));
    return lines;
}

}  // namespace ampora
