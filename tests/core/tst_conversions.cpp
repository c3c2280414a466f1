// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/conversions.h"
#include "core/decimal_text.h"
#include "core/fault.h"
#include "support/test_registry.h"

#include <QTest>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

using namespace ampora;

Q_DECLARE_METATYPE(std::string)

namespace {

// Where the two implementations of the decimal steps (<charconv>, and the C library's
// strtod and snprintf, which the web page's build uses) differ on a text or a number:
// "" when they agree, else what each gives.
#ifdef AMPORA_DECIMAL_CHARCONV
std::string Disagreement(double x) {
    if (!std::isfinite(x) || x == 0) return {};
    const decimal::Digits15 a = decimal::RoundByCharconv(x), b = decimal::RoundByCLibrary(x);
    if (a.negative == b.negative && a.digits == b.digits && a.exponent == b.exponent) return {};
    char why[160];
    std::snprintf(why, sizeof why, "%a: %.15s E%d by <charconv>, %.15s E%d by the C library", x,
                  a.digits.data(), a.exponent, b.digits.data(), b.exponent);
    return why;
}

std::string Disagreement(std::string_view text) {
    decimal::Written w;
    std::size_t pos = 0;
    while (pos < text.size() && !decimal::Read(text, pos, w)) ++pos;
    const double a = decimal::NearestByCharconv(w), b = decimal::NearestByCLibrary(w);
    if (std::memcmp(&a, &b, sizeof a) != 0) {
        char why[160];
        std::snprintf(why, sizeof why, "%a by <charconv>, %a by the C library, from ", a, b);
        return why + std::string(text.substr(0, 200));
    }
    return Disagreement(a);
}
#else
std::string Disagreement(double) { return {}; }
std::string Disagreement(std::string_view) { return {}; }
#endif

}  // namespace

class TestConversions : public QObject {
    Q_OBJECT
private slots:
    void textToNumber_data();
    void textToNumber();
    void textToNumberFaults_data();
    void textToNumberFaults();
    void tinyValuesUnderflowQuietly();
    void leadingNumber_data();
    void leadingNumber();
    void numberToText_data();
    void numberToText();
    void nonFiniteNeverBecomesText();
    void everyExponentWritesAndReadsBack();
    void roundTripKeepsFifteenDigits_data();
    void roundTripKeepsFifteenDigits();
    void exactTextReadsBack_data();
    void exactTextReadsBack();
    void roundToInteger_data();
    void roundToInteger();
    void integerRangeFaults_data();
    void integerRangeFaults();
    void integerText();
    void emptyMeansExactlyEmpty();
    void bothDecimalImplementationsAgree();
};

void TestConversions::textToNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("blanks around") << " 42 " << 42.0;
    QTest::newRow("tabs around") << "\t7\t" << 7.0;
    QTest::newRow("negative fraction") << "-0.5" << -0.5;
    QTest::newRow("plus and leading point") << "+.5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("small exponent") << "2.2E-6" << 0.0000022;
    QTest::newRow("lower-case exponent") << "4.7e3" << 4700.0;
    QTest::newRow("exponent with plus") << "2E+6" << 2e6;
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("largest double") << "1.7976931348623157E308" << std::numeric_limits<double>::max();
    QTest::newRow("zero mantissa, huge exponent") << "0E99999" << 0.0;
    QTest::newRow("a thousand digits") << QString(1000, QLatin1Char('1')).prepend("0.") << 1.0 / 9.0;
    QTest::newRow("subnormal") << "1E-310" << 1e-310;
}

void TestConversions::textToNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(TextToNumber(text.toStdString()), value);
    QCOMPARE(Disagreement(text.toStdString()), std::string());
}

void TestConversions::textToNumberFaults_data() {
    QTest::addColumn<QString>("text");
    for (const char* t : {"",
                          " ",
                          "\t",
                          "abc",
                          "1.2.3",
                          "5V",
                          "10k",
                          "1E",
                          "1E+",
                          "--1",
                          "+-1",
                          "- 1",
                          "1 000",
                          "1,5",
                          ".",
                          "+",
                          "E5",
                          "0x10",
                          "inf",
                          "nan",
                          "1E999",
                          "-1E400",
                          "1e99999999999999999999"})
        QTest::newRow(t[0] ? t : "empty") << QString::fromLatin1(t);
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("\u0661\u0662");
    QTest::newRow("full-width digit") << QString::fromUtf8("\uff11");
    QTest::newRow("non-breaking space") << QString::fromUtf8("1\u00a0");
}

