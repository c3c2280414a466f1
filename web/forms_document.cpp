// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms_document.h"

#include "calc/panel.h"
#include "calc/registry.h"
#include "core/box_labels.h"
#include "core/component_list.h"
#include "core/control_list.h"
#include "core/form_decl.h"
#include "core/form_layout.h"
#include "core/unit_words.h"
#include "request/json.h"

#include <span>

namespace ampora::web {
namespace {

using json::Array;
using json::Member;
using json::Object;
using json::Value;

Value Name(const char* name) { return name ? Value(std::string(name)) : Value(nullptr); }

Value Number(int n) { return static_cast<double>(n); }

template <typename Names>
Array Names(const Names& names) {
    Array out;
    for (const auto& name : names) out.push_back(std::string(name));
    return out;
}

template <typename T, typename Describe>
Array Each(std::span<const T> items, Describe describe) {
    Array out;
    for (const T& item : items) out.push_back(describe(item));
    return out;
}

Object Rectangle(const Twips& at) {
    return {{"left", Number(at.left)},
            {"top", Number(at.top)},
            {"width", Number(at.width)},
            {"height", Number(at.height)}};
}

const char* KindWord(Kind kind) {
    switch (kind) {
        case Kind::Label:
            return "Label";
        case Kind::Box:
            return "Box";
        case Kind::Button:
            return "Button";
        case Kind::Option:
            return "Option";
        case Kind::List:
            return "List";
        case Kind::Frame:
            return "Frame";
        case Kind::StatusBar:
            return "StatusBar";
        case Kind::Picture:
            return "Picture";
        case Kind::Line:
            return "Line";
        case Kind::Circle:
            return "Circle";
    }
    return "";
}

const char* ShapeWord(Stroke::Shape shape) {
    switch (shape) {
        case Stroke::Line:
            return "Line";
        case Stroke::Rectangle:
            return "Rectangle";
        case Stroke::Fill:
            return "Fill";
        case Stroke::Dot:
            return "Dot";
        case Stroke::Text:
            return "Text";
        case Stroke::CentredText:
            return "CentredText";
    }
    return "";
}

Value ColourOf(Colour colour) {
    if (colour == kTextColour) return nullptr;
    static constexpr char kHex[] = "0123456789abcdef";
    std::string css = "#";
    for (int shift = 20; shift >= 0; shift -= 4) css += kHex[(colour >> shift) & 0xF];
    return css;
}

Object ControlOf(const Control& c) {
    Object out = {{"kind", std::string(KindWord(c.kind))},
                  {"name", std::string(c.name)},
                  {"caption", std::string(c.caption)},
                  {"at", Rectangle(c.at)},
                  {"parent", Name(c.parent)}};
    if (c.kind == Kind::List) out.push_back({"entries", Names(ListEntries(c))});
    return out;
}

Array PanelOf(std::span<const PanelRow> rows) {
    return Each(rows, [](const PanelRow& row) {
        Object out = ControlOf(row.control);
        out.push_back({"opens", Name(row.opens)});
        return out;
    });
}

Object TitleOf(const Title& t) {
    return {{"name", std::string(t.name)},     {"copyName", std::string(t.copyName)},
            {"text", std::string(t.text)},     {"at", Rectangle(t.at)},
            {"offset", Number(t.offset)},      {"points", t.points},
            {"underline", t.underline},        {"colour", ColourOf(t.colour)},
            {"family", std::string(t.family)}, {"onBottomLine", t.onBottomLine},
            {"copyBehindAll", t.copyBehindAll}};
}

// What a user reads around each box and list: its caption, its unit and the unit in words.
Object LabelsOfAll(const ControlList& controls) {
    Object out;
    for (const Control& c : controls.all()) {
        if (c.kind != Kind::Box && c.kind != Kind::List) continue;
        const BoxLabels labels = LabelsOf(controls, c.name);
        out.push_back({c.name, Object{{"caption", labels.caption},
                                      {"unit", labels.unit},
                                      {"unitWords", std::string(UnitInWords(labels.unit))},
                                      {"captionLabel", labels.captionLabel},
                                      {"unitLabel", labels.unitLabel}}});
    }
    return out;
}

const char* TypeWord(LayoutNode::Type type) {
    switch (type) {
        case LayoutNode::Type::Stack:
            return "stack";
        case LayoutNode::Type::Line:
            return "line";
        case LayoutNode::Type::Field:
            return "field";
        case LayoutNode::Type::Frame:
            return "frame";
        case LayoutNode::Type::Picture:
            return "picture";
        case LayoutNode::Type::Sketch:
            return "sketch";
        case LayoutNode::Type::Control:
            return "control";
    }
    return "";
}

Value NameOf(const Control* c) { return c ? Value(std::string(c->name)) : Value(nullptr); }

Array NamesOf(const std::vector<const Control*>& controls) {
    Array out;
    for (const Control* c : controls) out.push_back(std::string(c->name));
    return out;
}

// A node of the form's layout (core/form_layout.h), its controls by name.
Object NodeOf(const LayoutNode& node) {
    using Type = LayoutNode::Type;
    Object out = {{"type", std::string(TypeWord(node.type))}};
    switch (node.type) {
        case Type::Stack:
        case Type::Line: {
            Array children;
            for (const LayoutNode& child : node.children) children.push_back(NodeOf(child));
            out.push_back({"children", std::move(children)});
            break;
        }
        case Type::Field:
            out.push_back({"box", NameOf(node.control)});
            out.push_back({"caption", NameOf(node.caption)});
            out.push_back({"clears", NamesOf(node.clears)});
            out.push_back({"unit", NameOf(node.unit)});
            out.push_back({"controls", NamesOf(node.members)});
            break;
        case Type::Frame:
            out.push_back({"control", NameOf(node.control)});
            out.push_back({"content", NodeOf(node.children.front())});
            break;
        case Type::Picture:
        case Type::Sketch: {
            if (node.control) out.push_back({"control", NameOf(node.control)});
            out.push_back({"at", Rectangle(node.at)});
            out.push_back({"narrowHeight", Number(node.narrowHeight)});
            Array held;
            for (const BlockControl& h : node.held) {
                Object one = {{"control", std::string(h.control->name)}, {"at", Rectangle(h.at)}};
                if (h.control->kind != Kind::Line && h.control->kind != Kind::Circle)
                    one.push_back({"narrow", Rectangle(h.narrow)});
                held.push_back(std::move(one));
            }
            out.push_back({"children", std::move(held)});
            break;
        }
        case Type::Control:
            out.push_back({"control", NameOf(node.control)});
            break;
    }
    return out;
}

// The scale of every rectangle in the document, and the height from which a button's
// caption takes two lines.
Object Measures() {
    return {{"twipsPerPixel", Number(kTwipsPerPixel)}, {"twoLineHeight", Number(kTwoLineHeight)}};
}

// What a screen reader says of each control that has words of its own.
Object SpokenOfAll(const ControlList& controls) {
    Object out;
    for (const Spoken& s : SpokenOf(controls))
        out.push_back({s.control, Object{{"name", s.name}, {"description", s.description}}});
    return out;
}

Value ListOf(const FormDecl& form) {
    if (!form.list) return nullptr;
    namespace cl = component_list;
    const ListDecl& list = *form.list;
    return Object{{"countCaption", std::string(list.countCaption)},
                  {"component", std::string(list.component)},
                  {"combination", list.combination},
                  {"answer", Rectangle(list.answer)},
                  {"calculate", Rectangle(list.calculate)},
                  {"countLabel", std::string(cl::kCountLabel)},
                  {"countBox", std::string(cl::kCountBox)},
                  {"ok", std::string(cl::kOk)},
                  {"calculateButton", std::string(cl::kCalculate)},
                  {"rows", Names(cl::kRowBoxes)},
                  {"rowLabels", Names(cl::kRowLabels)},
                  {"scratchBox", std::string(cl::kScratchBox)},
                  {"answerLabel", std::string(cl::kAnswerLabel)},
                  {"answerBox", std::string(cl::kAnswerBox)},
                  {"frame", list.combination ? Name(cl::kCombinationFrame) : Value(nullptr)},
                  {"series", list.combination ? Name(cl::kSeries) : Value(nullptr)},
                  {"parallel", list.combination ? Name(cl::kParallel) : Value(nullptr)},
                  {"everyRow", std::string(cl::kEveryRow)}};
}

Object CalculatorOf(const FormDecl& form) {
    const ControlList controls(form);
    return {
        {"name", std::string(form.name)},
        {"caption", std::string(form.caption)},
        {"client", Object{{"width", Number(form.client.width)}, {"height", Number(form.client.height)}}},
        {"titles", Each(form.titles, TitleOf)},
        {"controls", Each(controls.all(), ControlOf)},
        {"labels", LabelsOfAll(controls)},
        {"spoken", SpokenOfAll(controls)},
        {"layout", NodeOf(LayoutOf(controls))},
        {"tabOrder", Names(controls.tabOrder())},
        {"visibleBoxes", Names(controls.visibleBoxes())},
        {"defaultButton", Name(form.defaultButton)},
        {"presses",
         Each(form.presses,
              [](const Press& p) {
                  return Object{{"button", std::string(p.button)}, {"rewrites", Names(p.rewrites)}};
              })},
        {"clears", Each(form.clears,
                        [](const ClearButton& c) {
                            return Object{{"button", std::string(c.button)}, {"box", std::string(c.box)}};
                        })},
        {"resets", Each(form.resets,
                        [](const ResetButton& r) {
                            return Object{{"button", std::string(r.button)}, {"order", Names(r.order)}};
                        })},
        {"focusDefaults",
         Each(form.focusDefaults,
              [](const FocusDefault& f) {
                  return Object{{"box", std::string(f.box)}, {"button", std::string(f.button)}};
              })},
        {"focus", Name(form.focus)},
        {"fonts", Each(form.fonts,
                       [](const LabelFont& f) {
                           return Object{{"label", std::string(f.label)},
                                         {"family", std::string(f.family)},
                                         {"points", f.points}};
                       })},
        {"rightAligned", Names(form.rightAligned)},
        {"spokenNames",
         Each(form.spokenNames,
              [](const SpokenName& s) {
                  return Object{{"control", std::string(s.control)}, {"name", std::string(s.name)}};
              })},
        {"drawings", Each(form.drawings,
                          [](const Drawing& d) {
                              return Object{{"picture", std::string(d.picture)},
                                            {"width", Number(d.width)},
                                            {"height", Number(d.height)},
                                            {"strokes", Each(d.strokes, [](const Stroke& s) {
                                                 return Object{{"shape", std::string(ShapeWord(s.shape))},
                                                               {"x", Number(s.x)},
                                                               {"y", Number(s.y)},
                                                               {"x2", Number(s.x2)},
                                                               {"y2", Number(s.y2)},
                                                               {"text", Name(s.text)}};
                                             })}};
                          })},
        {"example",
         Object{{"settings",
                 Each(form.example.settings,
                      [](const Setting& s) {
                          return Object{{"control", std::string(s.control)}, {"text", std::string(s.text)}};
                      })},
                {"press", Name(form.example.press)}}},
        {"chosenAtStart", Names(controls.chosenAtStart())},
        {"list", ListOf(form)},
    };
}

}  // namespace

std::string FormsDocument(std::string_view version) {
    Array calculators;
    for (const FormDecl* form : Calculators()) calculators.push_back(CalculatorOf(*form));
    Object document = {{"version", std::string(version)}};
    for (Member& measure : Measures()) document.push_back(std::move(measure));
    document.push_back({"panel", PanelOf(MainPanelRows())});
    document.push_back({"chooser", PanelOf(ChooserRows())});
    document.push_back({"calculators", std::move(calculators)});
    return json::Write(document);
}

}  // namespace ampora::web
