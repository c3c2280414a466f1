// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fault.h"
#include "relation.h"
#include "si_unit.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A form declared as data: its controls in twips, its raised titles, its tab order and
// default button, and what each of its buttons does. The desktop program builds widgets
// from a declaration (ui/); the command-line program and the fuzzer read the same
// declaration to know a calculator's names, captions and presses. Nothing here needs Qt.
namespace ampora {

class FormState;

// How many twips (1/1440 inch) make one device-independent pixel: the scale at which
// every front end draws a form's declared rectangles.
inline constexpr int kTwipsPerPixel = 15;

// A button at least this many twips high wraps its caption over two lines.
inline constexpr int kTwoLineHeight = 450;

// A rectangle in twips, relative to the control's parent: the form, a frame or a picture.
struct Twips {
    int left, top, width, height;
};

struct TwipsSize {
    int width, height;
};

enum class Kind {
    Label,      // a caption
    Box,        // a single-line text box holding one quantity as text
    Button,     // a push button
    Option,     // an option button; the options of one parent form a group
    List,       // a drop-down list, not editable, nothing chosen at start
    Frame,      // a frame with a caption; later rows may name it as their parent
    StatusBar,  // a status bar along the bottom showing the caption as a fixed hint
    Picture,    // a sunken white picture box; later rows may name it as their parent
    Line,       // a fixed black line from (left, top) to (left + width, top + height)
    Circle,     // the largest fixed black circle centred in the rectangle
};

// A line's rectangle from its two end points; width and height may be negative.
constexpr Twips LineFrom(int x1, int y1, int x2, int y2) { return {x1, y1, x2 - x1, y2 - y1}; }

struct Control {
    Kind kind;
    const char* name;
    const char* caption;  // a box's initial text; a list's entries, separated by "|"
    Twips at;
    const char* parent = nullptr;  // a Frame's or Picture's name, or nullptr for the form
};

// The entries of a list control, in order.
std::vector<std::string_view> ListEntries(const Control& list);

// A colour as 0xRRGGBB, or kTextColour for the form's own text colour.
using Colour = std::int32_t;
inline constexpr Colour kTextColour = -1;

// A raised title: a bold label with a white copy `offset` twips up and to the left of it
// (down and to the right for a negative offset), drawn behind it and behind whatever the
// form drew before, or only behind its own label.
struct Title {
    const char* name;      // the coloured label
    const char* copyName;  // its white copy
    const char* text;
    Twips at;    // the coloured label's rectangle
    int offset;  // twips
    double points = 15.75;
    bool underline = false;
    Colour colour = kTextColour;
    const char* family = "Verdana";
    bool onBottomLine = false;  // the text stands on the label's bottom line, else centred in its height
    bool copyBehindAll = true;
};

// A label's own font, where it differs from the form's.
struct LabelFont {
    const char* label;
    const char* family;
    double points;
};

// One box of a unit: its place in the unit's order, its name on the form ("p"), the
// quantity a fault report or an explanation names it by ("Power"), the S.I. unit of that
// quantity, and how the unit reads the box (leniently where a relation reads it so).
struct BoxRow {
    int box;
    const char* name;
    const char* quantity;
    SiUnit unit = units::kNumber;
    Reading read = Reading::Strict;
};

// What a press tells the user beyond the boxes it writes: the fault that ended an
// untrapped handler (shown under the form's caption), or a message of the form's own.
struct Message {
    std::string title;
    std::string text;
};

struct Report {
    std::optional<Fault> fault;
    std::optional<Message> message;

    // The sentence the user reads, or "" when there is nothing to tell.
    std::string text() const;
};

// A button whose handler works something out from the form's controls: it reads and
// writes `form` and says what to tell the user; with `steps`, it records there the work
// behind every box it writes (see relation.h).
struct Press {
    const char* button;
    Report (*run)(FormState& form, Steps* steps);
    // Boxes the handler writes even when they hold text (answers worked out afresh on
    // every press, scratch values); it never changes any other filled box.
    std::span<const char* const> rewrites = {};
    // What the press works out, in a word, where the form has more than one press
    // ("voltage"): requests may name it so instead of by its button.
    const char* role = nullptr;
    // The boxes it works over, with their units.
    std::span<const BoxRow> boxes = {};
};

// A "*" button that empties one box.
struct ClearButton {
    const char* button;
    const char* box;
};

// A "Reset" button: empties the boxes and unpicks the lists named in `order`, in that
// order. It reads nothing, so it cannot fault.
struct ResetButton {
    const char* button;
    std::span<const char* const> order;
};

// While `box` has the focus, Enter presses `button`.
struct FocusDefault {
    const char* box;
    const char* button;
};

// The name a screen reader gives a control whose caption would not say what it holds.
struct SpokenName {
    const char* control;
    const char* name;
};

// One stroke of a picture's drawing, in the picture's pixels, in black on white.
struct Stroke {
    enum Shape {
        Line,        // from (x, y) to (x2, y2)
        Rectangle,   // outline of the rectangle x, y, x2 (width), y2 (height)
        Fill,        // filled rectangle x, y, x2 (width), y2 (height)
        Dot,         // filled circle around (x, y) with radius x2
        Text,        // `text` in the rectangle x, y, x2 (width), y2 (height), left-aligned
        CentredText  // `text` centred in that rectangle
    };
    Shape shape;
    int x, y, x2, y2;
    const char* text = nullptr;
};

// A drawing shown in a Picture control.
struct Drawing {
    const char* picture;
    int width, height;  // pixels
    std::span<const Stroke> strokes;
};

// A control set to a text, as a user types or picks it: a box's text, "1" to choose an
// option, a list's entry.
struct Setting {
    const char* control;
    const char* text;
};

// A typical use of a calculator: what is typed, then the button pressed.
struct Example {
    std::span<const Setting> settings;
    const char* press = nullptr;
};

// What sets a component-list form apart: see component_list.h for the controls it adds.
struct ListDecl {
    const char* countCaption;  // "No. of Resistors:"
    const char* component;     // "Resistor": the rows read "Resistor # 1:" to "Resistor # 10:"
    bool combination;          // has the "Combination:" frame with "Series" and "Parallel"
    Twips answer;              // the answer box; "Answer:" stands above it
    Twips calculate;           // the "Calculate" button
    SiUnit rows = {};          // the unit of the rows' values
    // The option under which "Calculate" adds the rows as they read, leniently ("sc" or
    // "pc"); nullptr where it always does. Otherwise it reads them strictly.
    const char* addsRowsWith = nullptr;
};

struct FormDecl {
    const char* name;     // the form's name, "pd"
    const char* caption;  // its window caption
    TwipsSize client;     // its fixed client area
    std::span<const Title> titles = {};
    std::span<const Control> controls = {};
    const ListDecl* list = nullptr;  // a component-list form
    // The tab order, first to last; empty for the reading order of the form's layout
    // (form_layout.h). A component-list form's order goes on from its last row, "ct9".
    std::span<const char* const> tabOrder = {};
    const char* defaultButton = nullptr;
    std::span<const Press> presses = {};
    std::span<const ClearButton> clears = {};
    std::span<const ResetButton> resets = {};
    std::span<const FocusDefault> focusDefaults = {};
    const char* focus = nullptr;  // the control that has the focus when the form opens
    std::span<const LabelFont> fonts = {};
    std::span<const char* const> rightAligned = {};  // labels set flush against their box
    std::span<const SpokenName> spokenNames = {};
    std::span<const Drawing> drawings = {};
    Example example = {};
};

}  // namespace ampora
