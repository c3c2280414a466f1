// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Micro-benchmarks of the conversions every box goes through on each press of "Calculate".
#include "core/conversions.h"
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

QTEST_APPLESS_MAIN(BenchConversions)
#include "bench_conversions.moc"
