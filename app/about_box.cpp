// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about_box.h"

#include "ui/sketch_shape.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>

namespace ampora {
namespace {

const Control kControls[] = {
    {Kind::Label, "lblVersion", "Version: 1.0", {5040, 1680, 1395, 225}},
    {Kind::Label,
     "lblDescription",
     "Ampora: electrical-engineering calculators in S.I. units, from Ohm's law to transformers.",
     {840, 2040, 5205, 570}},
    {Kind::Button, "cmdOK", "OK", {4680, 3960, 1260, 345}},
};

// The name set as a staircase over three lines, each with a white copy below and right.
const Title kTitles[] = {
    {"lblTitle", "Label8", "AM", {1320, 120, 1215, 375}, -30, 14.25},
    {"Label1", "Label9", "PO", {1920, 480, 1215, 375}, -30, 14.25},
    {"Label2", "Label10", "RA", {2520, 840, 1215, 375}, -30, 14.25},
};

// An etched rule: a grey line with a white one beside it, in twips.
struct EtchedRule {
    int x1, y1, x2, y2;
};

const EtchedRule kRules[] = {
    {240, 1920, 6690, 1920},   // under the version
    {120, 2640, 6810, 2640},   // across the box
    {120, 3840, 6810, 3840},   // across the box
    {120, 2400, 120, 3600},    // left side
    {6810, 2400, 6810, 3600},  // right side
};

}  // namespace

AboutBox::AboutBox(QWidget* parent) : CalcForm("frmAbout", QStringLiteral("Ampora"), {6930, 4890}, parent) {
    SketchShape::ring(Px(Twips{0, 120, 1000, 870}), Qt::red, this)->setObjectName(QStringLiteral("Shape1"));
    SketchShape::ring(Px(Twips{240, 240, 1000, 870}), Qt::blue, this)
        ->setObjectName(QStringLiteral("Shape3"));
    SketchShape::ring(Px(Twips{480, 120, 1000, 870}), QColor(0x80, 0x00, 0x80), this)
        ->setObjectName(QStringLiteral("Shape4"));

    int index = 0;
    for (const EtchedRule& r : kRules) {
        const bool horizontal = r.y1 == r.y2;
        const QPoint from(Px(r.x1), Px(r.y1)), to(Px(r.x2), Px(r.y2));
        const QPoint beside = horizontal ? QPoint(0, 1) : QPoint(1, 0);
        SketchShape::rule(from, to, QColor(0x80, 0x80, 0x80), this)
            ->setObjectName(QStringLiteral("Line1%1").arg(index++));
        SketchShape::rule(from + beside, to + beside, Qt::white, this)
            ->setObjectName(QStringLiteral("Line1%1").arg(index++));
    }

    for (const Title& t : kTitles) addTitle(t);
    build(kControls);

    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSizeF(9.75);
    label("lblDescription")->setFont(verdana);
    label("lblDescription")->setWordWrap(true);
    verdana.setBold(true);
    label("lblVersion")->setFont(verdana);

    setDefaultButton("cmdOK");
    onClick("cmdOK", [this] { dismiss(); });
    button("cmdOK")->setFocus();
}

void AboutBox::dismiss() {
    // Inside the main window the frame is what closes; on its own the box closes itself.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

void AboutBox::keyPressEvent(QKeyEvent* event) {
    // "OK" is also the cancel button: Escape anywhere in the box presses it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        button("cmdOK")->click();
        return;
    }
    CalcForm::keyPressEvent(event);
}

}  // namespace ampora
