// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/registry.h"
#include "core/box_labels.h"
#include "core/control_list.h"
#include "core/form_layout.h"
#include "support/test_registry.h"

#include <QStringList>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

using namespace ampora;
using Type = LayoutNode::Type;

namespace {

QString Name(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool Overlaps(const Twips& a, const Twips& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

bool IsDrawn(const Control& c) { return c.kind == Kind::Line || c.kind == Kind::Circle; }

// The tree in short: "stack(field r, line(control a, control b))", a field by its box, a
// block by its controls.
QString Outline(const LayoutNode& node) {
    const auto group = [](const QString& word, const QStringList& parts) {
        return word + "(" + parts.join(", ") + ")";
    };
    QStringList parts;
    switch (node.type) {
        case Type::Stack:
        case Type::Line:
            for (const LayoutNode& child : node.children) parts << Outline(child);
            return group(node.type == Type::Stack ? "stack" : "line", parts);
        case Type::Field:
            return "field " + Name(node.control->name);
        case Type::Frame:
            return group("frame " + Name(node.control->name), {Outline(node.children.front())});
        case Type::Picture:
        case Type::Sketch:
            for (const BlockControl& held : node.held) parts << Name(held.control->name);
            return group(node.type == Type::Picture ? "picture " + Name(node.control->name) : "sketch",
                         parts);
        case Type::Control:
            return "control " + Name(node.control->name);
    }
    return {};
}

// Every control the tree shows, each time it shows it.
void ShownIn(const LayoutNode& node, QStringList& names) {
    if (node.control && node.type != Type::Field) names << Name(node.control->name);
    for (const Control* c : node.members) names << Name(c->name);
    for (const BlockControl& held : node.held) names << Name(held.control->name);
    for (const LayoutNode& child : node.children) ShownIn(child, names);
}

// What holds for every node of a form's layout; `parent` is the container the node stands
// in (nullptr for the form).
void CheckLayoutNode(const ControlList& controls, const LayoutNode& node, const char* parent,
                     const QString& where) {
    const auto inParent = [&](const Control* c) {
        return c->parent && parent ? std::string_view(c->parent) == parent : c->parent == parent;
    };
    switch (node.type) {
        case Type::Stack:
        case Type::Line:
            QVERIFY2(node.type == Type::Stack || node.children.size() >= 2, qPrintable(where));
            for (const LayoutNode& child : node.children) CheckLayoutNode(controls, child, parent, where);
            return;
        case Type::Field: {
            // The caption and the unit the one reading of the labels gives, where its label
            // stands beside the box; the caption first, the rest left to right.
            const BoxLabels labels = LabelsOf(controls, node.control->name);
            const QString field = where + " " + node.control->name;
            QVERIFY2(node.control->kind == Kind::Box || node.control->kind == Kind::List, qPrintable(field));
            QCOMPARE(Name(node.caption ? node.caption->name : "") + field,
                     Name(controls.find(labels.captionLabel) ? labels.captionLabel : "") + field);
            QCOMPARE(Name(node.unit ? node.unit->name : "") + field,
                     Name(controls.find(labels.unitLabel) ? labels.unitLabel : "") + field);
            std::vector<const Control*> rest = node.members;
            if (node.caption) {
                QCOMPARE(rest.front(), node.caption);
                rest.erase(rest.begin());
            }
            QVERIFY2(
                std::is_sorted(rest.begin(), rest.end(),
                               [](const Control* a, const Control* b) { return a->at.left < b->at.left; }),
                qPrintable(field));
            for (const Control* m : node.members) QVERIFY2(inParent(m), qPrintable(field + " " + m->name));
            return;
        }
        case Type::Frame:
            QVERIFY2(inParent(node.control) && node.children.size() == 1, qPrintable(where));
            CheckLayoutNode(controls, node.children.front(), node.control->name, where);
            return;
        case Type::Picture:
        case Type::Sketch: {
            // On a narrow screen a block's controls keep their size, only ever move right or
            // down, stand clear of each other and within the block's height.
            for (std::size_t i = 0; i < node.held.size(); ++i) {
                const BlockControl& a = node.held[i];
                const QString held = where + " " + a.control->name;
                if (IsDrawn(*a.control)) continue;
                QVERIFY2(a.narrow.width == a.at.width && a.narrow.height == a.at.height, qPrintable(held));
                QVERIFY2(a.narrow.left >= a.at.left && a.narrow.top >= a.at.top, qPrintable(held));
                QVERIFY2(a.narrow.top + a.narrow.height <= node.narrowHeight, qPrintable(held));
                for (std::size_t j = i + 1; j < node.held.size(); ++j)
                    if (!IsDrawn(*node.held[j].control))
                        QVERIFY2(!Overlaps(a.narrow, node.held[j].narrow),
                                 qPrintable(held + " over " + node.held[j].control->name));
            }
            QVERIFY2(node.narrowHeight >= node.at.height, qPrintable(where));
            if (node.type == Type::Picture) QVERIFY2(inParent(node.control), qPrintable(where));
            return;
        }
        case Type::Control:
            QVERIFY2(inParent(node.control), qPrintable(where + " " + node.control->name));
            return;
    }
}

// Small forms whose reading order is plain to see.
constexpr Control kGrid[] = {
    {Kind::Box, "d", "", {1200, 600, 900, 285}},
    {Kind::Box, "c", "", {120, 600, 900, 285}},
    {Kind::Box, "b", "", {1200, 120, 900, 285}},
    {Kind::Box, "a", "", {120, 120, 900, 285}},
};
constexpr Control kColumns[] = {
    {Kind::Box, "a", "", {120, 120, 900, 285}},
    {Kind::Box, "b", "", {3000, 120, 900, 285}},
    {Kind::Box, "c", "", {120, 600, 900, 285}},
    {Kind::Box, "d", "", {3000, 600, 900, 285}},
};
constexpr Control kFramed[] = {
    {Kind::StatusBar, "sb", "Hint", {0, 0, 0, 0}},
    {Kind::Button, "go", "Calculate", {120, 2400, 1200, 375}},
    {Kind::Label, "unit", "V", {2400, 300, 300, 255}},
    {Kind::Button, "clear", "*", {2200, 300, 135, 255}},
    {Kind::Box, "v", "", {1200, 300, 1000, 285}},
    {Kind::Label, "caption", "Volts:", {120, 300, 975, 255}},
    {Kind::Frame, "frame", "Combination:", {120, 900, 1800, 855}},
    {Kind::Option, "parallel", "Parallel", {120, 540, 1215, 255}, "frame"},
    {Kind::Option, "series", "Series", {120, 240, 1215, 255}, "frame"},
    {Kind::Box, "scratch", "", {0, 0, 0, 0}},
};
constexpr ClearButton kFramedClears[] = {{"clear", "v"}};

// A picture with controls of its own and one of the form's standing on it.
constexpr Control kPictured[] = {
    {Kind::Picture, "picture", "", {600, 600, 3000, 900}},
    {Kind::Box, "b", "", {120, 120, 900, 285}, "picture"},
    {Kind::Button, "k", "*", {1000, 120, 135, 195}, "picture"},
    {Kind::Label, "l", "Current", {120, 360, 900, 255}, "picture"},
    {Kind::Label, "m", "Below", {120, 600, 600, 255}, "picture"},
    {Kind::Label, "on", "On it", {700, 1300, 600, 150}},
};
constexpr ClearButton kPicturedClears[] = {{"k", "b"}};

constexpr FormDecl kSmallForms[] = {
    {.name = "grid", .caption = "", .client = {2400, 1200}, .controls = kGrid},
    {.name = "columns", .caption = "", .client = {4200, 1200}, .controls = kColumns},
    {.name = "framed", .caption = "", .client = {3000, 3000}, .controls = kFramed, .clears = kFramedClears},
    {.name = "pictured",
     .caption = "",
     .client = {4000, 2000},
     .controls = kPictured,
     .clears = kPicturedClears},
};

}  // namespace

// A form's layout, worked out once for every front end: the groups its controls form and
// the order they read in.
class TestFormLayout : public QObject {
    Q_OBJECT
private slots:
    void everyCalculator_data();
    void everyCalculator();
    void readingOrder_data();
    void readingOrder();
    void blockControlsMoveClear();
};

void TestFormLayout::everyCalculator_data() {
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < Calculators().size(); ++i)
        QTest::newRow(Calculators()[i]->name) << static_cast<int>(i);
}

// Every control a calculator shows is placed once, in a group of its own container, and
// the reading order names every control once.
void TestFormLayout::everyCalculator() {
    QFETCH(int, index);
    const FormDecl& form = *Calculators()[static_cast<std::size_t>(index)];
    const ControlList controls(form);
    const LayoutNode layout = LayoutOf(controls);
    QCOMPARE(layout.type, Type::Stack);
    CheckLayoutNode(controls, layout, nullptr, form.name);
    if (QTest::currentTestFailed()) return;

    QStringList shown, sized, all;
    ShownIn(layout, shown);
    for (const Control& c : controls.all()) {
        all << c.name;
        if (c.at.width != 0 || c.at.height != 0) sized << c.name;
    }
    shown.sort();
    sized.sort();
    QCOMPARE(shown, sized);
    QStringList read;
    for (std::string_view name : ReadingOrder(controls)) read << Name(name);
    read.sort();
    all.sort();
    QCOMPARE(read, all);
}

void TestFormLayout::readingOrder_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("rows nearer than columns read row by row")
        << 0 << "stack(stack(line(field a, field b), line(field c, field d)))"
        << QStringList{"a", "b", "c", "d"};
    QTest::newRow("columns far apart read one after the other")
        << 1 << "stack(stack(stack(field a, field c), stack(field b, field d)))"
        << QStringList{"a", "c", "b", "d"};
    QTest::newRow(
        "a field as drawn, a frame before its options, the status bar last, a scratch box after all")
        << 2
        << "stack(stack(field v, frame frame(stack(stack(control series, control parallel))), control go), "
           "control sb)"
        << QStringList{"caption", "v", "clear", "unit", "frame", "series", "parallel", "go", "sb", "scratch"};
    QTest::newRow("a picture holds its own controls, then those standing on it")
        << 3 << "stack(picture picture(b, k, l, m, on))" << QStringList{"picture", "b", "k", "l", "m", "on"};
}

