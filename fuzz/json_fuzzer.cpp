// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A line of a batch, whatever it holds, taken the whole way: read as JSON, made a
// request, pressed, and answered. The answer is always one line of JSON that reads back
// as an error (and only then is the line said to be refused) or as the calculator's boxes
// with what its presses told; and any text the reader accepts, or any bytes at all
// written as a string, read back as they were.
#include "calc/registry.h"
#include "core/control_list.h"
#include "fuzz_check.h"
#include "request/answer_line.h"
#include "request/form_events.h"
#include "request/json.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace ampora;

bool IsText(const json::Value* value) { return value && std::holds_alternative<std::string>(*value); }

void CheckAnswer(std::string_view line, const std::string& answer, bool refused) {
    FUZZ_CHECK(answer.find('\n') == std::string::npos, "the answer spans lines: %s", answer.c_str());
    json::Value read;
    try {
        read = json::Parse(answer, json::Arrays::Read);
    } catch (const json::Error& e) {
        FUZZ_CHECK(false, "the answer is no JSON (%s): %s", e.what(), answer.c_str());
    }
    const auto* object = std::get_if<json::Object>(&read);
    FUZZ_CHECK(object, "the answer is no object: %s", answer.c_str());
    const bool error = object->size() == 1 && IsText(json::Find(*object, "error"));
    FUZZ_CHECK(refused == error, "the line is %s, but the answer is: %s", refused ? "refused" : "answered",
               answer.c_str());
    if (error) return;

    const json::Value* boxes = json::Find(*object, "boxes");
    const json::Value* fault = json::Find(*object, "fault");
    const json::Value* reports = json::Find(*object, "reports");
    FUZZ_CHECK(object->size() == 3 && boxes && std::holds_alternative<json::Object>(*boxes) && fault &&
                   (IsText(fault) || std::holds_alternative<std::nullptr_t>(*fault)) && reports &&
                   std::holds_alternative<json::Array>(*reports),
               "the answer is neither an error nor boxes, a fault and reports: %s", answer.c_str());
    // A fault's sentence is what its reports tell, one on a line.
    std::string told;
    for (const json::Value& report : std::get<json::Array>(*reports)) {
        const auto* r = std::get_if<json::Object>(&report);
        FUZZ_CHECK(r && IsText(json::Find(*r, "title")) && IsText(json::Find(*r, "text")),
                   "a report is not a title and a text: %s", answer.c_str());
        told += (told.empty() ? "" : "\n") + std::get<std::string>(*json::Find(*r, "text"));
    }
    FUZZ_CHECK(told == (IsText(fault) ? std::get<std::string>(*fault) : std::string()),
               "the fault and the reports tell different things: %s", answer.c_str());
    // The request was read, so it named its calculator: the boxes are that form's.
    const json::Value request = json::Parse(line);
    const FormDecl* form =
        FindCalculator(std::get<std::string>(*json::Find(std::get<json::Object>(request), "calc")));
    FUZZ_CHECK(form, "an unknown calculator was answered: %s", answer.c_str());
    const auto names = ControlList(*form).visibleBoxes();
    const auto& got = std::get<json::Object>(*boxes);
    FUZZ_CHECK(got.size() == names.size(), "%s: %zu boxes instead of %zu", form->name, got.size(),
               names.size());
    for (std::size_t k = 0; k < got.size(); ++k)
        FUZZ_CHECK(got[k].name == names[k] && IsText(&got[k].value), "%s: box %zu is not %.*s", form->name, k,
                   static_cast<int>(names[k].size()), names[k].data());
}

void CheckRoundTrips(std::string_view bytes) {
    // Any bytes, written as a string, read back as a string, the same where they were UTF-8.
    std::string written;
    json::AppendString(written, bytes);
    try {
        const std::string back = std::get<std::string>(json::Parse(written));
        FUZZ_CHECK(back == bytes || written.find("\\ufffd") != std::string::npos,
                   "a string written and read back changed, though all of it was UTF-8");
    } catch (const json::Error& e) {
        FUZZ_CHECK(false, "a string as written is no JSON (%s): %s", e.what(), written.c_str());
    }
    // What the reader accepts it writes again, and that reads back the same.
    try {
        const std::string once = json::Write(json::Parse(bytes, json::Arrays::Read));
        FUZZ_CHECK(json::Write(json::Parse(once, json::Arrays::Read)) == once, "written again, %s changes",
                   once.c_str());
    } catch (const json::Error&) {
    }
}

