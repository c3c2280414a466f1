// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calculation.h"
#include "json.h"

#include <string>
#include <vector>

// Readings and the parts that fit, as JSON answers carry them:
//     "readings":{"i":"434.783 mA","r":"529 Ω"}
//     "preferred":{"r":{"E6":[{"value":"470","reading":"470 Ω","deviation":"-11.2"},{...}],...,
//                       "bands":{"E24":["green","brown","brown","gold"],"E96":[...]}},
//                  "ans":{"rated":{"value":"16","reading":"16 A"}}}
// A series lists the value at or below, then the one at or above; a value that is itself
// in the series is listed once.
namespace ampora::request::readings_json {

// Each as the text of a JSON object.
std::string Readings(const std::vector<BoxRead>& readings);
std::string Preferred(const std::vector<BoxRead>& readings);

}  // namespace ampora::request::readings_json
