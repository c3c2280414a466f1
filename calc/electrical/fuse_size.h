// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/component_list.h"
#include "core/form_decl.h"

#include <string>

// Fuse size for a circuit feeding up to ten loads, in amperes: 1.2 times the largest load
// plus the sum of the other loads.
namespace ampora::fuse_size {

// The new text of the answer box; it is worked out afresh on every press.
//
// The largest load is the first of the largest rows that read as numbers (0 when no
// row is larger); only that one row is left out of the sum of the others, so equal loads
// still count. The other rows add their leading numbers ("7abc" adds 7, an empty row 0),
// and 1.2 times the largest load passes through text before it is added. A step that
// overflows leaves the answer at its last written value. With `steps`, the running sum's
// every step is recorded there (see core/relation.h).
std::string Solve(const component_list::List& list, Steps* steps = nullptr);

// The form `fuse`, declared in fuse_size_form.cpp: its controls and what its buttons do.
extern const FormDecl kForm;

}  // namespace ampora::fuse_size
