// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <exception>

namespace ampora::check {
namespace {

struct Test {
    std::string suite, name;
    Registration::Function body = nullptr, data = nullptr;
};

std::vector<Test>& Tests() {
    static std::vector<Test> tests;
    return tests;
}

Test& Named(const char* suite, const char* name) {
    for (Test& test : Tests())
        if (test.suite == suite && test.name == name) return test;
    return Tests().emplace_back(Test{suite, name});
}

struct Table {
    std::vector<std::string> columns;
    std::vector<Row> rows;
};

// What is running: the table being declared or read, its row, and who runs.
Table* table = nullptr;
const Row* row = nullptr;
std::string running;

std::string Where(const char* file, int line) {
    return "   Loc: [" + std::string(file) + "(" + std::to_string(line) + ")]";
}

// Runs one test, or one row of its table; prints what failed.
bool Passes(const std::string& who, Registration::Function body) {
    running = who;
    std::string failure;
    try {
        body();
        return true;
    } catch (const Failure& f) {
        failure = f.message + "\n" + Where(f.file, f.line);
    } catch (const std::exception& e) {
        failure = std::string("an exception escaped the test: ") + e.what();
    } catch (...) {
        failure = "an exception escaped the test, not a std::exception";
    }
    std::printf("FAIL!  : %s %s\n", who.c_str(), failure.c_str());
    std::fflush(stdout);
    return false;
}

}  // namespace

void AddColumnNamed(std::string name) {
    if (!table) throw Failure{"a column outside a test's data", __FILE__, __LINE__};
    table->columns.push_back(std::move(name));
}

Row& NewRow(std::string name) {
    if (!table) throw Failure{"a row outside a test's data", __FILE__, __LINE__};
    table->rows.push_back(Row{std::move(name), {}});
    return table->rows.back();
}

const std::any& Cell(const char* column) {
    if (!table || !row)
        throw Failure{"no row to fetch \"" + std::string(column) + "\" from", __FILE__, __LINE__};
    for (std::size_t k = 0; k < table->columns.size(); ++k)
        if (table->columns[k] == column) {
            if (k >= row->values.size()) break;
            return row->values[k];
        }
    throw Failure{"the row has no value in a column \"" + std::string(column) + "\"", __FILE__, __LINE__};
}

void Fail(std::string_view message, const char* file, int line) {
    throw Failure{std::string(message), file, line};
}

void Info(const char* format, ...) {
    va_list args, again;
    va_start(args, format);
    va_copy(again, args);
    std::vector<char> text(static_cast<std::size_t>(std::vsnprintf(nullptr, 0, format, args)) + 1);
    va_end(args);
    std::vsnprintf(text.data(), text.size(), format, again);
    va_end(again);
    std::printf("INFO   : %s %s\n", running.c_str(), text.data());
}

Registration::Registration(const char* suite, const char* test, Function body) {
    Named(suite, test).body = body;
}

Registration::Registration(const char* suite, const char* test, Function data, Data) {
    Named(suite, test).data = data;
}

int Run(int argc, char** argv) {
    std::string only;
    std::vector<std::string> names;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--suite=", 8) == 0) {
            only = argv[i] + 8;
        } else if (argv[i][0] == '-') {
            std::fprintf(stderr, "usage: %s [--suite=Name] [test...]\n", argv[0]);
            return 2;
        } else {
            names.emplace_back(argv[i]);
        }
    }
    std::vector<std::string> suites;
    for (const Test& test : Tests())
        if (std::find(suites.begin(), suites.end(), test.suite) == suites.end()) suites.push_back(test.suite);
    int passed = 0, failed = 0;
    for (const std::string& suite : suites) {
        if (!only.empty() && suite != only) continue;
        std::printf("********* Start testing of %s *********\n", suite.c_str());
        int suitePassed = 0, suiteFailed = 0;
        for (const Test& test : Tests()) {
            if (test.suite != suite) continue;
            if (!names.empty() && std::find(names.begin(), names.end(), test.name) == names.end()) continue;
            const std::string who = suite + "::" + test.name;
            bool ok = true;
            if (!test.body) {
                ok = Passes(
                    who, +[] {
                        throw Failure{"the data of a test that is not there", __FILE__, __LINE__};
                    });
            } else if (!test.data) {
                ok = Passes(who + "()", test.body);
            } else {
                Table rows;
                table = &rows;
                row = nullptr;
                ok = Passes(who + "_data()", test.data);
                for (const Row& r : rows.rows) {
                    row = &r;
                    const bool whole = r.values.size() == rows.columns.size();
                    ok = Passes(who + "(" + r.name + ")", whole ? test.body : +[] {
                        throw Failure{"the row has not one value for each column", __FILE__, __LINE__};
                    }) && ok;
                }
                table = nullptr;
                row = nullptr;
            }
            if (ok) std::printf("PASS   : %s()\n", who.c_str());
            (ok ? suitePassed : suiteFailed) += 1;
        }
        std::printf("Totals: %d passed, %d failed\n********* Finished testing of %s *********\n", suitePassed,
                    suiteFailed, suite.c_str());
        passed += suitePassed;
        failed += suiteFailed;
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}

}  // namespace ampora::check
