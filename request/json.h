// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The part of JSON (RFC 8259) that requests are made of: objects, strings, true, false and
// null, and where asked arrays of them (an answer's reports, an event's settings). Numbers
// are refused with a reason, like any other text that is not JSON; a box's text is always
// a string. The writer also writes numbers, for the answers and documents the program
// makes itself (the steps of an explained answer, the description of the forms for the
// web page), which are never read back here.
namespace ampora::json {

struct Member;
struct Array;
// An object's members in their order; no name appears twice.
using Object = std::vector<Member>;
using Value = std::variant<std::string, Object, std::nullptr_t, Array, double, bool>;

struct Array : std::vector<Value> {
    using std::vector<Value>::vector;
};

struct Member {
    std::string name;
    Value value;
};

struct Item {
    Value value;
};

// Why a text is not a value of the subset, starting "column N: " (counted in bytes from 1).
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Whether a text may hold arrays: a request never does, an answer or an event may.
enum class Arrays { Refused, Read };

// `text` as one value with blanks around it. Strings come back as UTF-8, every escape
// decoded (a surrogate pair to its one character, "\u0000" to a NUL byte); text that is
// not UTF-8, a lone surrogate, a control character left unescaped, a name given twice in
// one object or objects nested more than 16 deep are refused.
Value Parse(std::string_view text, Arrays arrays = Arrays::Refused);

// Appends `text` as a JSON string, quotes included. Control characters, '"' and '\' are
// escaped and UTF-8 is copied as it is. A byte that is not part of a UTF-8 character
// (text typed on a command line in another encoding) is written as "\ufffd", the
// replacement character, so that the output is always valid JSON.
void AppendString(std::string& out, std::string_view text);

// `value` on one line, without blanks. A number is written as a box shows it, to 15
// significant digits ("1200", "15.75", "1E-05"); one that is not finite, as null.
std::string Write(const Value& value);

// The member of `object` named `name`, or nullptr.
const Value* Find(const Object& object, std::string_view name);

}  // namespace ampora::json
