// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/conversions.h"
#include "core/preferred_values.h"
#include "core/prefixed_number.h"
#include "core/reading.h"
#include "support/test_registry.h"

#include <QStringList>
#include <QTest>

#include <cmath>
#include <random>

using namespace ampora;
namespace u = ampora::units;

Q_DECLARE_METATYPE(const SiUnit*)

namespace {

DecimalNumber Number(const char* text) { return *DecimalNumber::strictly(text); }

// A series' values of one decade as numbers between 1 and 10, from the table.
std::vector<double> Decade(Series series) {
    std::vector<double> values;
    for (const short v : SeriesDecade(series)) values.push_back(v >= 100 ? v / 100.0 : v / 10.0);
    return values;
}

// "470 (-11.2)": a standard value and its deviation, as the tables below write them.
QString Shown(const std::optional<Preferred>& p) {
    if (!p) return QStringLiteral("none");
    return QString::fromStdString(p->value.text()) + " (" +
           QString::fromStdString(DeviationText(p->deviation)) + ")";
}

QStringList Bands(const std::vector<std::string_view>& bands) {
    QStringList names;
    for (std::string_view b : bands) names << QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size()));
    return names;
}

}  // namespace

// Readings in engineering notation, prefixed input, and the standard parts a value fits:
// the S.I. brochure's prefixes and IEC 60063's, IEC 60062's and IEC 60269-1's tables.
class TestReadings : public QObject {
    Q_OBJECT
private slots:
    void readings_data();
    void readings();
    void prefixedInput_data();
    void prefixedInput();
    void aReadingReadsBackToItsValue();
    void theSeriesAreTheStandardsTables();
    void neighbours_data();
    void neighbours();
    void everyValueOfEverySeriesIsItsOwnNeighbour();
    void bands_data();
    void bands();
    void ratedCurrents();
};

void TestReadings::readings_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<const SiUnit*>("unit");
    QTest::addColumn<bool>("lenient");
    QTest::addColumn<QString>("reading");
    const auto row = [](const char* name, const char* text, const SiUnit& unit, const char* reading,
                        bool lenient = false) {
        QTest::newRow(name) << QString::fromUtf8(text) << &unit << lenient << QString::fromUtf8(reading);
    };
    row("a current in milliamperes", "0.434782608695652", u::kAmpere, "434.783 mA");
    row("a resistance with no prefix", "529", u::kOhm, "529 Ω");
    row("a flux in microwebers", "0.0002512", u::kWeber, "251.2 µWb");
    row("blanks around the number", " 12 ", u::kVolt, "12 V");
    row("a tie rounds to the even digit", "0.4347825", u::kAmpere, "434.782 mA");
    row("past a tie rounds up", "0.43478250001", u::kAmpere, "434.783 mA");
    row("rounding carries into the next prefix", "999.9996", u::kVolt, "1 kV");
    row("a tie that carries", "999999.5", u::kWatt, "1 MW");
    row("trailing zeros dropped", "4.70000", u::kSecond, "4.7 s");
    row("zero", "-0.000", u::kJoule, "0 J");
    row("negative", "-0.005", u::kVolt, "-5 mV");
    row("the smallest prefix", "1E-30", u::kAmpere, "1 qA");
    row("the largest prefix", "9.99E+32", u::kAmpere, "999 QA");
    row("below the prefixes", "1.5E-35", u::kAmpere, "1.5E-35 A");
    row("above the prefixes", "1E+33", u::kOhm, "1E+33 Ω");
    row("a square metre's prefix is squared", "0.00025", u::kSquareMetre, "250 mm²");
    row("a square metre", "12", u::kSquareMetre, "12 m²");
    row("a tenth of a square metre", "0.1", u::kSquareMetre, "0.1 m²");
    row("a square millimetre", "1E-06", u::kSquareMetre, "1 mm²");
    row("an angle takes no prefix and no space", "0.001", u::kDegree, "0.001°");
    row("a count takes no prefix", "10", u::kNumber, "10");
    row("a plain number beyond a million", "1234567", u::kNumber, "1.23457E+06");
    row("a small plain number", "0.00001234", u::kNumber, "1.234E-05");
    row("an exponent typed", "4.7e3", u::kOhm, "4.7 kΩ");
    row("no number, read strictly", "4k7", u::kOhm, "");
    row("an empty box", "", u::kOhm, "", true);
    row("read leniently: what was read", "4k7", u::kOhm, "read as 4 Ω", true);
    row("read leniently: nothing to read", "abc", u::kOhm, "read as 0 Ω", true);
    row("read leniently: blanks inside", "1 000", u::kOhm, "read as 1 kΩ", true);
    row("read leniently: a number is a number", "22", u::kOhm, "22 Ω", true);
    row("too large to work with", "1E+400", u::kOhm, "");
}

