// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answer_line.h"

#include "json.h"
#include "readings_json.h"

namespace ampora::request {
namespace {

// The request a line holds; a reason is thrown as json::Error.
Request RequestOf(std::string_view line) {
    if (line.find_first_not_of(" \t\r") == std::string_view::npos)
        throw json::Error("the line is empty; each line is one request");
    const json::Value value = json::Parse(line);
    const auto* object = std::get_if<json::Object>(&value);
    if (!object) throw json::Error("a request is an object, {\"calc\":...}");
    const auto text = [](const json::Value& v, const std::string& what) -> const std::string& {
        const auto* s = std::get_if<std::string>(&v);
        if (!s) throw json::Error(what + " is not a string");
        return *s;
    };
    Request request;
    bool named = false;
    for (const json::Member& m : *object) {
        if (m.name == "calc") {
            request.calc = text(m.value, "\"calc\"");
            named = true;
        } else if (m.name == "press") {
            request.press = text(m.value, "\"press\"");
            if (request.press.empty())
                throw json::Error("\"press\" is empty: leave it out to run every press");
        } else if (m.name == "explain" || m.name == "readings" || m.name == "si") {
            const auto* flag = std::get_if<bool>(&m.value);
            if (!flag) throw json::Error("\"" + m.name + "\" is true or false");
            (m.name == "explain"    ? request.explain
             : m.name == "readings" ? request.readings
                                    : request.prefixed) = *flag;
        } else if (m.name == "solution") {
            request.solution = RenderingNamed(text(m.value, "\"solution\""));
            if (!request.solution) throw json::Error("\"solution\" is \"text\", \"markdown\" or \"latex\"");
        } else if (m.name == "set") {
            const auto* set = std::get_if<json::Object>(&m.value);
            if (!set) throw json::Error("\"set\" is not an object of names and texts");
            for (const json::Member& s : *set)
                request.settings.emplace_back(s.name, text(s.value, "the text of \"" + s.name + "\""));
        } else {
            throw json::Error(
                "a request takes \"calc\", \"set\", \"press\", \"explain\", \"readings\", \"si\" and "
                "\"solution\", not \"" +
                m.name + "\"");
        }
    }
    if (!named) throw json::Error("the request names no calculator (\"calc\")");
    return request;
}

std::string ErrorLine(std::string_view reason) {
    return json::Write(json::Object{{"error", std::string(reason)}});
}

}  // namespace

std::string AnswerLine(Calculations& calculations, std::string_view line, bool* refused) {
    if (refused) *refused = true;
    if (line.size() > kMaxLine)
        return ErrorLine("the line is longer than " + std::to_string(kMaxLine) + " bytes");
    Request request;
    try {
        request = RequestOf(line);
    } catch (const json::Error& e) {
        return ErrorLine(e.what());
    }
    const Answer answer = calculations.run(request);
    if (!answer.error.empty()) return ErrorLine(answer.error);
    if (refused) *refused = false;
    json::Object boxes;
    boxes.reserve(answer.boxes.size());
    for (const auto& [name, text] : answer.boxes) boxes.push_back({std::string(name), text});
    json::Value fault = nullptr;
    if (!answer.told.empty()) fault = answer.told;
    json::Object out;
    out.push_back({"boxes", std::move(boxes)});
    out.push_back({"fault", std::move(fault)});
    if (request.explain) {
        json::Array steps;
        for (const Step& step : answer.steps) {
            json::Object s{{"box", step.box}};
            if (step.block > 0) {
                s.push_back({"block", static_cast<double>(step.block)});
                s.push_back({"rule", static_cast<double>(step.rule)});
            }
            s.push_back({"relation", step.relation});
            s.push_back({"substituted", step.substituted});
            if (step.fault)
                s.push_back({"fault", *step.fault});
            else
                s.push_back({"result", step.result});
            steps.push_back(std::move(s));
        }
        out.push_back({"steps", std::move(steps)});
    }
    json::Array reports;
    for (const Message& report : answer.reports)
        reports.push_back(json::Object{{"title", report.title}, {"text", report.text}});
    out.push_back({"reports", std::move(reports)});
    if (request.solution) out.push_back({"solution", answer.solution});
    std::string written = json::Write(out);
    if (request.readings) {
        written.pop_back();  // the answer's closing brace
        written.append(",\"readings\":").append(readings_json::Readings(answer.readings));
        written.append(",\"preferred\":").append(readings_json::Preferred(answer.readings)).append("}");
    }
    return written;
}

}  // namespace ampora::request