void TestConversions::textToNumberFaults() {
    QFETCH(QString, text);
    QCOMPARE(Disagreement(text.toStdString()), std::string());
    try {
        TextToNumber(text.toStdString());
        QFAIL("no fault");
    } catch (const Fault& f) {
        QCOMPARE(f.kind(), FaultKind::Conversion);
    }
}

void TestConversions::tinyValuesUnderflowQuietly() {
    QCOMPARE(TextToNumber("1E-400"), 0.0);
    QCOMPARE(TextToNumber("-1E-400"), 0.0);
    QVERIFY(std::signbit(TextToNumber("-1E-400")));
    // A positive exponent does not lift a mantissa that lies far below the range.
    QCOMPARE(TextToNumber("0." + std::string(500, '0') + "1E99"), 0.0);
    QCOMPARE(TextToNumber("0.00000000000000000001E-310"), 0.0);
    QCOMPARE(TextToNumber("5E-324"), std::numeric_limits<double>::denorm_min());
}

void TestConversions::leadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("stops at letters") << "3.5abc" << 3.5;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks inside") << "1 2" << 12.0;
    QTest::newRow("grouped thousands") << "1 000" << 1000.0;
    QTest::newRow("letters only") << "abc" << 0.0;
    QTest::newRow("comma stops") << "1,5" << 1.0;
    QTest::newRow("exponent") << "2E3x" << 2000.0;
    QTest::newRow("unfinished exponent") << "2Ex" << 2.0;
    QTest::newRow("line feed skipped") << "\n-4\n2" << -42.0;
    QTest::newRow("unit after number") << "90 ohms" << 90.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
}

void TestConversions::leadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(LeadingNumber(text.toStdString()), value);
    QCOMPARE(Disagreement(text.toStdString()), std::string());
}

void TestConversions::numberToText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("one") << 1.0 << "1";
    QTest::newRow("half") << 0.5 << "0.5";
    QTest::newRow("a third") << 1.0 / 3 << "0.333333333333333";
    QTest::newRow("two thirds round up") << 2.0 / 3 << "0.666666666666667";
    QTest::newRow("plain at 1E-04") << 0.0001 << "0.0001";
    QTest::newRow("switches to exponent below 1E-04") << 0.00009 << "9E-05";
    QTest::newRow("1E-05") << 0.00001 << "1E-05";
    QTest::newRow("4.7E-05") << 0.000047 << "4.7E-05";
    QTest::newRow("fifteen digits plain") << 123456789012345.0 << "123456789012345";
    QTest::newRow("1E+15") << 1e15 << "1E+15";
    QTest::newRow("sixteen digits rounded") << 1234567890123456.0 << "1.23456789012346E+15";
    QTest::newRow("negative") << -2.5 << "-2.5";
    QTest::newRow("1E+100") << 1e100 << "1E+100";
    QTest::newRow("just under the switch") << 99999999999999.9 << "99999999999999.9";
    QTest::newRow("rounding carries into a new digit") << 999999999999999.9 << "1E+15";
    QTest::newRow("rounding carries to 1E-04") << 0.00009999999999999999 << "0.0001";
    QTest::newRow("tiny") << 1.5e-300 << "1.5E-300";
    QTest::newRow("subnormal") << 4.9406564584124654e-324 << "4.94065645841247E-324";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("three-digit exponent") << -1.25e-100 << "-1.25E-100";
    QTest::newRow("largest") << std::numeric_limits<double>::max() << "1.79769313486232E+308";
    QTest::newRow("1E+04 plain") << 1e4 << "10000";
    QTest::newRow("1E+05 plain") << 1e5 << "100000";
    QTest::newRow("1E-09") << 1e-9 << "1E-09";
    QTest::newRow("1E+09 plain") << 1e9 << "1000000000";
    QTest::newRow("two-digit exponent, no padding") << 1.5e-10 << "1.5E-10";
    QTest::newRow("1E+10 plain") << -2.5e10 << "-25000000000";
    QTest::newRow("1E-99") << 1e-99 << "1E-99";
    QTest::newRow("1E+99") << 9.99e99 << "9.99E+99";
    QTest::newRow("1E+300") << 1e300 << "1E+300";
    QTest::newRow("-3E-300") << -3e-300 << "-3E-300";
}

void TestConversions::numberToText() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(NumberToText(value)), text);
    QCOMPARE(Disagreement(value), std::string());
}

void TestConversions::nonFiniteNeverBecomesText() {
    for (double v : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()})
        QVERIFY_THROWS_EXCEPTION(Fault, NumberToText(v));
}

