// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "right_triangle.h"

namespace ampora::right_triangle {
namespace {

// A side squared and rounded to 15 significant digits, as its text would show it.
Term Square(X x, Box side) {
    static constexpr const char* kSquares[] = {"b^2", "p^2", "h^2"};
    return Rounded(x[side] * x[side], kSquares[side]);
}

const Pass kPass = {
    kBoxes.rows,
    {
        {A, {[](X x) { return 90 - x[C]; }}},
        {C, {[](X x) { return 90 - x[A]; }}},
        {H, {[](X x) { return Sqrt(Square(x, P) + Square(x, B)); }}},
        {P, {[](X x) { return Sqrt(Square(x, H) - Square(x, B)); }}},
        {B, {[](X x) { return Sqrt(Square(x, H) - Square(x, P)); }}},
    },
};

}  // namespace

const Pass& Rules() { return kPass; }

}  // namespace ampora::right_triangle
