// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <any>
#include <cmath>
#include <cstdio>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

// The project's own small test harness, for the tests that need no Qt, in Qt Test's
// style: named suites of tests, data-driven tests over tables of named rows (a test's
// data, declared before it), and comparisons that print both sides when they fail.
//
//     TEST_DATA(TestConductance, solve) {
//         AddColumn<std::string>("r");
//         AddColumn<std::string>("c");
//         NewRow("resistance gives conductance") << "4" << "0.25";
//     }
//     TEST(TestConductance, solve) {
//         FETCH(std::string, r);
//         FETCH(std::string, c);
//         COMPARE(conductance::Solve({r, ""})[1], c);
//     }
//
// A failed check ends its test, or its row of a table; so does an exception that escapes,
// which fails it. Run with `--suite=Name` for one suite, and with test names for only
// those tests; the exit status is 1 when any test failed.
namespace ampora::check {

// The failure of a check: thrown to end the test that made it.
struct Failure {
    std::string message;
    const char* file;
    int line;
};

// A row of a table being declared: its values, one per column, in order.
class Row {
public:
    template <typename Value>
    Row& operator<<(Value&& value) {
        values.emplace_back(std::decay_t<Value>(std::forward<Value>(value)));
        return *this;
    }

    std::string name;
    std::vector<std::any> values;
};

// In a test's data: a column of its table, and a row.
void AddColumnNamed(std::string name);
template <typename T>
void AddColumn(std::string name) {
    AddColumnNamed(std::move(name));
}
Row& NewRow(std::string name);

// In a test over a table: the current row's value in `column`.
const std::any& Cell(const char* column);

// A value of a row as the column's type: as given, or converted from the types that rows
// are written with (a string literal for a text, an int for a number).
template <typename T>
T As(const std::any& value) {
    if (const T* exact = std::any_cast<T>(&value)) return *exact;
    std::optional<T> converted;
    const auto from = [&]<typename S>(S*) {
        if constexpr (std::is_convertible_v<S, T>)
            if (const S* given = std::any_cast<S>(&value); given && !converted) converted = T(*given);
    };
    from(static_cast<const char**>(nullptr));
    from(static_cast<std::string*>(nullptr));
    from(static_cast<int*>(nullptr));
    from(static_cast<long*>(nullptr));
    from(static_cast<unsigned*>(nullptr));
    from(static_cast<double*>(nullptr));
    from(static_cast<bool*>(nullptr));
    if (!converted)
        throw Failure{std::string("a row's value is of another type than its column"), __FILE__, __LINE__};
    return *converted;
}

template <typename T>
T Fetch(const char* column) {
    return As<T>(Cell(column));
}

// A value as a failure shows it: texts quoted, lists in braces.
template <typename T>
std::string Shown(const T& value) {
    if constexpr (std::is_convertible_v<const T&, std::string_view>) {
        return '"' + std::string(std::string_view(value)) + '"';
    } else if constexpr (std::is_same_v<T, bool>) {
        return value ? "true" : "false";
    } else if constexpr (std::is_floating_point_v<T>) {
        char text[32];
        std::snprintf(text, sizeof text, "%.17g", static_cast<double>(value));
        return text;
    } else if constexpr (std::is_enum_v<T>) {
        return std::to_string(static_cast<long long>(value));
    } else if constexpr (requires {
                             value.has_value();
                             *value;
                         }) {
        return value ? Shown(*value) : "nothing";
    } else if constexpr (requires {
                             value.begin();
                             value.end();
                         }) {
        std::string text = "{";
        for (const auto& item : value) text += (text.size() > 1 ? ", " : "") + Shown(item);
        return text + "}";
    } else {
        std::ostringstream text;
        text << value;
        return text.str();
    }
}

// Whether two values are the same; for floating-point values as Qt Test judges them:
// within a relative 1E-12, or both within 1E-12 of zero, or the same infinity, or both
// not a number.
template <typename A, typename B>
bool Same(const A& actual, const B& expected) {
    if constexpr (std::is_floating_point_v<A> || std::is_floating_point_v<B>) {
        const double a = static_cast<double>(actual), e = static_cast<double>(expected);
        if (std::isnan(e)) return std::isnan(a);
        if (std::isinf(e)) return a == e;
        if (std::abs(e) <= 1e-12) return std::abs(a) <= 1e-12;
        return std::abs(a - e) * 1e12 <= std::min(std::abs(a), std::abs(e));
    } else {
        return actual == expected;
    }
}

[[noreturn]] void Fail(std::string_view message, const char* file, int line);

template <typename A, typename B>
void Compare(const A& actual, const B& expected, const char* actualText, const char* expectedText,
             const char* file, int line) {
    if (Same(actual, expected)) return;
    std::string said = "Compared values are not the same\n   Actual   (";
    said.append(actualText).append("): ").append(Shown(actual));
    said.append("\n   Expected (").append(expectedText).append("): ").append(Shown(expected));
    Fail(said, file, line);
}

// (Texts are joined by appending: GCC 12 warns falsely of an overlap in "text" + string.)
inline void Verify(bool condition, const char* text, std::string_view message, const char* file, int line) {
    if (condition) return;
    std::string said = "'";
    said.append(text).append("' returned FALSE.");
    if (!message.empty()) said.append(" (").append(message).append(")");
    Fail(said, file, line);
}

// A line of information in the test's output, printf style.
void Info(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The tests of the executable, as they register themselves.
struct Registration {
    using Function = void (*)();
    Registration(const char* suite, const char* test, Function body);
    struct Data {};
    Registration(const char* suite, const char* test, Function data, Data);
};

// Runs the tests that the arguments select; 0 when all passed, 1 when one failed, 2 for
// arguments it does not take.
int Run(int argc, char** argv);

}  // namespace ampora::check

#define AMPORA_CHECK_NAME(suite, test, what) suite##_##test##_##what

// A test of `suite`, and the data of its table (declared before it).
#define TEST(suite, test)                                                                  \
    static void AMPORA_CHECK_NAME(suite, test, body)();                                    \
    static const ::ampora::check::Registration AMPORA_CHECK_NAME(suite, test, registered)( \
        #suite, #test, &AMPORA_CHECK_NAME(suite, test, body));                             \
    static void AMPORA_CHECK_NAME(suite, test, body)()
#define TEST_DATA(suite, test)                                                                        \
    static void AMPORA_CHECK_NAME(suite, test, data)();                                               \
    static const ::ampora::check::Registration AMPORA_CHECK_NAME(suite, test, tabled)(                \
        #suite, #test, &AMPORA_CHECK_NAME(suite, test, data), ::ampora::check::Registration::Data{}); \
    static void AMPORA_CHECK_NAME(suite, test, data)()

#define FETCH(Type, name) const Type name = ::ampora::check::Fetch<Type>(#name)
#define COMPARE(actual, expected) \
    ::ampora::check::Compare((actual), (expected), #actual, #expected, __FILE__, __LINE__)
#define VERIFY(condition) \
    ::ampora::check::Verify(static_cast<bool>(condition), #condition, {}, __FILE__, __LINE__)
#define VERIFY2(condition, message) \
    ::ampora::check::Verify(static_cast<bool>(condition), #condition, (message), __FILE__, __LINE__)
#define FAIL(message) ::ampora::check::Fail((message), __FILE__, __LINE__)
#define VERIFY_THROWS_EXCEPTION(Exception, ...)                                                      \
    do {                                                                                             \
        bool thrown = false;                                                                         \
        try {                                                                                        \
            __VA_ARGS__;                                                                             \
        } catch (const Exception&) {                                                                 \
            thrown = true;                                                                           \
        }                                                                                            \
        ::ampora::check::Verify(thrown, #__VA_ARGS__ " throws " #Exception, {}, __FILE__, __LINE__); \
    } while (false)
