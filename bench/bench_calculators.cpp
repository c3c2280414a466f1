// Micro-benchmarks of each calculator's pass in the core: one press of "Calculate" on
// typical boxes, from reading the texts to the texts written back.
#include "calc/electrical/conductance.h"

#include <QTest>

using namespace ampora;

namespace {

struct UnitPass {
    const char* name;
    Boxes (*press)();  // runs the unit on fresh boxes and returns what it wrote back
};

// One or more rows per calculator unit. A unit whose handler is untrapped returns an
// Outcome: return its boxes here.
const UnitPass kPasses[] = {
    {"conductance: resistance gives conductance",
     [] {
         return conductance::Solve({"4", ""});
     }},
    {"conductance: conductance gives resistance",
     [] {
         return conductance::Solve({"", "0.001"});
     }},
};

// Written after every press so that the optimiser cannot drop the work being timed.
volatile std::size_t gSink = 0;

}  // namespace

class BenchCalculators : public QObject {
    Q_OBJECT
private slots:
    void pass_data();
    void pass();
};

void BenchCalculators::pass_data() {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < std::size(kPasses); ++i)
        QTest::newRow(kPasses[i].name) << static_cast<int>(i);
}

void BenchCalculators::pass() {
    QFETCH(int, row);
    const UnitPass& unit = kPasses[row];
    QBENCHMARK { gSink = unit.press().size(); }
}

QTEST_APPLESS_MAIN(BenchCalculators)
#include "bench_calculators.moc"