// The request `line` with "explain" set to `explain` (and, with `readings`, asking for the
// readings with prefixed input, which a plain answer never has), or nothing when it is no
// object.
// With `solution`, it asks for the solution in that rendering too.
std::optional<std::string> Explained(std::string_view line, bool explain, bool readings = false,
                                     const char* solution = nullptr) {
    try {
        json::Value request = json::Parse(line);
        auto* object = std::get_if<json::Object>(&request);
        if (!object) return std::nullopt;
        std::erase_if(*object, [](const json::Member& m) {
            return m.name == "explain" || m.name == "readings" || m.name == "si" || m.name == "solution";
        });
        if (explain) object->push_back({"explain", true});
        if (readings) {
            object->push_back({"readings", true});
            object->push_back({"si", true});
        }
        if (solution) object->push_back({"solution", std::string(solution)});
        return json::Write(request);
    } catch (const json::Error&) {
        return std::nullopt;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    static request::Calculations calculations;
    const std::optional<std::string> plain = Explained(line, false);
    bool refused = false;
    const std::string answer = request::AnswerLine(calculations, plain ? *plain : line, &refused);
    CheckAnswer(plain ? *plain : line, answer, refused);
    CheckRoundTrips(line);
    // Explained, the same answer with the steps before its reports.
    if (const std::optional<std::string> explained = Explained(line, true)) {
        const std::string withSteps = request::AnswerLine(calculations, *explained);
        const std::size_t reports = answer.rfind(",\"reports\":[");
        FUZZ_CHECK(answer.starts_with("{\"error\"")
                       ? withSteps == answer
                       : reports != std::string::npos &&
                             withSteps.starts_with(answer.substr(0, reports) + ",\"steps\":[") &&
                             withSteps.ends_with(answer.substr(reports)),
                   "explained, the answer changes: %s\n%s", answer.c_str(), withSteps.c_str());
    }
    // Asked for its readings with prefixed input and for its solution: one answer of JSON,
    // refused as the plain one is; a LaTeX solution's braces and blocks pair up, whatever
    // the boxes hold.
    const char* rendering = std::array{"text", "markdown", "latex"}[size % 3];
    if (const std::optional<std::string> read = Explained(line, false, true, rendering)) {
        const std::string answered = request::AnswerLine(calculations, *read);
        try {
            const json::Value read = json::Parse(answered, json::Arrays::Read);
            FUZZ_CHECK(std::holds_alternative<json::Object>(read) &&
                           answer.starts_with("{\"error\"") == answered.starts_with("{\"error\""),
                       "with readings, the answer changes its kind: %s\n%s", answer.c_str(),
                       answered.c_str());
            const json::Value* solution = json::Find(std::get<json::Object>(read), "solution");
            FUZZ_CHECK(answered.starts_with("{\"error\"") ||
                           (solution && std::holds_alternative<std::string>(*solution)),
                       "the answer has no solution: %s", answered.c_str());
            if (solution && rendering == std::string_view("latex")) {
                const std::string& tex = std::get<std::string>(*solution);
                int depth = 0, blocks = 0;
                for (std::size_t k = 0; k < tex.size() && depth >= 0; ++k) {
                    if (tex[k] == '\\') {
                        if (tex.compare(k, 14, "\\begin{align*}") == 0) ++blocks;
                        if (tex.compare(k, 12, "\\end{align*}") == 0) --blocks;
                        ++k;  // an escaped character, "\{" among them
                        continue;
                    }
                    depth += tex[k] == '{' ? 1 : tex[k] == '}' ? -1 : 0;
                }
                FUZZ_CHECK(depth == 0 && blocks == 0, "the LaTeX's braces or blocks do not pair up: %s",
                           tex.c_str());
            }
        } catch (const json::Error& e) {
            FUZZ_CHECK(false, "with readings, the answer is no JSON (%s): %s", e.what(), answered.c_str());
        }
    }
    // The same line as an event of a form the web page draws: always one JSON object.
    const std::string event = request::EventAnswer(calculations, line);
    try {
        FUZZ_CHECK(std::holds_alternative<json::Object>(json::Parse(event, json::Arrays::Read)),
                   "an event's answer is no object: %s", event.c_str());
    } catch (const json::Error& e) {
        FUZZ_CHECK(false, "an event's answer is no JSON (%s): %s", e.what(), event.c_str());
    }
    return 0;
}
