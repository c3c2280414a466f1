// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "registry.h"

#include "calc/electrical/alternating_current.h"
#include "calc/electrical/basic_electricity.h"
#include "calc/electrical/capacitance.h"
#include "calc/electrical/colour_code.h"
#include "calc/electrical/conductance.h"
#include "calc/electrical/fuse_size.h"
#include "calc/electrical/resistance.h"
#include "calc/geometry/circle.h"
#include "calc/geometry/right_triangle.h"
#include "calc/instruments/ammeter.h"
#include "calc/instruments/oscilloscope.h"
#include "calc/magnetism/electro_magnetism.h"
#include "calc/magnetism/inductance.h"
#include "calc/magnetism/transformer.h"

#include <algorithm>

namespace ampora {
namespace {

// In the order of the Tools menu.
constexpr const FormDecl* kCalculators[] = {
    &basic_electricity::kForm,
    &capacitance::kForm,
    &resistance::kForm,
    &colour_code::kForm,
    &alternating_current::kForm,
    &conductance::kForm,
    &fuse_size::kForm,
    &oscilloscope::kForm,
    &ammeter::kForm,
    &electro_magnetism::kForm,
    &inductance::kForm,
    &transformer::kForm,
    &right_triangle::kForm,
    &circle::kForm,
};

}  // namespace

std::span<const FormDecl* const> Calculators() { return kCalculators; }

const FormDecl* FindCalculator(std::string_view name) {
    const auto it = std::find_if(std::begin(kCalculators), std::end(kCalculators),
                                 [&](const FormDecl* form) { return form->name == name; });
    return it == std::end(kCalculators) ? nullptr : *it;
}

}  // namespace ampora
