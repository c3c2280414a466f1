// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QRect>

// A form's layout as a compact table: name, kind, caption and design rectangle in twips.
namespace ampora {

// 15 twips make one device-independent pixel.
constexpr int Px(int twips) { return (twips + 7) / 15; }

struct Twips {
    int left, top, width, height;
    QRect px() const { return {Px(left), Px(top), Px(width), Px(height)}; }
};

enum class Kind {
    Label,      // QLabel
    Box,        // QLineEdit
    Button,     // QPushButton
    Option,     // QRadioButton
    List,       // QComboBox, not editable, nothing chosen at start
    Frame,      // QGroupBox; later rows may name it as their parent
    StatusBar,  // QStatusBar showing the caption as a fixed hint
    Picture,    // QLabel with a sunken border for a drawing; later rows may name it as their parent
    Line,       // SketchShape: a fixed line from (left, top) to (left + width, top + height)
    Circle,     // SketchShape: the largest circle centred in the rectangle
};

// A line's rectangle from its two end points; width and height may be negative.
constexpr Twips LineFrom(int x1, int y1, int x2, int y2) { return {x1, y1, x2 - x1, y2 - y1}; }

struct Control {
    Kind kind;
    const char* name;
    const char* caption;
    Twips at;
    const char* parent = nullptr;  // a Frame's or Picture's name, or nullptr for the form itself
};

// A raised title: a bold label with a white copy `offset` twips up and to the left of it,
// drawn behind it.
struct Title {
    const char* name;      // the coloured label
    const char* copyName;  // its white copy
    const char* text;
    Twips at;    // the coloured label's rectangle
    int offset;  // twips
    double points = 15.75;
    bool underline = false;
    QColor colour = QColor();  // invalid: the default text colour
    const char* family = "Verdana";
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool copyBehindAll = true;  // false: the copy lies only behind its label, over what came before
};

}  // namespace ampora
