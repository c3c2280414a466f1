// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace ampora {

// The sine of x radians, for |x| <= 4, rounded to the nearest double. It works in
// double-double arithmetic with IEEE double +, -, * and / alone, so that every build
// (the desktop's C library, the WebAssembly one) gives the same bits, where the C
// libraries' sines differ in the last bit on a few arguments in a hundred. Its error
// before the last rounding is about 2^-100 of the result, so it is correctly rounded
// but for arguments whose sine lies that close to half-way between two doubles.
double PortableSin(double x);

}  // namespace ampora
