// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_events.h"

#include "core/solution.h"
#include "json.h"
#include "readings_json.h"
#include "share_link.h"

namespace ampora::request {
namespace {

using json::Array;
using json::Object;
using json::Value;

// The text of `name`, or "" where it is left out or null.
const std::string& Text(const Object& event, std::string_view name) {
    static const std::string none;
    const Value* value = json::Find(event, name);
    if (!value || std::holds_alternative<std::nullptr_t>(*value)) return none;
    const auto* text = std::get_if<std::string>(value);
    if (!text) throw json::Error("\"" + std::string(name) + "\" is not a string");
    return *text;
}

const Object* Members(const Object& event, std::string_view name) {
    const Value* value = json::Find(event, name);
    if (!value) return nullptr;
    const auto* object = std::get_if<Object>(value);
    if (!object) throw json::Error("\"" + std::string(name) + "\" is not an object");
    return object;
}

// The readings and the parts that fit, as readings_json writes them.
Value Written(const std::string& text) { return json::Parse(text, json::Arrays::Read); }

bool Flag(const Object& event, std::string_view name) {
    const Value* value = json::Find(event, name);
    if (!value) return false;
    const bool* flag = std::get_if<bool>(value);
    if (!flag) throw json::Error("\"" + std::string(name) + "\" is true or false");
    return *flag;
}

// The readings of the view's boxes and the parts that fit them, as members of an answer.
void AddReadings(Object& out, const FormBehaviour& form, const FormView& view) {
    const std::vector<BoxRead> readings = form.readings(view);
    out.push_back({"readings", Written(readings_json::Readings(readings))});
    out.push_back({"preferred", Written(readings_json::Preferred(readings))});
}

Object ViewOf(const FormBehaviour& form, const FormView& view) {
    Object boxes, options, lists;
    for (std::string_view box : form.boxes()) boxes.push_back({std::string(box), view.state.box(box)});
    for (const auto& [name, chosen] : view.state.allOptions()) options.push_back({name, chosen});
    for (const auto& [name, entry] : view.state.allLists()) lists.push_back({name, entry});
    Array hidden;
    for (const std::string& name : view.hidden) hidden.push_back(name);
    Object out;
    out.push_back({"boxes", std::move(boxes)});
    out.push_back({"options", std::move(options)});
    out.push_back({"lists", std::move(lists)});
    out.push_back({"hidden", std::move(hidden)});
    out.push_back({"default", view.defaultButton});
    out.push_back({"si", view.prefixed});
    AddReadings(out, form, view);
    return out;
}

// The view the event's "set", "hidden" and "default" describe.
FormView ViewIn(const FormBehaviour& form, const Object& event) {
    FormView view = form.opening();
    view.prefixed = Flag(event, "si");
    if (const Object* set = Members(event, "set")) {
        Settings settings;
        for (const json::Member& m : *set) {
            const auto* text = std::get_if<std::string>(&m.value);
            if (!text) throw json::Error("the text of \"" + m.name + "\" is not a string");
            settings.emplace_back(m.name, *text);
        }
        const Applied applied = ApplySettings(form, view, settings, Taken::Strictly);
        if (!applied.error.empty()) throw json::Error(applied.error);
    }
    if (const Value* hidden = json::Find(event, "hidden")) {
        const auto* names = std::get_if<Array>(hidden);
        if (!names) throw json::Error("\"hidden\" is not a list of names");
        view.hidden.clear();
        for (const Value& name : *names) {
            const auto* text = std::get_if<std::string>(&name);
            if (!text) throw json::Error("\"hidden\" is not a list of names");
            if (form.controls().find(*text)) view.hidden.insert(*text);
        }
    }
    if (const Value* given = json::Find(event, "default");
        given && !std::holds_alternative<std::nullptr_t>(*given))
        view.defaultButton = Text(event, "default");
    return view;
}

Object ItemOf(const SolvedItem& item) {
    return {{"name", item.name}, {"caption", item.caption}, {"text", item.text},
            {"unit", item.unit}, {"reading", item.reading}, {"choice", item.choice}};
}

// A press's work as an answer's members: "work", a line for each step; "reports"; the
// "solution" (what was given and found, and the whole in each rendering); and "pressed",
// the link that opens the form as it stood before and presses it so again.
void AddWork(Object& out, const FormBehaviour& form, const FormView& before, const FormView& after,
             const Steps& steps, const std::vector<Message>& told, std::string_view press) {
    Array work, reports, given, found;
    for (const Step& step : steps)
        work.push_back(Object{{"line", StepLine(step)}, {"faulted", step.fault.has_value()}});
    for (const Message& m : told) reports.push_back(Object{{"title", m.title}, {"text", m.text}});
    const Solution solution = SolutionOf(form, before, after, steps, told);
    for (const SolvedItem& item : solution.given) given.push_back(ItemOf(item));
    for (const SolvedItem& item : solution.found) found.push_back(ItemOf(item));
    out.push_back({"work", std::move(work)});
    out.push_back({"reports", std::move(reports)});
    out.push_back({"solution", Object{{"caption", solution.caption},
                                      {"given", std::move(given)},
                                      {"found", std::move(found)},
                                      {"text", Rendered(solution, Rendering::Text)},
                                      {"markdown", Rendered(solution, Rendering::Markdown)},
                                      {"latex", Rendered(solution, Rendering::LaTeX)}}});
    Settings settings = LinkSettings(form, before.state);
    if (before.prefixed) settings.emplace_back("si", "1");
    settings.emplace_back("press", std::string(press));
    out.push_back({"pressed", LinkFragment(form.form().name, settings)});
}

// What a link opens: the form set as it says, and pressed where it says "press=1" (every
// press in turn, as ampora-calc presses them) or "press=" a press's role or button.
struct Opened {
    FormView before, after;
    Steps steps;
    std::vector<Message> told;
    std::string press;  // "" where the link presses nothing
    std::vector<std::string> ignored;
};

Opened Open(const FormBehaviour& form, const Link& link) {
    Opened o;
    o.before = form.opening();
    // "si=1" asks for prefixed input and "press" a press; they set no control.
    Settings settings;
    std::string press;
    for (const auto& [name, text] : link.settings) {
        if (name == "si" && (text == "1" || text == "0"))
            o.before.prefixed = text == "1";
        else if (name == "press")
            press = text;
        else
            settings.emplace_back(name, text);
    }
    o.ignored = ApplySettings(form, o.before, settings, Taken::Leniently).ignored;
    o.after = o.before;
    std::vector<const Press*> presses;
    if (press == "1")
        for (const Press& p : form.form().presses) presses.push_back(&p);
    else if (const Press* p = press.empty() || press == "0" ? nullptr : form.press(press))
        presses.push_back(p);
    else if (!press.empty() && press != "0")
        o.ignored.push_back("press");
    for (const Press* p : presses) {
        const Clicked clicked = form.click(o.after, p->button, &o.steps);
        if (const auto told = Told(form.form(), clicked.report)) o.told.push_back(*told);
    }
    if (!presses.empty()) o.press = press;
    return o;
}

// Whether two views show the same: every box a user reads, option and list alike (a
// form's scratch box, which the page never sends, left out).
bool SameControls(const FormBehaviour& form, const FormView& a, const FormView& b) {
    for (std::string_view box : form.boxes())
        if (a.state.box(box) != b.state.box(box)) return false;
    return a.state.allOptions() == b.state.allOptions() && a.state.allLists() == b.state.allLists();
}

// The press name a link gives for a click of `button`: "1" where the form has one press,
// else the press's role.
std::string LinkPress(const FormBehaviour& form, std::string_view button) {
    if (form.form().presses.size() == 1) return "1";
    const Press* press = form.press(button);
    return press && press->role ? press->role : std::string(button);
}

Object LinkAnswer(Calculations& calculations, const Object& event) {
    const Link link = ParseLink(Text(event, "link"));
    Object out{{"name", link.name}};
    const FormBehaviour* form = calculations.behaviour(link.name);
    if (!form) return out;
    const Opened opened = Open(*form, link);
    Array ignored;
    for (const std::string& name : opened.ignored) ignored.push_back(name);
    out.push_back({"calc", std::string(form->form().name)});
    out.push_back({"hasSettings", link.hasSettings});
    out.push_back({"view", ViewOf(*form, opened.after)});
    out.push_back({"ignored", std::move(ignored)});
    if (!opened.press.empty())
        AddWork(out, *form, opened.before, opened.after, opened.steps, opened.told, opened.press);
    return out;
}

Object Answered(Calculations& calculations, const Object& event) {
    const std::string& kind = Text(event, "event");
    if (kind == "link") return LinkAnswer(calculations, event);
    const std::string& calc = Text(event, "calc");
    const FormBehaviour* form = calculations.behaviour(calc);
    if (!form) throw json::Error("there is no calculator named " + Quoted(calc));
    FormView view = ViewIn(*form, event);
    const std::string& control = Text(event, "control");
    if (kind == "share") {
        // The link of the last press, where the form still shows what that press left:
        // it opens the givens and presses them, so that it shows the whole solution.
        if (const std::string& pressed = Text(event, "pressed"); !pressed.empty()) {
            const Link link = ParseLink(pressed);
            if (link.name == calc && SameControls(*form, Open(*form, link).after, view))
                return {{"link", pressed}};
        }
        Settings settings = LinkSettings(*form, view.state);
        if (view.prefixed) settings.emplace_back("si", "1");
        return {{"link", LinkFragment(calc, settings)}};
    }
    if (kind == "focusin" || kind == "focusout") {
        if (kind == "focusin") form->focusIn(view, control);
        if (kind == "focusout") form->focusOut(view, control);
        return {{"default", view.defaultButton}};
    }
    if (kind == "edited") {
        form->edited(view, control);
        Object out{{"default", view.defaultButton}};
        AddReadings(out, *form, view);
        return out;
    }
    Object out{{"view", Value()}};
    if (kind == "click") {
        Steps steps;
        const FormView before = view;
        const Clicked clicked = form->click(view, control, &steps);
        if (clicked.what == Clicked::Pressed) {
            std::vector<Message> told;
            if (auto t = Told(form->form(), clicked.report)) told.push_back(std::move(*t));
            AddWork(out, *form, before, view, steps, told, LinkPress(*form, control));
        }
    } else if (kind != "open") {
        throw json::Error("there is no event " + Quoted(kind));
    }
    out.front().value = ViewOf(*form, view);
    return out;
}

}  // namespace

std::string EventAnswer(Calculations& calculations, std::string_view line) {
    try {
        const Value event = json::Parse(line, json::Arrays::Read);
        const auto* object = std::get_if<Object>(&event);
        if (!object) throw json::Error("an event is an object, {\"event\":...}");
        return json::Write(Answered(calculations, *object));
    } catch (const json::Error& e) {
        return json::Write(Object{{"error", std::string(e.what())}});
    }
}

}  // namespace ampora::request