void TestReadings::readings() {
    QFETCH(QString, text);
    QFETCH(const SiUnit*, unit);
    QFETCH(bool, lenient);
    QFETCH(QString, reading);
    QCOMPARE(QString::fromStdString(
                 BoxReading(text.toStdString(), *unit, lenient ? Reading::Lenient : Reading::Strict)),
             reading);
}

// A prefix or a code read as the decimal it names, and every other text left alone.
void TestReadings::prefixedInput_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<const SiUnit*>("unit");
    QTest::addColumn<QString>("decimal");  // "" where it is no prefixed number
    const auto row = [](const char* text, const SiUnit& unit, const char* decimal) {
        QTest::newRow(text) << QString::fromUtf8(text) << &unit << QString::fromUtf8(decimal);
    };
    row("4k7", u::kOhm, "4700");
    row("4.7k", u::kOhm, "4700");
    row("4K7", u::kOhm, "4700");
    row("2R2", u::kOhm, "2.2");
    row("R47", u::kOhm, "0.47");
    row("100R", u::kOhm, "100");
    row("100n", u::kFarad, "1E-07");
    row("4n7", u::kFarad, "4.7E-09");
    row("10u", u::kFarad, "1E-05");
    row("10µ", u::kFarad, "1E-05");
    row("10μ", u::kFarad, "1E-05");  // the Greek letter
    row("1M", u::kOhm, "1000000");
    row("1m", u::kOhm, "0.001");
    row("4k7Ω", u::kOhm, "4700");
    row("10uF", u::kFarad, "1E-05");
    row("434.783 mA", u::kAmpere, "0.434783");
    row("100 Ω", u::kOhm, "100");
    row(" -1.25k ", u::kWatt, "-1250");
    row("+.5G", u::kHertz, "500000000");
    row("5m", u::kMetre, "5");  // the symbol, not milli
    row("5mm", u::kMetre, "0.005");
    row("250mm²", u::kSquareMetre, "0.00025");
    row("90°", u::kDegree, "90");
    row("1.23456789012345678k", u::kVolt, "1234.56789012345678");
    row("0k", u::kVolt, "0");
    row("2R2 is no code in farads", u::kFarad, "");
    row("1.5 RΩ: ronna after a blank", u::kOhm, "1.5E+27");
    row("2 EF: exa before the symbol", u::kFarad, "2E+18");
    row("4k7k", u::kOhm, "");
    row("1.2.3k", u::kOhm, "");
    row("4.7k7", u::kOhm, "");
    row("4 k7", u::kOhm, "");
    row("4k7 Ω", u::kOhm, "");
    row("1E3k", u::kOhm, "");
    row("1E", u::kOhm, "");
    row("k", u::kOhm, "");
    row("µF", u::kFarad, "");
    row("90m", u::kDegree, "");
    row("3k", u::kNumber, "");
    row("10uH", u::kFarad, "");
    row("4,7k", u::kOhm, "");
    row("4700", u::kOhm, "");  // a plain number reads as it is
    row("", u::kOhm, "");
}

