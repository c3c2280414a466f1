// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "batch.h"

#include "request/answer_line.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace ampora::cli {
namespace {

// Reads lines of any length, keeping at most one byte more of each than a request may
// have (request::kMaxLine), enough for its answer to refuse it. It reads what the input
// has ready rather than waiting for a full buffer, so that a program that writes one
// request and waits for its answer gets it.
class LineReader {
public:
    explicit LineReader(int in) : in_(in) {}

    // The next line without its break, or false at the end.
    bool next(std::string& line) {
        line.clear();
        for (;;) {
            if (at_ == size_) {
                ssize_t got;
                do got = ::read(in_, buffer_, sizeof buffer_);
                while (got < 0 && errno == EINTR);
                at_ = 0;
                size_ = got > 0 ? static_cast<std::size_t>(got) : 0;
                if (got < 0) error_ = errno;
                if (size_ == 0) return !line.empty();
            }
            const char* start = buffer_ + at_;
            const void* end = std::memchr(start, '\n', size_ - at_);
            const std::size_t length = end ? static_cast<const char*>(end) - start : size_ - at_;
            constexpr std::size_t kKept = request::kMaxLine + 1;
            const std::size_t room = kKept - std::min(kKept, line.size());
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

BatchEnd RunBatch(int in, std::FILE* out) {
    BatchEnd end;
    request::Calculations calculations;
    LineReader reader(in);
    std::string line;
    while (reader.next(line)) {
        bool refused = true;
        std::string answer = request::AnswerLine(calculations, line, &refused);
        end.refused += refused;
        answer += '\n';
        if (std::fwrite(answer.data(), 1, answer.size(), out) != answer.size() || std::fflush(out) != 0) {
            end.failure = std::string("cannot write the answers: ") + std::strerror(errno);
            return end;
        }
    }
    if (reader.error() != 0)
        end.failure = std::string("cannot read the requests: ") + std::strerror(reader.error());
    return end;
}

}  // namespace ampora::cli
