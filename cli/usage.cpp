// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "usage.h"

#include "calc/panel.h"
#include "calc/registry.h"
#include "core/box_labels.h"
#include "core/component_list.h"
#include "core/control_list.h"
#include "core/unit_words.h"
#include "request/settings.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace ampora::cli {
namespace {

constexpr std::size_t kWidth = 80;

// A unit as a reader of the usage sees it: its label as the form shows it, and its words
// where they say more ("W (watts)", but "turns").
std::string ShownUnit(const std::string& label) {
    const std::string_view words = UnitInWords(label);
    std::string lower = label;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    if (words.empty() || words == lower) return label;
    return label + " (" + std::string(words) + ")";
}

// Rows of columns, each column as wide as its widest cell; the last one is not padded.
std::string Table(const std::vector<std::vector<std::string>>& rows, std::size_t indent = 2) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows)
        for (std::size_t k = 0; k < row.size(); ++k) {
            if (widths.size() <= k) widths.push_back(0);
            widths[k] = std::max(widths[k], row[k].size());
        }
    std::string out;
    for (const auto& row : rows) {
        std::string line(indent, ' ');
        for (std::size_t k = 0; k < row.size(); ++k) {
            line += row[k];
            if (k + 1 < row.size()) line.append(widths[k] + 2 - row[k].size(), ' ');
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out += line + '\n';
    }
    return out;
}

// `words` after `lead`, separated by commas and wrapped before kWidth; the following
// lines are indented by `indent`, or to `lead`'s end.
std::string Wrapped(const std::string& lead, const std::vector<std::string>& words,
                    std::size_t indent = std::string::npos) {
    if (indent == std::string::npos) indent = lead.size();
    std::string out = lead;
    std::size_t column = lead.size();
    bool first = true;
    for (std::size_t k = 0; k < words.size(); ++k) {
        const std::string word = words[k] + (k + 1 < words.size() ? "," : "");
        if (!first && column + 1 + word.size() > kWidth) {
            out += '\n' + std::string(indent, ' ');
            column = indent;
        } else if (!first) {
            out += ' ';
            ++column;
        }
        out += word;
        column += word.size();
        first = false;
    }
    return out + '\n';
}

// A NAME=TEXT argument as a shell reads it back.
std::string ShellArgument(std::string_view name, std::string_view text) {
    const bool plain = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               std::string_view("+-.,/:=_@%").find(c) != std::string_view::npos;
    });
    std::string out = std::string(name) + '=';
    if (plain) return out + std::string(text);
    out += '"';
    for (char c : text) {
        if (c == '"' || c == '\\' || c == '$' || c == '`') out += '\\';
        out += c;
    }
    return out + '"';
}

bool IsRow(std::string_view box) {
    const auto& rows = component_list::kRowBoxes;
    return std::find(rows.begin(), rows.end(), box) != rows.end();
}

// The caption of the frame around `c`, or "".
std::string FrameCaption(const ControlList& controls, const Control& c) {
    const Control* frame = c.parent ? controls.find(c.parent) : nullptr;
    if (!frame || frame->kind != Kind::Frame) return {};
    std::string caption = frame->caption;
    while (!caption.empty() && caption.back() == ':') caption.pop_back();
    return caption;
}

std::string UsageLine(const FormDecl& form) {
    const std::string lead = std::string("Usage: ") + kProgram + ' ' + form.name;
    std::vector<std::string> words;
    if (form.presses.size() > 1) {
        std::string press = "[--press ";
        for (const Press& p : form.presses)
            press += std::string(p.role ? p.role : p.button) + (&p == &form.presses.back() ? "]" : "|");
        words.push_back(press);
    }
    for (const char* word : {"[--explain[=HOW]]", "[--readings]", "[--si]", "[NAME=TEXT]..."})
        words.emplace_back(word);
    // Wrapped before kWidth, the lines after the first under the first word.
    std::string out = lead;
    std::size_t column = lead.size();
    for (const std::string& word : words) {
        if (column + 1 + word.size() > kWidth) {
            out += '\n' + std::string(lead.size(), ' ');
            column = lead.size();
        }
        out += ' ' + word;
        column += 1 + word.size();
    }
    return out + '\n';
}

// The press of the worked example, or nullptr.
const Press* ExamplePress(const FormDecl& form) {
    for (const Press& p : form.presses)
        if (form.example.press && p.button == std::string_view(form.example.press)) return &p;
    return nullptr;
}

