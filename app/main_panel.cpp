// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_panel.h"

#include "calc/panel.h"
#include "form_table.h"

#include <QLabel>
#include <QPushButton>

#include <string_view>
#include <vector>

namespace ampora {
namespace {

const Title kPanelTitle = {"Label2", "Label7", "AMPORA", {470, 350, 5655, 615}, 30, 27.75};

// Builds the rows' controls on `form`, each button opening its form through `forms`. Tab
// visits the buttons in the rows' order.
void Build(CalcForm& form, FormTable& forms, std::span<const PanelRow> rows) {
    std::vector<std::string_view> order;
    for (const PanelRow& row : rows) {
        form.build({&row.control, 1});
        if (!row.opens) continue;
        const std::string_view opens = row.opens;
        form.button(row.control.name)->setEnabled(forms.available(opens));
        form.onClick(row.control.name, [&forms, opens] { forms.open(opens); });
        order.emplace_back(row.control.name);
    }
    form.setTabOrder(order);
}

}  // namespace

MainPanel::MainPanel(FormTable& forms, QWidget* parent)
    : CalcForm("Form1", QStringLiteral("Ampora"), {6675, 5130}, parent) {
    auto* small = new QLabel(QStringLiteral("Ampora"), this);
    small->setObjectName(QStringLiteral("Label1"));
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(12);
    font.setBold(true);
    small->setFont(font);
    small->setGeometry(Px(Twips{480, 120, 5655, 345}));
    addTitle(kPanelTitle);
    Build(*this, forms, MainPanelRows());
}

Chooser::Chooser(FormTable& forms, QWidget* parent)
    : CalcForm("trigono", QStringLiteral("Trigonometry"), {2640, 1725}, parent) {
    Build(*this, forms, ChooserRows());
}

}  // namespace ampora
