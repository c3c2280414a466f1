// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "batch.h"

#include "forms/core/json.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace ampora::cli {
namespace {

std::string ErrorLine(std::string_view reason) {
    return json::Write(json::Object{{"error", std::string(reason)}});
}

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
        } else if (m.name == "set") {
            const auto* set = std::get_if<json::Object>(&m.value);
            if (!set) throw json::Error("\"set\" is not an object of names and texts");
            for (const json::Member& s : *set)
                request.settings.emplace_back(s.name, text(s.value, "the text of \"" + s.name + "\""));
        } else {
            throw json::Error("a request takes \"calc\", \"set\" and \"press\", not \"" + m.name + "\"");
        }
    }
    if (!named) throw json::Error("the request names no calculator (\"calc\")");
    return request;
}

// Reads lines of any length, keeping at most kMaxLine bytes of each. It reads what the
// input has ready rather than waiting for a full buffer, so that a program that writes one
// request and waits for its answer gets it.
class LineReader {
public:
    explicit LineReader(int in) : in_(in) {}

    // The next line without its break, or false at the end. `whole` is false when the
    // line was longer than kMaxLine and `line` holds only its start.
    bool next(std::string& line, bool& whole) {
        line.clear();
        whole = true;
        for (;;) {
            if (at_ == size_) {
                ssize_t got;
                do got = ::read(in_, buffer_, sizeof buffer_);
                while (got < 0 && errno == EINTR);
                at_ = 0;
                size_ = got > 0 ? static_cast<std::size_t>(got) : 0;
                if (got < 0) error_ = errno;
                if (size_ == 0) return !line.empty() || !whole;
            }
            const char* start = buffer_ + at_;
            const void* end = std::memchr(start, '\n', size_ - at_);
            const std::size_t length = end ? static_cast<const char*>(end) - start : size_ - at_;
            const std::size_t room = kMaxLine - std::min(kMaxLine, line.size());
            if (length > room) whole = false;
            line.append(start, std::min(length, room));
            at_ += length;
            if (end) {
                ++at_;
                return true;
            }
        }
    }

    // The error that ended the input early, or 0.
    int error() const { return error_; }

private:
    int in_;
    int error_ = 0;
    char buffer_[1 << 16];
    std::size_t at_ = 0, size_ = 0;
};

}  // namespace

std::string AnswerLine(Calculations& calculations, std::string_view line) {
    Request request;
    try {
        request = RequestOf(line);
    } catch (const json::Error& e) {
        return ErrorLine(e.what());
    }
    const Answer answer = calculations.run(request);
    if (!answer.error.empty()) return ErrorLine(answer.error);
    json::Object boxes;
    boxes.reserve(answer.boxes.size());
    for (const auto& [name, text] : answer.boxes) boxes.push_back({std::string(name), text});
    json::Value fault = nullptr;
    if (!answer.told.empty()) fault = answer.told;
    return json::Write(json::Object{{"boxes", std::move(boxes)}, {"fault", std::move(fault)}});
}

std::string RunBatch(int in, std::FILE* out) {
    Calculations calculations;
    LineReader reader(in);
    std::string line;
    bool whole = true;
    while (reader.next(line, whole)) {
        std::string answer =
            whole ? AnswerLine(calculations, line)
                  : ErrorLine("the line is longer than " + std::to_string(kMaxLine) + " bytes");
        answer += '\n';
        if (std::fwrite(answer.data(), 1, answer.size(), out) != answer.size() || std::fflush(out) != 0)
            return std::string("cannot write the answers: ") + std::strerror(errno);
    }
    if (reader.error() != 0) return std::string("cannot read the requests: ") + std::strerror(reader.error());
    return {};
}

}  // namespace ampora::cli
