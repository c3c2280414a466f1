// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "form_behaviour.h"
#include "form_decl.h"
#include "step.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The work of a press written out as a solution to hand in: the calculator, what was
// given, the steps in order, what the press told and what it found; and that one
// solution as plain text, Markdown and LaTeX, the same from every front end.
namespace ampora {

// A control a solution names: a box with its text, or an option or a list with its choice.
struct SolvedItem {
    std::string name;     // "p"; an option's or a list's name
    std::string caption;  // "Power"; an option's group, "Combination"
    std::string text;     // the box's text, the option's caption, the list's entry
    std::string unit;     // the symbol of a box's unit ("W"); "" for a plain number and a choice
    std::string reading;  // the box's reading, "434.783 mA"; "" for none
    bool choice = false;  // an option or a list
};

struct Solution {
    std::string caption;            // the calculator's, "Basic Electricity"
    std::vector<SolvedItem> given;  // every filled box, chosen option and picked entry
    Steps steps;                    // in the order they ran
    std::vector<Message> reports;   // what the presses told, with its title
    std::vector<SolvedItem> found;  // every box the presses wrote, as they left it
};

// What a press's report tells under the title the desktop shows it under: a fault under
// the form's caption, a message under its own title; nothing when it tells nothing.
std::optional<Message> Told(const FormDecl& form, const Report& report);

// The solution of the presses that took `before` to `after`, recording `steps` and telling
// `reports`. What is given is what the user sees filled in or chosen before; what is found,
// each box that shows another text after.
Solution SolutionOf(const FormBehaviour& form, const FormView& before, const FormView& after, Steps steps,
                    std::vector<Message> reports);

enum class Rendering { Text, Markdown, LaTeX };

// "text", "markdown" or "latex".
std::optional<Rendering> RenderingNamed(std::string_view name);

// The solution as plain text (its steps the lines StepLine writes), as Markdown (tables of
// what was given and found, the steps a numbered list) or as LaTeX (an align* block for
// each step, math a document that loads only amsmath typesets). A text a user typed stays
// text in each: escaped where the rendering would read it as markup.
std::string Rendered(const Solution& solution, Rendering rendering);

}  // namespace ampora