void TestFormLayout::readingOrder() {
    QFETCH(int, form);
    QFETCH(QString, shape);
    QFETCH(QStringList, order);
    const ControlList controls(kSmallForms[form]);
    QCOMPARE(Outline(LayoutOf(controls)), shape);
    QStringList read;
    for (std::string_view name : ReadingOrder(controls)) read << Name(name);
    QCOMPARE(read, order);
}

// Where a block's controls overlap on a narrow screen, the later one moves: a "*" button to
// the right of its box, anything else below, as often as it meets another; the block grows
// to hold them.
void TestFormLayout::blockControlsMoveClear() {
    const ControlList controls(kSmallForms[3]);
    const LayoutNode layout = LayoutOf(controls);
    const LayoutNode& picture = layout.children.front();
    QCOMPARE(picture.type, Type::Picture);
    QStringList narrow;
    for (const BlockControl& held : picture.held)
        narrow
            << QStringLiteral("%1 %2,%3").arg(held.control->name).arg(held.narrow.left).arg(held.narrow.top);
    QCOMPARE(narrow, QStringList({"b 120,120", "k 1020,120", "l 120,405", "m 120,660", "on 100,915"}));
    QCOMPARE(picture.at.height, 900);
    QCOMPARE(picture.narrowHeight, 1065);
}

AMPORA_TEST(TestFormLayout)
#include "tst_form_layout.moc"