std::vector<const Control*> OfKind(const ControlList& controls, Kind kind) {
    std::vector<const Control*> found;
    for (const Control& c : controls.all())
        if (c.kind == kind) found.push_back(&c);
    return found;
}

}  // namespace

std::string GeneralUsage() {
    std::vector<std::string> names;
    std::string roles;  // "oscil: voltage, frequency", for each form with more than one press
    for (const FormDecl* form : Calculators()) {
        names.emplace_back(form->name);
        if (form->presses.size() < 2) continue;
        roles += std::string(roles.empty() ? "" : "; ") + form->name + ":";
        for (const Press& p : form->presses)
            roles += std::string(&p == &form->presses.front() ? " " : ", ") + (p.role ? p.role : p.button);
    }
    const std::string program = kProgram;
    return "Usage: " + program + " CALC [--press PRESS] [--explain[=HOW]] [--readings] [--si]\n" +  //
           "       " + std::string(program.size(), ' ') + "      [NAME=TEXT]...\n" +                //
           "       " + program + " CALC --help\n" +                                                 //
           "       " + program + " --json\n" +                                                      //
           "       " + program + " --list | --help | --version\n" +
           "\n"
           "Runs one of Ampora's calculators as its \"Calculate\" button does, and prints every\n"
           "box of its form as NAME=TEXT, one per line, in the form's tab order. Boxes not\n"
           "named are empty; options and lists not named are as the form opens.\n"
           "\n" +
           Wrapped("  CALC            a calculator: ", names, 18) +
           "  NAME=TEXT       a box's name and its text exactly as typed; an option's name and 1\n"
           "                  to choose it; a list's name and an entry as it reads, or its\n"
           "                  position from 0\n"
           "  --press PRESS   on a form with more than one press, run only this one: named by\n"
           "                  what it works out (" +
           roles +
           ") or by its button\n"
           "  --explain       after the boxes, the work behind each value written, a line per\n"
           "                  step: NAME = RELATION = RELATION WITH THE TEXTS READ = RESULT\n"
           "  --explain=HOW   after the boxes and a blank line, the work as a solution to hand\n"
           "                  in: the calculator, what was given, the steps, what the press\n"
           "                  told and what it found; HOW is text, markdown (tables and a\n"
           "                  numbered list) or latex (amsmath align* blocks)\n"
           "  --readings      after the boxes (and the steps), each box's value read with an\n"
           "                  S.I. prefix, NAME \u2248 READING, and for a resistor, capacitor,\n"
           "                  inductor or fuse, the standard parts nearest it: NAME: E6 ...\n"
           "  --si            read prefixed numbers and part codes as the decimals they name:\n"
           "                  4k7, 4.7k, 2R2, 100n, 10u or 10\u00b5, 1M (mega), 1m (milli), with or\n"
           "                  without the box's unit after them (4k7\u03a9, 10uF)\n"
           "  -h, --help      print this help; after CALC, the names that calculator takes\n"
           "  --list          print one line per calculator: its name, its button's caption on\n"
           "                  the main panel (or the trigonometry chooser) and its window\n"
           "                  caption, in columns apart by two blanks or more\n"
           "  --json          read one calculation per line of standard input as a JSON object,\n"
           "                  {\"calc\":\"pd\",\"set\":{\"p\":\"100\",\"v\":\"230\"}} (with "
           "\"press\":\"PRESS\"\n"
           "                  where the command line says --press), and write one JSON object\n"
           "                  per line: {\"boxes\":{...},\"fault\":null,\"reports\":[]}, or\n"
           "                  {\"error\":\"...\"}; with \"explain\":true, the answer adds\n"
           "                  \"steps\":[...], with \"readings\":true \"readings\":{...} and\n"
           "                  \"preferred\":{...}; \"si\":true reads prefixed input;\n"
           "                  \"solution\":\"HOW\" adds the solution, \"solution\":\"...\"\n"
           "  -v, --version   print the version\n"
           "\n"
           "Exit status: 0 when done; 1 when a press stopped on a fault or showed a message\n"
           "(told on standard error, after the boxes) or the output could not be written; 2\n"
           "when the command line is refused, and then nothing is computed. With --json: 0\n"
           "when every line was answered, faults and all (each answer's \"fault\" tells them);\n"
           "2 when a line was refused with an \"error\", though every line is answered; 1 when\n"
           "the input could not be read or the answers not written.\n";
}