// Every decimal exponent of a normal double, with fifteen digits to keep: plain text from
// 1E-04 to below 1E+15, exponent form outside, its exponent signed and with at least two
// digits; and the text reads back to the same value.
void TestConversions::everyExponentWritesAndReadsBack() {
    for (int exponent = -307; exponent <= 308; ++exponent) {
        const std::string typed = "1.23456789012345e" + std::to_string(exponent);
        const double value = std::strtod(typed.c_str(), nullptr);
        const QString text = QString::fromStdString(NumberToText(value));
        const QString where = QStringLiteral("%1 gives %2").arg(QString::fromStdString(typed), text);
        const bool plain = exponent >= -4 && exponent <= 14;
        QVERIFY2(text.contains(QLatin1Char('E')) != plain, qPrintable(where));
        if (plain) {
            QVERIFY2(QString(text).remove(QLatin1Char('.')).contains(QLatin1String("123456789012345")),
                     qPrintable(where));
        } else {
            const QString written = QStringLiteral("1.23456789012345E%1%2")
                                        .arg(QLatin1Char(exponent < 0 ? '-' : '+'))
                                        .arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
            QVERIFY2(text == written, qPrintable(where));
        }
        QVERIFY2(TextToNumber(text.toStdString()) == value, qPrintable(where));
        QCOMPARE(QString::fromStdString(NumberToText(-value)), QLatin1Char('-') + text);
    }
}

void TestConversions::roundTripKeepsFifteenDigits_data() {
    QTest::addColumn<double>("value");
    QTest::newRow("pi") << 3.14159265358979323846;
    QTest::newRow("small") << 1.0 / 7e9;
    QTest::newRow("large") << 6.02214076e23;
    QTest::newRow("negative") << -2.0 / 3;
    QTest::newRow("near the switch") << 0.000099999;
}

void TestConversions::roundTripKeepsFifteenDigits() {
    // Text written once reads back to a value that writes the same text again, and the
    // lenient and strict readers agree on it.
    QFETCH(double, value);
    const std::string text = NumberToText(value);
    const double back = TextToNumber(text);
    QCOMPARE(NumberToText(back), text);
    QCOMPARE(LeadingNumber(text), back);
    QVERIFY(std::abs(back - value) <= std::abs(value) * 1e-14);
}

void TestConversions::exactTextReadsBack_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("15 digits do") << 0.5 << "0.5";
    QTest::newRow("16 digits needed") << 22.0 / 7 << "3.142857142857143";
    QTest::newRow("17 digits needed") << 0.1 + 0.2 << "0.30000000000000004";
    QTest::newRow("negative") << -2.0 / 3 << "-0.6666666666666666";
    QTest::newRow("plain up to 1E+15") << 123456789012345.67 << "123456789012345.67";
    QTest::newRow("exponent of three digits") << 1e300 / 3 << "3.3333333333333335E+299";
    QTest::newRow("smallest subnormal") << 5e-324 << "4.94065645841247E-324";
    QTest::newRow("largest double") << 1.7976931348623157e308 << "1.7976931348623157E+308";
}

void TestConversions::exactTextReadsBack() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(ExactText(value)), text);
    // Any double: the text reads back as the very same double.
    std::uint64_t bits = 0x9e3779b97f4a7c15u;
    for (int k = 0; k < 20000; ++k) {
        bits ^= bits << 13, bits ^= bits >> 7, bits ^= bits << 17;
        double x;
        std::memcpy(&x, &bits, sizeof x);
        if (!std::isfinite(x)) continue;
        QCOMPARE(TextToNumber(ExactText(x)), x);
    }
}

void TestConversions::roundToInteger_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("2.5 to even") << 2.5 << 2;
    QTest::newRow("3.5 to even") << 3.5 << 4;
    QTest::newRow("-2.5 to even") << -2.5 << -2;
    QTest::newRow("0.5 to even") << 0.5 << 0;
    QTest::newRow("1.5 to even") << 1.5 << 2;
    QTest::newRow("just inside the top") << 32767.4 << 32767;
    QTest::newRow("bottom tie stays in range") << -32768.5 << -32768;
    QTest::newRow("not a tie") << 2.5000001 << 3;
}

void TestConversions::roundToInteger() {
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(int(RoundToInteger(value)), rounded);
}

void TestConversions::integerRangeFaults_data() {
    QTest::addColumn<double>("value");
    QTest::newRow("top tie rounds out") << 32767.5;
    QTest::newRow("below the bottom") << -32768.6;
    QTest::newRow("huge") << 1e300;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
}

void TestConversions::integerRangeFaults() {
    QFETCH(double, value);
    try {
        RoundToInteger(value);
        QFAIL("no fault");
    } catch (const Fault& f) {
        QCOMPARE(f.kind(), FaultKind::IntegerOverflow);
    }
}