void TestReadings::prefixedInput() {
    QFETCH(QString, text);
    QFETCH(const SiUnit*, unit);
    QFETCH(QString, decimal);
    const std::string typed =
        text.section(QLatin1Char(':'), 0, 0).section(QLatin1String(" is no"), 0, 0).toStdString();
    const std::optional<PrefixedValue> value = PrefixedNumber(typed, *unit);
    QCOMPARE(QString::fromStdString(value ? value->number : ""), decimal);
    // The number and the power of ten name the same decimal.
    if (value)
        QCOMPARE(DecimalNumber::strictly(value->mantissa + "E" + std::to_string(value->exponent))->text(),
                 value->number);
}

// A reading's number and prefix, read back with prefixed input, give the value to 6
// significant digits, for values all over the prefixes' range and in every unit.
void TestReadings::aReadingReadsBackToItsValue() {
    std::mt19937_64 random(0x4b37);
    const SiUnit* units[] = {&u::kOhm,         &u::kAmpere,         &u::kFarad,
                             &u::kSquareMetre, &u::kAmperePerMetre, &u::kHertz};
    for (int k = 0; k < 20000; ++k) {
        const SiUnit& unit = *units[k % std::size(units)];
        const double value = (random() % 2 ? -1 : 1) *
                             std::ldexp(1.0 + double(random() % 1000000) / 1e6, int(random() % 190) - 95);
        const std::string text = NumberToText(value);
        const std::string reading = EngineeringReading(text, unit);
        const std::optional<PrefixedValue> prefixed = PrefixedNumber(reading, unit);
        const std::optional<std::string> back = prefixed ? std::optional(prefixed->number) : std::nullopt;
        const std::string expected = DecimalNumber::strictly(text)->rounded(6).text();
        // A reading with no prefix and no symbol to hold it is a plain number already.
        const std::string got = back ? *back : reading.substr(0, reading.find(' '));
        QVERIFY2(
            TextToNumber(got) == TextToNumber(expected),
            qPrintable(QString::fromStdString(text + " reads " + reading + ", which reads back as " + got)));
    }
}

// The tables as IEC 60063 prints them: their sizes, each a part of the finer ones, E6 to
// E24 off the rounded powers of ten at exactly the values the standard gives otherwise,
// E48 to E192 on them but for E192's 9.20.
void TestReadings::theSeriesAreTheStandardsTables() {
    const int sizes[] = {6, 12, 24, 48, 96, 192};
    for (std::size_t s = 0; s < kSeries.size(); ++s) {
        const std::vector<double> decade = Decade(kSeries[s]);
        QCOMPARE(int(decade.size()), sizes[s]);
        for (std::size_t k = 1; k < decade.size(); ++k) QVERIFY(decade[k - 1] < decade[k]);
        if (s == 0 || s == 3) continue;
        const std::vector<double> finer = Decade(kSeries[s]), coarser = Decade(kSeries[s - 1]);
        for (std::size_t k = 0; k < coarser.size(); ++k) QCOMPARE(coarser[k], finer[2 * k]);
    }
    const std::vector<double> e48 = Decade(Series::E48), e192 = Decade(Series::E192);
    for (std::size_t k = 0; k < e48.size(); ++k) QCOMPARE(e48[k], e192[4 * k]);

    for (const Series series : kSeries) {
        const std::vector<double> decade = Decade(series);
        const int n = int(decade.size());
        const double scale = n >= 48 ? 100 : 10;
        QStringList off;
        for (int k = 0; k < n; ++k) {
            const double power = std::round(std::pow(10.0, double(k) / n) * scale) / scale;
            if (std::abs(power - decade[std::size_t(k)]) > 1e-9)
                off << QString::number(decade[std::size_t(k)]);
        }
        const QString name = QString::fromStdString(std::string(SeriesName(series)));
        const QStringList expected = n == 6    ? QStringList{"3.3", "4.7"}
                                     : n == 12 ? QStringList{"2.7", "3.3", "3.9", "4.7", "8.2"}
                                     : n == 24
                                         ? QStringList{"2.7", "3", "3.3", "3.6", "3.9", "4.3", "4.7", "8.2"}
                                     : n == 192 ? QStringList{"9.2"}
                                                : QStringList{};
        QVERIFY2(off == expected, qPrintable(name + " differs from the powers at " + off.join(' ')));
    }
}

