// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/checked.h"
#include "core/portable_sine.h"
#include "support/test_registry.h"

#include <QTest>

#include <mpfr.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

using namespace ampora;

namespace {

// The sine of x correctly rounded to a double, by MPFR.
double CorrectSin(double x) {
    mpfr_t in, out;
    mpfr_init2(in, 53);
    mpfr_init2(out, 53);
    mpfr_set_d(in, x, MPFR_RNDN);
    mpfr_sin(out, in, MPFR_RNDN);
    const double sine = mpfr_get_d(out, MPFR_RNDN);
    mpfr_clear(in);
    mpfr_clear(out);
    return sine;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

class TestPortableSine : public QObject {
    Q_OBJECT
private slots:
    void correctlyRounded();
    void everyTenthOfADegree();
};

// Against MPFR, to the last bit: arguments spread over [-4, 4], any bit pattern there
// (down to the subnormal numbers), and the doubles on either side of each multiple of
// pi/4, where the reduction cancels most digits or the series meet.
void TestPortableSine::correctlyRounded() {
    std::mt19937_64 random(2026);
    std::uniform_real_distribution<double> spread(-4.0, 4.0);
    long checked = 0, wrong = 0;
    double first = 0;
    const auto check = [&](double x) {
        ++checked;
        if (!SameBits(PortableSin(x), CorrectSin(x)) && wrong++ == 0) first = x;
    };
    for (int i = 0; i < 150'000; ++i) {
        check(spread(random));
        double x;
        const std::uint64_t bits = random();
        std::memcpy(&x, &bits, sizeof x);
        if (std::fabs(x) <= 4) check(x);
    }
    for (int quarter = -5; quarter <= 5; ++quarter) {
        double below = quarter * (3.14159265358979323846 / 4), above = below;
        for (int k = 0; k < 2'000; ++k) {
            check(below = std::nextafter(below, -HUGE_VAL));
            check(above = std::nextafter(above, HUGE_VAL));
        }
    }
    QVERIFY2(wrong == 0, qPrintable(QStringLiteral("%1 of %2 differ from MPFR, first at %3")
                                        .arg(wrong)
                                        .arg(checked)
                                        .arg(first, 0, 'g', 17)));
}

// An angle box's every tenth of a degree over a turn, as the electro-magnetism calculator
// takes its sine: exact at the multiples of 90 degrees, else correctly rounded. (The C
// library's sine misrounds two of them, -11.9 and 11.9 degrees.)
void TestPortableSine::everyTenthOfADegree() {
    for (int tenths = -1800; tenths <= 1800; ++tenths) {
        const double degrees = tenths / 10.0;
        const double sine = SinDegrees(degrees).value();
        const double expected = tenths % 900 != 0    ? CorrectSin(degrees * (3.14159265358979323846 / 180.0))
                                : tenths % 1800 == 0 ? 0.0
                                : tenths == 900 || tenths == -2700 ? 1.0
                                                                   : -1.0;
        QVERIFY2(SameBits(sine, expected) || (sine == 0 && expected == 0),
                 qPrintable(QStringLiteral("%1 degrees: %2, not %3")
                                .arg(degrees)
                                .arg(sine, 0, 'g', 17)
                                .arg(expected, 0, 'g', 17)));
    }
    QCOMPARE(SinDegrees(11.9).value(), 0x1.a64e61449d60fp-3);
}

AMPORA_TEST(TestPortableSine)
#include "tst_portable_sine.moc"
