// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <functional>
#include <vector>

// Several Qt Test classes share one executable per area: each registers itself here and
// the shared main runs them all.
namespace ampora::test {

using Factory = std::function<QObject*()>;
std::vector<Factory>& Registry();

struct Register {
    explicit Register(Factory factory) { Registry().push_back(std::move(factory)); }
};

}  // namespace ampora::test

#define AMPORA_TEST(Class) \
    static const ampora::test::Register kRegister##Class([]() -> QObject* { return new Class; });