void TestConversions::integerText() {
    QCOMPARE(QString::fromStdString(IntegerToText(0)), QStringLiteral("0"));
    QCOMPARE(QString::fromStdString(IntegerToText(-32768)), QStringLiteral("-32768"));
    QCOMPARE(int(RoundToInteger(TextToNumber(" 2.5 "))), 2);
    QVERIFY_THROWS_EXCEPTION(Fault, RoundToInteger(TextToNumber("40000")));
}

void TestConversions::emptyMeansExactlyEmpty() {
    QVERIFY(IsEmpty(""));
    QVERIFY(!IsEmpty(" "));
    QVERIFY(!IsEmpty("\t"));
}

// The C library's implementation of the decimal steps, which the web page's build uses,
// against <charconv> on some two million numbers and texts where conversions go wrong:
// any bit pattern, texts of many digits, both ends of the range, subnormal numbers,
// texts exactly half-way between two doubles or a hair either side, and numbers whose
// sixteenth digit is an exact tie.
void TestConversions::bothDecimalImplementationsAgree() {
#ifndef AMPORA_DECIMAL_CHARCONV
    QSKIP("the C++ library has no floating-point <charconv> to compare with");
#endif
    std::mt19937_64 random(2026);
    const auto below = [&](std::uint64_t n) { return random() % n; };
    const auto fromBits = [](std::uint64_t bits) {
        double x;
        std::memcpy(&x, &bits, sizeof x);
        return x;
    };
    long checked = 0, disagreements = 0;
    std::string first;
    const auto check = [&](const auto& value) {
        ++checked;
        if (std::string why = Disagreement(value); !why.empty() && disagreements++ == 0) first = why;
    };
    char text[1000];
    const auto printed = [&](const char* format, auto... values) {
        std::snprintf(text, sizeof text, format, values...);
        return std::string_view(text);
    };
    const auto digits = [&](int count) {
        std::string out(static_cast<std::size_t>(count), '0');
        for (char& c : out) c = static_cast<char>('0' + below(10));
        return out;
    };

    for (int i = 0; i < 600'000; ++i) {  // any bit pattern, and its shortest text
        const double x = fromBits(random());
        check(x);
        if (std::isfinite(x)) check(printed("%.17g", x));
    }
    for (int i = 0; i < 300'000; ++i) {  // many digits, the point anywhere, any exponent
        std::string t = digits(1 + static_cast<int>(below(60)));
        t.insert(t.begin() + static_cast<std::ptrdiff_t>(below(t.size() + 1)), '.');
        check(t + "e" + std::to_string(static_cast<int>(below(700)) - 370));
    }
    for (int i = 0; i < 200'000; ++i) {  // both ends of the range, and the subnormal numbers
        const int ends[] = {308, -308, -324, -320};
        check(digits(1 + static_cast<int>(below(20))) + "e" +
              std::to_string(ends[below(4)] + static_cast<int>(below(7)) - 3 - static_cast<int>(below(20))));
        const double subnormal = fromBits(random() & 0x800FFFFFFFFFFFFFull);
        check(subnormal);
        check(printed("%.25e", subnormal));
    }
    if constexpr (std::numeric_limits<long double>::digits >= 64) {
        // Half-way between two doubles is exact in an 80-bit long double, and so is its
        // decimal text: the tie, a hair below it (cut short), a hair above (a 1 added).
        for (int i = 0; i < 60'000; ++i) {
            const bool anywhere = i % 4 == 0;
            const std::uint64_t exponentBits = anywhere ? below(2046) : 1023 - 80 + below(160);
            const double x = fromBits((random() & 0x800FFFFFFFFFFFFFull) | (exponentBits << 52));
            const long double mid = (static_cast<long double>(x) + std::nextafter(x, 2 * x)) / 2;
            std::string tie(printed("%.*Le", anywhere ? 800 : 130, mid));
            const std::size_t e = tie.find('e');
            check(tie);
            check(tie.substr(0, 17 + below(30)) + tie.substr(e));
            check(tie.substr(0, e) + "1" + tie.substr(e));
        }
    }
    for (int i = 0; i < 100'000; ++i) {  // the sixteenth significant digit an exact 5
        const double whole = std::floor(1e14 + static_cast<double>(below(900'000'000'000'000)));
        const double tie = below(2) ? whole + 0.5 : std::floor(whole / 10) + 0.25;
        check(below(2) ? tie : -tie);
        check(static_cast<double>(1'000'000'000'000'005 + 10 * below(800'000'000'000'000)));
    }
    QVERIFY2(disagreements == 0, qPrintable(QStringLiteral("%1 of %2 disagree, first %3")
                                                .arg(disagreements)
                                                .arg(checked)
                                                .arg(QString::fromStdString(first))));
}

AMPORA_TEST(TestConversions)
#include "tst_conversions.moc"