void TestReadings::neighbours_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("parts");
    QTest::addColumn<QString>("below");
    QTest::addColumn<QString>("above");
    const auto row = [](const char* name, const char* value, Series series, Parts parts, const char* below,
                        const char* above) {
        QTest::newRow(name) << value << int(series) << int(parts) << below << above;
    };
    row("529 ohms in E12", "529", Series::E12, Parts::Resistor, "470 (-11.2)", "560 (5.86)");
    row("529 ohms in E24", "529", Series::E24, Parts::Resistor, "510 (-3.59)", "560 (5.86)");
    row("529 ohms in E96", "529", Series::E96, Parts::Resistor, "523 (-1.13)", "536 (1.32)");
    row("529 ohms in E192", "529", Series::E192, Parts::Resistor, "523 (-1.13)", "530 (0.189)");
    row("just below a decade", "0.99", Series::E24, Parts::Resistor, "0.91 (-8.08)", "1 (1.01)");
    row("a decade's first value", "1", Series::E6, Parts::Resistor, "1 (0)", "1 (0)");
    row("just below the next decade", "9.99", Series::E24, Parts::Resistor, "9.1 (-8.91)", "10 (0.100)");
    row("the next decade's first value", "10", Series::E48, Parts::Resistor, "10 (0)", "10 (0)");
    row("a capacitance of 4.7 nF", "4.7E-09", Series::E6, Parts::Capacitor, "4.7E-09 (0)", "4.7E-09 (0)");
    row("a capacitance between E6's values", "3.9E-06", Series::E6, Parts::Capacitor, "3.3E-06 (-15.4)",
        "4.7E-06 (20.5)");
    row("an inductance", "0.0123", Series::E12, Parts::Inductor, "0.012 (-2.44)", "0.015 (22.0)");
    row("the smallest resistor", "0.001", Series::E24, Parts::Resistor, "0.001 (0)", "0.001 (0)");
    row("below the smallest resistor", "0.0005", Series::E24, Parts::Resistor, "none", "0.001 (100)");
    row("529 ohms in E48: three figures shown", "529", Series::E48, Parts::Resistor, "511 (-3.40)",
        "536 (1.32)");
    row("the largest resistor", "100000000000", Series::E24, Parts::Resistor, "100000000000 (0)",
        "100000000000 (0)");
    row("above the largest resistor", "150000000000", Series::E24, Parts::Resistor, "100000000000 (-33.3)",
        "none");
    row("just below the largest", "95000000000", Series::E24, Parts::Resistor, "91000000000 (-4.21)",
        "100000000000 (5.26)");
    row("above the largest capacitor", "20", Series::E12, Parts::Capacitor, "10 (-50.0)", "none");
    row("no part is negative", "-470", Series::E12, Parts::Resistor, "none", "none");
    row("nor zero", "0", Series::E12, Parts::Resistor, "none", "none");
    row("a box that holds no part", "470", Series::E12, Parts::None, "none", "none");
}

void TestReadings::neighbours() {
    QFETCH(QString, value);
    QFETCH(int, series);
    QFETCH(int, parts);
    QFETCH(QString, below);
    QFETCH(QString, above);
    const Neighbours n = NearestIn(Series(series), Number(qPrintable(value)), Parts(parts));
    QCOMPARE(Shown(n.below), below);
    QCOMPARE(Shown(n.above), above);
}

