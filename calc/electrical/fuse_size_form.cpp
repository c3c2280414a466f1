// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuse_size_form.h"

#include "fuse_size.h"

#include <QLineEdit>

namespace ampora {
namespace {

// The window caption is the inductance form's; only the title says what this form does.
// clang-format off
const ListForm kList = {
    "fuse", "Inductance Calculation", {6840, 5130}, "No. of Loads:", "Load", false,
    {5220, 1560, 1095, 285}, {3720, 2160, 1455, 495}};
// clang-format on

const Control kControls[] = {
    {Kind::Label, "Label5", "Fuse Size(A):", {3720, 1590, 1455, 255}},
    {Kind::Button, "Command5", "*", {6375, 1560, 285, 285}},
    {Kind::Button, "Command7", "Reset", {5340, 2160, 1095, 495}},
};

const Title kTitle = {"Label3", "Label6", "FUSE SIZE", {2280, 240, 2280, 375}, 15};

}  // namespace

FuseSizeForm::FuseSizeForm(QWidget* parent) : ComponentListForm(kList, parent) {
    addTitle(kTitle);
    build(kControls);
    setTabOrder({"ct9", "ans", "Command2", "Command7"});

    QLineEdit* answer = box("ans");
    onClick("Command2",
            [this, answer] { answer->setText(QString::fromStdString(fuse_size::Solve(list()))); });
    onReset("Command7", {"ans"});
    clearButton("Command5", "ans");
}

}  // namespace ampora
