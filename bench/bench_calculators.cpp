// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Micro-benchmarks of every calculator's press in the core: its declared example, from
// reading the boxes' texts to the texts written back, and for a component-list form also
// all ten rows combined; each without and with the record of its steps, the work an
// explanation shows.
#include "calc/registry.h"
#include "core/component_list.h"
#include "core/control_list.h"
#include "core/form_state.h"
#include "request/settings.h"

#include <QTest>

#include <string>

using namespace ampora;

namespace {

const Press& Pressed(const FormDecl& form, const char* button) {
    for (const Press& press : form.presses)
        if (button && press.button == std::string_view(button)) return press;
    return form.presses.front();
}

// The example typed in; with `tenRows`, a component list's count and rows set to 10 and 1 to 10.
FormState Typed(const FormDecl& form, bool tenRows) {
    const ControlList controls(form);
    FormState state = FormState::initial(form);
    for (const Setting& s : form.example.settings) request::ApplySetting(controls, state, s.control, s.text);
    if (tenRows) {
        state.setBox(component_list::kCountBox, "10");
        for (int k = 0; k < component_list::kRows; ++k)
            state.setBox(component_list::kRowBoxes[k], std::to_string(k + 1));
    }
    return state;
}

// Written after every press so that the optimiser cannot drop the work being timed.
volatile std::size_t gSink = 0;

}  // namespace

class BenchCalculators : public QObject {
    Q_OBJECT
private slots:
    void press_data();
    void press();
};

void BenchCalculators::press_data() {
    QTest::addColumn<int>("calculator");
    QTest::addColumn<bool>("tenRows");
    QTest::addColumn<bool>("recorded");
    const auto calculators = Calculators();
    for (int i = 0; i < static_cast<int>(calculators.size()); ++i) {
        for (const bool recorded : {false, true}) {
            const char* how = recorded ? ", recorded" : "";
            QTest::addRow("%s: example%s", calculators[i]->name, how) << i << false << recorded;
            if (calculators[i]->list)
                QTest::addRow("%s: ten rows%s", calculators[i]->name, how) << i << true << recorded;
        }
    }
}

void BenchCalculators::press() {
    QFETCH(int, calculator);
    QFETCH(bool, tenRows);
    QFETCH(bool, recorded);
    const FormDecl* form = Calculators()[static_cast<std::size_t>(calculator)];
    const FormState typed = Typed(*form, tenRows);
    const Press& press = Pressed(*form, form->example.press);
    QBENCHMARK {
        FormState state = typed;
        Steps steps;
        gSink = press.run(state, recorded ? &steps : nullptr).text().size() + state.allBoxes().size() +
                steps.size();
    }
}

QTEST_APPLESS_MAIN(BenchCalculators)
#include "bench_calculators.moc"