// Every value of every series, in every decade of each part's range, is its own nearest
// value both ways; halfway to the next it has both, with the deviations worked out here.
void TestReadings::everyValueOfEverySeriesIsItsOwnNeighbour() {
    const struct {
        Parts parts;
        int lowest, highest;
    } ranges[] = {{Parts::Resistor, -3, 10}, {Parts::Capacitor, -12, 0}, {Parts::Inductor, -9, 1}};
    int checked = 0;
    for (const auto& range : ranges) {
        for (const Series series : kSeries) {
            const auto decade = SeriesDecade(series);
            for (int exponent = range.lowest; exponent <= range.highest; ++exponent) {
                for (std::size_t k = 0; k < decade.size(); ++k) {
                    const std::string digits = std::to_string(decade[k]);
                    const DecimalNumber value = DecimalNumber::of(false, digits, 1, exponent);
                    const Neighbours self = NearestIn(series, value, range.parts);
                    QVERIFY(self.below && self.above);
                    QCOMPARE(self.below->value.text(), value.text());
                    QCOMPARE(self.above->value.text(), value.text());
                    // Halfway (by ratio) to the next value.
                    const double here = TextToNumber(value.text());
                    const double next =
                        k + 1 < decade.size()
                            ? TextToNumber(
                                  DecimalNumber::of(false, std::to_string(decade[k + 1]), 1, exponent).text())
                            : std::pow(10.0, exponent + 1);
                    const double between = std::sqrt(here * next);
                    const Neighbours both =
                        NearestIn(series, *DecimalNumber::strictly(NumberToText(between)), range.parts);
                    QVERIFY(both.below && both.above);
                    QCOMPARE(TextToNumber(both.below->value.text()), here);
                    QCOMPARE(TextToNumber(both.above->value.text()), next);
                    const double read = TextToNumber(NumberToText(between));
                    QVERIFY(std::abs(both.below->deviation - (here / read - 1) * 100) < 1e-9);
                    QVERIFY(std::abs(both.above->deviation - (next / read - 1) * 100) < 1e-9);
                    ++checked;
                }
            }
        }
    }
    QCOMPARE(checked, (14 + 13 + 11) * (6 + 12 + 24 + 48 + 96 + 192));
}

void TestReadings::bands_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("e96");
    QTest::addColumn<QStringList>("bands");
    QTest::newRow("510 ohms") << "510" << false << QStringList{"green", "brown", "brown", "gold"};
    QTest::newRow("4.7 kilohms") << "4700" << false << QStringList{"yellow", "violet", "red", "gold"};
    QTest::newRow("4.7 ohms: a gold multiplier")
        << "4.7" << false << QStringList{"yellow", "violet", "gold", "gold"};
    QTest::newRow("0.1 ohm: silver") << "0.1" << false << QStringList{"brown", "black", "silver", "gold"};
    QTest::newRow("91 gigaohms: white")
        << "91000000000" << false << QStringList{"white", "brown", "white", "gold"};
    QTest::newRow("below silver") << "0.01" << false << QStringList{};
    QTest::newRow("beyond white") << "100000000000" << false << QStringList{};
    QTest::newRow("5.23 kilohms in five bands")
        << "5230" << true << QStringList{"green", "red", "orange", "brown", "brown"};
    QTest::newRow("1 ohm in five bands")
        << "1" << true << QStringList{"brown", "black", "black", "silver", "brown"};
    QTest::newRow("too many figures for four bands") << "523" << false << QStringList{};
}

void TestReadings::bands() {
    QFETCH(QString, value);
    QFETCH(bool, e96);
    QFETCH(QStringList, bands);
    const DecimalNumber number = Number(qPrintable(value));
    QCOMPARE(Bands(e96 ? FiveBands(number) : FourBands(number)), bands);
}

void TestReadings::ratedCurrents() {
    const auto at = [](const char* current) {
        const auto rated = RatedCurrentAtOrAbove(Number(current));
        return rated ? QString::fromStdString(rated->text()) : QStringLiteral("none");
    };
    QCOMPARE(at("0.5"), QStringLiteral("2"));
    QCOMPARE(at("2"), QStringLiteral("2"));
    QCOMPARE(at("6.7"), QStringLiteral("8"));
    QCOMPARE(at("12.5"), QStringLiteral("16"));
    QCOMPARE(at("250.1"), QStringLiteral("315"));
    QCOMPARE(at("1250"), QStringLiteral("1250"));
    QCOMPARE(at("1250.5"), QStringLiteral("none"));
    QCOMPARE(at("0"), QStringLiteral("none"));
    QCOMPARE(at("-3"), QStringLiteral("none"));
}

AMPORA_TEST(TestReadings)
#include "tst_readings.moc"