std::string CalculatorList() {
    std::vector<std::vector<std::string>> rows;
    for (const FormDecl* form : Calculators()) {
        // A calculator the panel does not offer keeps its column filled, so that every line
        // splits into the same three.
        const char* panel = PanelCaption(form->name);
        rows.push_back({form->name, panel ? panel : "-", form->caption});
    }
    // At the margin: the list is data for scripts as much as text for people. Captions hold
    // single blanks only, so two or more part the columns.
    return Table(rows, 0);
}

std::string CalculatorUsage(const FormDecl& form) {
    const ControlList controls(form);
    std::vector<std::string> names;
    for (std::string_view box : controls.visibleBoxes()) {
        if (box == component_list::kRowBoxes.front())
            names.emplace_back("ct0..ct9 (or c0..c9)");
        else if (!IsRow(box))
            names.emplace_back(box);
    }
    for (const Control* c : OfKind(controls, Kind::Option)) names.emplace_back(c->name);
    for (const Control* c : OfKind(controls, Kind::List)) names.emplace_back(c->name);
    std::string namesLine = "Names:";
    for (const std::string& n : names) namesLine += ' ' + n;
    return UsageLine(form) + namesLine + '\n' + "\"" + kProgram + ' ' + form.name +
           " --help\" tells what each name is.\n";
}

std::string CalculatorHelp(const FormDecl& form) {
    const ControlList controls(form);
    std::string out = std::string(kProgram) + ' ' + form.name + ": " + form.caption + "\n\n" +
                      UsageLine(form) +
                      "Works out what the form's \"Calculate\" works out from the controls set, and\n"
                      "prints every box.\n";

    std::vector<std::vector<std::string>> rows;
    for (std::string_view box : controls.visibleBoxes()) {
        const BoxLabels labels = LabelsOf(controls, box);
        std::string name(box);
        if (IsRow(box)) name += " (or c" + name.substr(2) + ")";
        rows.push_back({name, labels.caption, ShownUnit(labels.unit)});
    }
    out += "\nBoxes, NAME=TEXT (not named: empty):\n" + Table(rows);

    if (const auto options = OfKind(controls, Kind::Option); !options.empty()) {
        rows.clear();
        const FormState start = FormState::initial(form);
        for (const Control* c : options) {
            std::string about = c->caption;
            if (const std::string group = FrameCaption(controls, *c); !group.empty())
                about = group + ": " + about;
            if (start.option(c->name)) about += " (chosen when the form opens)";
            rows.push_back({c->name, about});
        }
        out += "\nOptions, NAME=1 chooses one of its group:\n" + Table(rows);
    }

    if (const auto lists = OfKind(controls, Kind::List); !lists.empty()) {
        out += "\nLists, NAME=ENTRY as it reads, or NAME=POSITION from 0 (not named: none chosen):\n";
        std::size_t width = 0;
        for (const Control* c : lists) width = std::max(width, std::string_view(c->name).size());
        for (const Control* c : lists) {
            std::string lead = "  " + std::string(c->name);
            lead.append(width + 2 - std::string_view(c->name).size(), ' ');
            lead += LabelsOf(controls, c->name).caption + ": ";
            std::vector<std::string> entries;
            for (std::string_view entry : ListEntries(*c)) entries.push_back(request::Quoted(entry));
            out += Wrapped(lead, entries);
        }
    }

    if (form.presses.size() > 1) {
        rows.clear();
        for (const Press& p : form.presses) {
            const Control* button = controls.find(p.button);
            std::string about = button ? button->caption : "";
            if (const std::string panel = button ? FrameCaption(controls, *button) : ""; !panel.empty())
                about = panel + ": " + about;
            rows.push_back({p.role ? p.role : p.button, p.role ? p.button : "", about});
        }
        out +=
            "\nPresses, --press PRESS (what it works out, or its button) for one alone; without\n"
            "it each runs, in this order:\n" +
            Table(rows) +
            "A message a press shows is told like a fault, so name the press of the panel you\n"
            "fill in.\n";
    }
    return out + "\nExample:\n  " + ExampleCommand(form) + '\n';
}

std::string ExampleCommand(const FormDecl& form) {
    std::string command = std::string(kProgram) + ' ' + form.name;
    if (const Press* p = form.presses.size() > 1 ? ExamplePress(form) : nullptr)
        command += std::string(" --press ") + (p->role ? p->role : p->button);
    for (const Setting& s : form.example.settings) command += ' ' + ShellArgument(s.control, s.text);
    return command;
}

}  // namespace ampora::cli
