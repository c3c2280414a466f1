// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Micro-benchmarks of the conversions every box goes through on each press of "Calculate".
#include "core/conversions.h"
#include "core/decimal_text.h"
#include "core/fault.h"

#include <QTest>

#include <string>

using namespace ampora;

namespace {

// Written after every call so that the optimiser cannot drop the work being timed.
volatile double gSink = 0;

}  // namespace

class BenchConversions : public QObject {
    Q_OBJECT
private slots:
    void textToNumber_data();
    void textToNumber();
    void leadingNumber_data();
    void leadingNumber();
    void numberToText_data();
    void numberToText();
    void nearestDouble_data();
    void nearestDouble();
    void fifteenDigits_data();
    void fifteenDigits();
};

void BenchConversions::textToNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("small integer") << "4";
    QTest::newRow("fifteen digits") << "0.333333333333333";
    QTest::newRow("exponent form") << "1.5E-05";
    QTest::newRow("blanks and sign") << "  -12.75  ";
    QTest::newRow("unreadable, faults") << "abc";
}

void BenchConversions::textToNumber() {
    QFETCH(QString, text);
    const std::string input = text.toStdString();
    QBENCHMARK {
        try {
            gSink = TextToNumber(input);
        } catch (const Fault&) {
            gSink = -1;
        }
    }
}

void BenchConversions::leadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("small integer") << "4";
    QTest::newRow("number then unit") << "12.5 ohms";
    QTest::newRow("blanks inside") << " 1 2 . 5E 3";
    QTest::newRow("no number") << "abc";
}

void BenchConversions::leadingNumber() {
    QFETCH(QString, text);
    const std::string input = text.toStdString();
    QBENCHMARK { gSink = LeadingNumber(input); }
}

void BenchConversions::numberToText_data() {
    QTest::addColumn<double>("value");
    QTest::newRow("small integer") << 4.0;
    QTest::newRow("fifteen digits") << 1.0 / 3.0;
    QTest::newRow("exponent form") << 1.5e-5;
    QTest::newRow("large") << 6.02214076e23;
}

void BenchConversions::numberToText() {
    QFETCH(double, value);
    QBENCHMARK { gSink = static_cast<double>(NumberToText(value).size()); }
}

// The two implementations of the decimal steps side by side: <charconv>, which the
// desktop uses, and the C library's, which the web page's build uses.
void BenchConversions::nearestDouble_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("cLibrary");
    for (const bool cLibrary : {false, true}) {
        const char* by = cLibrary ? "C library" : "charconv";
        QTest::addRow("small integer, %s", by) << "4" << cLibrary;
        QTest::addRow("fifteen digits, %s", by) << "0.333333333333333" << cLibrary;
        QTest::addRow("exponent form, %s", by) << "1.5E-05" << cLibrary;
    }
}

void BenchConversions::nearestDouble() {
    QFETCH(QString, text);
    QFETCH(bool, cLibrary);
    const std::string input = text.toStdString();
    decimal::Written written;
    std::size_t pos = 0;
    decimal::Read(input, pos, written);
#ifdef AMPORA_DECIMAL_CHARCONV
    if (!cLibrary) {
        QBENCHMARK { gSink = decimal::NearestByCharconv(written); }
        return;
    }
#endif
    QBENCHMARK { gSink = decimal::NearestByCLibrary(written); }
}

void BenchConversions::fifteenDigits_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("cLibrary");
    for (const bool cLibrary : {false, true}) {
        const char* by = cLibrary ? "C library" : "charconv";
        QTest::addRow("small integer, %s", by) << 4.0 << cLibrary;
        QTest::addRow("fifteen digits, %s", by) << 1.0 / 3.0 << cLibrary;
        QTest::addRow("large, %s", by) << 6.02214076e23 << cLibrary;
    }
}

void BenchConversions::fifteenDigits() {
    QFETCH(double, value);
    QFETCH(bool, cLibrary);
#ifdef AMPORA_DECIMAL_CHARCONV
    if (!cLibrary) {
        QBENCHMARK { gSink = decimal::RoundByCharconv(value).exponent; }
        return;
    }
#endif
    QBENCHMARK { gSink = decimal::RoundByCLibrary(value).exponent; }
}

QTEST_APPLESS_MAIN(BenchConversions)
#include "bench_conversions.moc"
