// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_events.h"

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

Object LinkAnswer(Calculations& calculations, const Object& event) {
    const Link link = ParseLink(Text(event, "link"));
    Object out{{"name", link.name}};
    const FormBehaviour* form = calculations.behaviour(link.name);
    if (!form) return out;
    FormView view = form->opening();
    // "si=1" asks for prefixed input; it sets no control.
    Settings settings;
    for (const auto& [name, text] : link.settings) {
        if (name == "si" && (text == "1" || text == "0"))
            view.prefixed = text == "1";
        else
            settings.emplace_back(name, text);
    }
    const Applied applied = ApplySettings(*form, view, settings, Taken::Leniently);
    Array ignored;
    for (const std::string& name : applied.ignored) ignored.push_back(name);
    out.push_back({"calc", std::string(form->form().name)});
    out.push_back({"hasSettings", link.hasSettings});
    out.push_back({"view", ViewOf(*form, view)});
    out.push_back({"ignored", std::move(ignored)});
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
        const Clicked clicked = form->click(view, control, &steps);
        if (clicked.what == Clicked::Pressed) {
            Array work, reports;
            for (const Step& step : steps)
                work.push_back(Object{{"line", StepLine(step)}, {"faulted", step.fault.has_value()}});
            if (const auto told = Told(form->form(), clicked.report))
                reports.push_back(Object{{"title", told->title}, {"text", told->text}});
            out.push_back({"work", std::move(work)});
            out.push_back({"reports", std::move(reports)});
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
