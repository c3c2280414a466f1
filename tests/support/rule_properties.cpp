// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rule_properties.h"

#include "check.h"
#include "core/conversions.h"
#include "step_check.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <map>
#include <optional>
#include <regex>
#include <sstream>
#include <utility>

namespace ampora::test {

double Pick(Random& random, double lo, double hi) {
    // lo times hi / lo to a random power made of its square roots: only correctly rounded
    // operations, so every machine picks the same numbers.
    const std::uint64_t bits = random();
    double value = lo, root = hi / lo;
    for (int k = 0; k < 32; ++k) {
        root = std::sqrt(root);
        if (bits >> k & 1) value *= root;
    }
    return value;
}

namespace {

using Findings = std::vector<std::string>;

std::vector<Calculator>& Calculators() {
    static std::vector<Calculator> all;
    return all;
}

// Which world a box's value comes from.
constexpr int kMixed = -1;  // worked out from boxes of different worlds
constexpr int kAny = -2;    // the same in both worlds: a preset, or what shared constants fix

constexpr std::uint64_t kSeed = 0x416d706f7261;
// How the sweep mixes two worlds: bit k picks the world of the k-th box it gives.
constexpr std::uint32_t kMixtures[] = {0x0000u, 0x5555u, 0x3333u, 0x0f0fu};
// The worlds each rule alone is run in for the ledger.
constexpr int kWorldsAlone = 256;
constexpr std::size_t kMostFindings = 12;

// The quantity a box holds, as the unit names it.
std::string Quantity(const Pass& pass, std::size_t box) { return pass.boxes[box].quantity; }

void Add(Findings& findings, std::string finding) {
    if (findings.size() < kMostFindings) findings.push_back(std::move(finding));
}

// "from Current, Voltage": the quantities a rule reads, in the unit's order.
std::string From(const Pass& pass, const Rule& rule) {
    std::string text = "from ";
    for (std::size_t k = 0; k < rule.operands.size(); ++k)
        text.append(k > 0 ? ", " : "").append(Quantity(pass, rule.operands[k]));
    return text;
}

std::string Describe(const Pass& pass, int target, const Rule& rule) {
    return Quantity(pass, target) + " " + From(pass, rule);
}

std::string Given(const Pass& pass, const Boxes& boxes) {
    std::string text;
    for (std::size_t b = 0; b < boxes.size(); ++b)
        if (!IsEmpty(boxes[b])) text += (text.empty() ? "" : ", ") + Quantity(pass, b) + " " + boxes[b];
    return "(given " + (text.empty() ? std::string("nothing") : text) + ")";
}

bool Applies(const Rule& rule, const Boxes& boxes) {
    return std::none_of(rule.operands.begin(), rule.operands.end(),
                        [&](int box) { return IsEmpty(boxes.at(box)); });
}

// A rule whose operands include all of an earlier rule's never fires: whenever it could,
// the earlier rule of its block applies first.
const Rule* PreEmptedBy(const Block& block, std::size_t r) {
    const auto& mine = block.rules[r].operands;
    for (std::size_t e = 0; e < r; ++e) {
        const auto& theirs = block.rules[e].operands;
        if (std::all_of(theirs.begin(), theirs.end(),
                        [&](int box) { return std::find(mine.begin(), mine.end(), box) != mine.end(); }))
            return &block.rules[e];
    }
    return nullptr;
}

std::optional<double> Read(const std::string& text) {
    if (IsEmpty(text)) return std::nullopt;
    try {
        return TextToNumber(text);
    } catch (const Fault&) {
        return std::nullopt;
    }
}

// The text a user types for a world's value.
std::string Typed(const World& world, int box) { return NumberToText(world.values.at(box)); }

std::string Number(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", x);
    return text;
}

// The boxes a user may give: every operand and target that is not a preset.
std::vector<int> Swept(const Calculator& calc) {
    const Pass& pass = *calc.pass;
    std::vector<int> swept;
    for (int box = 0; box < int(pass.boxes.size()); ++box) {
        if (std::find(calc.presets.begin(), calc.presets.end(), box) != calc.presets.end()) continue;
        const bool used = std::any_of(pass.blocks.begin(), pass.blocks.end(), [&](const Block& block) {
            return block.target == box ||
                   std::any_of(block.rules.begin(), block.rules.end(), [&](const Rule& r) {
                       return std::find(r.operands.begin(), r.operands.end(), box) != r.operands.end();
                   });
        });
        if (used) swept.push_back(box);
    }
    return swept;
}

// Two worlds, and the boxes they share: the presets, and any quantity that the shared
// constants fix alone. Every other box differs clearly between them, so that a result
// tells which world it came from.
struct TwoWorlds {
    World a, b;
    std::vector<bool> shared;
};

TwoWorlds MakeTwoWorlds(const Calculator& calc, Random& random) {
    TwoWorlds two{calc.world(random, nullptr), {}, {}};
    for (;;) {
        two.b = calc.world(random, &two.a);
        two.shared.assign(two.a.values.size(), false);
        bool apart = true;
        for (std::size_t box = 0; box < two.shared.size(); ++box) {
            const double x = two.a.values[box], gap = std::abs(two.b.values[box] - x);
            if (std::find(calc.presets.begin(), calc.presets.end(), int(box)) != calc.presets.end() ||
                gap <= 1e-13 * std::abs(x))
                two.shared[box] = true;
            else if (gap <= 10 * calc.tolerance * std::abs(x))
                apart = false;
        }
        if (apart) return two;
    }
}

// The world all of a rule's operands come from: kMixed when they come from both, the first
// when they are all shared.
int WorldOf(const Rule& rule, const std::vector<int>& colour) {
    int world = kAny;
    for (int box : rule.operands)
        if (colour[box] != kAny) world = world == kAny || world == colour[box] ? colour[box] : kMixed;
    return world == kAny ? 0 : world;
}

// What a press must have done, followed block by block over the boxes it returned: the
// first rule whose operands are all filled fires; when its operands all come from one
// world, its result is that world's value, and never the world of a later rule that also
// applied; a block with no applicable rule writes nothing; given boxes keep their text.
// With `replayed`, a press from the texts the last writing block read gives these boxes
// again. Returns the largest deviation from a world seen.
double Check(const Calculator& calc, const Pass& pass, const TwoWorlds& two, const Boxes& in,
             std::vector<int> colour, const Outcome& out, const std::vector<int>* replayed,
             Findings& findings) {
    const World* const worlds[2] = {&two.a, &two.b};
    double worst = 0;
    const auto given = [&] { return Given(pass, in); };
    if (out.fault) Add(findings, "the press reported \"" + out.fault->describe() + "\" " + given());
    for (std::size_t b = 0; b < in.size(); ++b)
        if (!IsEmpty(in[b]) && out.boxes.at(b) != in[b])
            Add(findings, "the given " + Quantity(pass, b) + " became " + out.boxes[b] + " " + given());

    Boxes before = in;  // the texts as the next block finds them
    bool wrote = false;
    const Block* lastWriter = nullptr;  // the last block that read a written box, maybe
    Boxes beforeLast;
    // Whether a rule reads only typed boxes: a result that went through written boxes may
    // equal a later rule's world by algebra (time from power and work, both written from
    // current and charge), so only typed operands tell one rule from another.
    const auto typed = [&](const Rule& rule) {
        return std::none_of(rule.operands.begin(), rule.operands.end(),
                            [&](int box) { return IsEmpty(in[box]); });
    };
    for (const Block& block : pass.blocks) {
        const int t = block.target;
        if (!IsEmpty(in.at(t))) continue;
        const std::string& result = out.boxes.at(t);
        const auto fires = std::find_if(block.rules.begin(), block.rules.end(),
                                        [&](const Rule& rule) { return Applies(rule, before); });
        if (fires == block.rules.end()) {
            if (!IsEmpty(result))
                Add(findings, Quantity(pass, t) + " became " + result + " though no rule applies " + given());
            continue;
        }
        const int world = WorldOf(*fires, colour);
        const auto rule = [&] { return Describe(pass, t, *fires); };
        const std::optional<double> value = Read(result);
        if (world != kMixed) {
            const double want = worlds[world]->values.at(t);
            if (!value) {
                Add(findings,
                    rule() + " left it as \"" + result + "\", the world has " + Number(want) + " " + given());
            } else {
                const double deviation = std::abs(*value - want) / std::abs(want);
                worst = std::max(worst, deviation);
                if (!(deviation <= calc.tolerance))
                    Add(findings,
                        rule() + " gave " + result + ", the world has " + Number(want) + " " + given());
            }
        } else if (value && typed(*fires)) {
            for (auto later = fires + 1; later != block.rules.end(); ++later) {
                if (!Applies(*later, before) || !typed(*later)) continue;
                const int theirs = WorldOf(*later, colour);
                if (theirs == kMixed) continue;
                const double want = worlds[theirs]->values.at(t);
                if (std::abs(*value - want) <= calc.tolerance * std::abs(want))
                    Add(findings, Quantity(pass, t) + " " + result + " is what the later " +
                                      Describe(pass, t, *later) + " gives, not " + rule() + " " + given());
            }
        }
        if (!IsEmpty(result)) {
            if (wrote) {
                lastWriter = &block;
                beforeLast = before;
            }
            wrote = true;
        }
        before[t] = result;
        colour[t] = world;
    }
    // The last block that wrote read earlier results as text: typing those texts instead
    // must give the same press, as long as no earlier block could now use them.
    if (replayed && lastWriter) {
        const bool quiet = std::all_of(&pass.blocks.front(), lastWriter, [&](const Block& block) {
            return !IsEmpty(beforeLast[block.target]) ||
                   std::none_of(block.rules.begin(), block.rules.end(),
                                [&](const Rule& rule) { return Applies(rule, beforeLast); });
        });
        const Boxes again = quiet ? calc.press(beforeLast).boxes : out.boxes;
        for (int box : *replayed)
            if (again[box] != out.boxes[box])
                Add(findings, Quantity(pass, box) + " became " + out.boxes[box] +
                                  ", but typing the texts that " + Quantity(pass, lastWriter->target) +
                                  " read gives " + again[box] + " " + given());
    }
    return worst;
}

// "Power rule 3 (from Resistance, Voltage)": a rule by its place and its operands.
std::string RuleName(const Pass& pass, const Block& block, std::size_t r) {
    return Quantity(pass, block.target) + " rule " + std::to_string(r + 1) + " (" +
           From(pass, block.rules[r]) + ")";
}

// Every rule an earlier one of its block pre-empts is marked so in its table, and every
// marked rule is pre-empted.
Findings Marks(const Pass& pass) {
    Findings findings;
    for (const Block& block : pass.blocks) {
        for (std::size_t r = 0; r < block.rules.size(); ++r) {
            const Rule& rule = block.rules[r];
            const std::string what = RuleName(pass, block, r);
            if (const Rule* earlier = PreEmptedBy(block, r); earlier && rule.preEmpted.empty())
                Add(findings, what + " is not marked pre-empted, though " +
                                  Describe(pass, block.target, *earlier) + " always comes first");
            else if (!earlier && !rule.preEmpted.empty())
                Add(findings, what + " is marked pre-empted (\"" + std::string(rule.preEmpted) +
                                  "\"), but no earlier rule of its block comes first");
        }
    }
    return findings;
}

// A rule that can fire, with a pass of its own.
struct Alone {
    const Block* block;
    std::size_t place;  // in its block, from 0
    const Rule* rule;
    Pass pass;
};

std::vector<Alone> RulesAlone(const Pass& pass) {
    std::vector<Alone> rules;
    for (const Block& block : pass.blocks)
        for (std::size_t r = 0; r < block.rules.size(); ++r)
            if (!PreEmptedBy(block, r))
                rules.push_back({&block, r, &block.rules[r],
                                 Pass{pass.boxes, {{block.target, {block.rules[r]}}}, pass.constants}});
    return rules;
}

// Runs every rule that can fire alone, on exactly its operand boxes, in `rounds` worlds,
// and shows `visit` the world, the boxes before and after, and the fault if any.
template <typename Visit>
void EveryRuleAlone(const Calculator& calc, std::uint64_t seed, int rounds, Visit visit) {
    Random random(seed);
    const std::vector<Alone> rules = RulesAlone(*calc.pass);
    for (int round = 0; round < rounds; ++round) {
        const World world = calc.world(random, nullptr);
        for (const Alone& alone : rules) {
            Boxes in(alone.pass.boxes.size());
            for (int box : calc.presets) in.at(box) = Typed(world, box);
            for (int box : alone.rule->operands) in.at(box) = Typed(world, box);
            Boxes out = in;
            Steps steps;
            const auto fault = RunPass(alone.pass, out, Trapping::Untrapped, &steps);
            visit(alone, world, in, out, fault, steps);
        }
    }
}

constexpr std::uint64_t kNoText = 14695981039346656037u;

void Mix(std::uint64_t& digest, const std::string& text) {
    for (char c : text + '\n') digest = (digest ^ static_cast<unsigned char>(c)) * 1099511628211u;
}

std::string Hex(std::uint64_t digest) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>((digest ^ digest >> 32) & 0xffffffffu));
    return hex;
}

// Every rule that can fire, run alone on exactly its operand boxes from many worlds; its
// explanation, read back by an evaluator of its own, gives the text it wrote.
Findings EveryRule(const Calculator& calc, double& worst) {
    const Pass& pass = *calc.pass;
    Findings findings;
    EveryRuleAlone(calc, kSeed + 1, 16,
                   [&](const Alone& alone, const World& world, const Boxes& in, const Boxes& out,
                       const std::optional<Fault>& fault, const Steps& steps) {
                       for (const Step& step : steps)
                           if (const std::string problem = CheckStep(step); !problem.empty())
                               Add(findings, problem);
                       const int t = alone.block->target;
                       const std::string what = Describe(pass, t, *alone.rule) + " " + Given(pass, in);
                       const double want = world.values.at(t);
                       const std::optional<double> got = Read(out[t]);
                       if (fault) {
                           Add(findings, what + ": \"" + fault->describe() + "\"");
                       } else if (!got) {
                           Add(findings, what + " wrote \"" + out[t] + "\"");
                       } else {
                           const double deviation = std::abs(*got - want) / std::abs(want);
                           worst = std::max(worst, deviation);
                           if (!(deviation <= calc.tolerance))
                               Add(findings, what + " gave " + out[t] + ", the world has " + Number(want));
                       }
                   });
    return findings;
}

// Two rules of one block given together, each one's operands from its own world: the
// first applicable rule's world wins, whichever of the two it is.
Findings Precedence(const Calculator& calc, double& worst, int& cases) {
    const Pass& pass = *calc.pass;
    Findings findings;
    Random random(kSeed + 2);
    for (int round = 0; round < 4; ++round) {
        const TwoWorlds two = MakeTwoWorlds(calc, random);
        const World* const worlds[2] = {&two.a, &two.b};
        for (const Block& block : pass.blocks) {
            const Pass alone{pass.boxes, {block}, pass.constants};
            for (std::size_t i = 0; i < block.rules.size(); ++i) {
                for (std::size_t j = 0; j < block.rules.size(); ++j) {
                    if (i == j || PreEmptedBy(block, i) || PreEmptedBy(block, j)) continue;
                    Boxes in(pass.boxes.size());
                    std::vector<int> colour(in.size(), kMixed);
                    for (int box : calc.presets) {
                        in[box] = Typed(two.a, box);
                        colour[box] = kAny;
                    }
                    const auto give = [&](const Rule& rule, int world) {
                        for (int box : rule.operands) {
                            if (!IsEmpty(in[box])) continue;
                            in[box] = Typed(*worlds[world], box);
                            colour[box] = two.shared[box] ? kAny : world;
                        }
                    };
                    give(block.rules[i], 0);
                    give(block.rules[j], 1);
                    Outcome out{in, std::nullopt};
                    RunPass(alone, out.boxes, Trapping::ResumeNext);
                    worst = std::max(worst, Check(calc, alone, two, in, colour, out, nullptr, findings));
                    ++cases;
                }
            }
        }
    }
    return findings;
}

struct SweepResult {
    Findings findings;
    std::string ledger;
    double worst = 0;
    long presses = 0;
};

// Every set of given boxes, from one world and from two worlds mixed in fixed patterns,
// checked; then, for the ledger's digest only, every rule alone over many worlds (the
// last digits of each formula) and a zero given in each box in turn (which rules then
// fault, and which take over).
SweepResult Sweep(const Calculator& calc) {
    const Pass& pass = *calc.pass;
    SweepResult result;
    Random random(kSeed + 3);
    const TwoWorlds two = MakeTwoWorlds(calc, random);
    const World* const worlds[2] = {&two.a, &two.b};
    const std::vector<int> swept = Swept(calc);
    const std::uint32_t sets = 1u << swept.size();
    std::vector<int> solved(pass.boxes.size()), open(pass.boxes.size());
    // For each target, the texts of the sweep from each mixture of worlds and with a zero
    // given, in the ledger's order (kWhatTheyCover).
    std::vector<std::array<std::uint64_t, std::size(kMixtures) + 1>> digest(pass.boxes.size());
    for (auto& each : digest) each.fill(kNoText);
    // Bit k of `set` gives the k-th swept box, bit k of `mixture` picks its world.
    const auto given = [&](std::uint32_t set, std::uint32_t mixture, std::vector<int>& colour) {
        Boxes in(pass.boxes.size());
        colour.assign(in.size(), kMixed);
        for (int box : calc.presets) {
            in[box] = Typed(two.a, box);
            colour[box] = kAny;
        }
        for (std::size_t k = 0; k < swept.size(); ++k) {
            if (!(set >> k & 1)) continue;
            const int world = mixture >> k & 1;
            in[swept[k]] = Typed(*worlds[world], swept[k]);
            colour[swept[k]] = two.shared[swept[k]] ? kAny : world;
        }
        return in;
    };
    const auto record = [&](const Boxes& in, const Outcome& out, std::size_t part) {
        for (const Block& block : pass.blocks)
            if (IsEmpty(in[block.target])) Mix(digest[block.target][part], out.boxes[block.target]);
        if (out.fault)
            for (const Block& block : pass.blocks)
                if (Quantity(pass, block.target) == out.fault->target())
                    Mix(digest[block.target][part], out.fault->describe());
    };

    for (std::size_t part = 0; part < std::size(kMixtures); ++part) {
        const std::uint32_t mixture = kMixtures[part];
        for (std::uint32_t set = 0; set < sets; ++set) {
            std::vector<int> colour;
            const Boxes in = given(set, mixture, colour);
            const Outcome out = calc.press(in);
            ++result.presses;
            result.worst =
                std::max(result.worst, Check(calc, pass, two, in, colour, out, &swept, result.findings));
            record(in, out, part);
            if (mixture != 0) continue;
            for (const Block& block : pass.blocks) {
                if (!IsEmpty(in[block.target])) continue;
                ++open[block.target];
                if (!IsEmpty(out.boxes[block.target])) ++solved[block.target];
            }
        }
    }

    std::map<std::pair<const Block*, std::size_t>, std::uint64_t> alone;
    EveryRuleAlone(calc, kSeed + 4, kWorldsAlone,
                   [&](const Alone& rule, const World&, const Boxes&, const Boxes& out,
                       const std::optional<Fault>& fault, const Steps&) {
                       auto [at, _] = alone.try_emplace({rule.block, rule.place}, kNoText);
                       Mix(at->second, fault ? fault->describe() : out[rule.block->target]);
                   });

    // Up to 1024 sets of the other boxes for each zero, spread evenly over all of them.
    const std::uint32_t others = sets >> 1;
    for (std::size_t zero = 0; zero < swept.size(); ++zero) {
        for (std::uint32_t k = 0; k < std::min<std::uint32_t>(others, 1024); ++k) {
            const std::uint32_t pick = others <= 1024 ? k : (k * 0x9e3779b1u) & (others - 1);
            const std::uint32_t low = pick & ((1u << zero) - 1);
            std::vector<int> colour;
            Boxes in = given((pick - low) << 1 | 1u << zero | low, 0, colour);
            // A whole string: assigning the literal trips a false -Wrestrict in GCC 12.
            in[swept[zero]] = std::string("0");
            record(in, calc.press(in), std::size(kMixtures));
            ++result.presses;
        }
    }

    std::ostringstream ledger;
    for (const Block& block : pass.blocks) {
        const auto& texts = digest[block.target];
        ledger << Quantity(pass, block.target) << ": worked out from " << solved[block.target] << " of the "
               << open[block.target] << " given sets without it; texts " << Hex(texts[0]) << ", mixed "
               << Hex(texts[1]) << ' ' << Hex(texts[2]) << ' ' << Hex(texts[3]) << ", zeros " << Hex(texts[4])
               << '\n';
    }
    for (const Block& block : pass.blocks) {
        for (std::size_t r = 0; r < block.rules.size(); ++r) {
            ledger << RuleName(pass, block, r) << ": ";
            if (const Rule* earlier = PreEmptedBy(block, r))
                ledger << "pre-empted by rule " << earlier - block.rules.data() + 1 << " ("
                       << From(pass, *earlier) << ")\n";
            else
                ledger << "texts " << Hex(alone.at({&block, r})) << '\n';
        }
    }
    result.ledger = ledger.str();
    return result;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \n");
    const auto last = text.find_last_not_of(" \n");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// Where a ledger line's digests are, and what each of them covers: a target's line has
// one for each mixture of worlds and one for the zeros, a rule's line one for its texts
// alone.
const std::regex kDigest("\\b[0-9a-f]{8}\\b");

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

std::string Key(const std::string& line) { return line.substr(0, line.find(": ")); }

std::string WhatItCovers(std::size_t digest, std::size_t of) {
    if (of == 1) return "over " + std::to_string(kWorldsAlone) + " worlds";
    static const std::string kParts[] = {"from one world", "from two worlds mixed 5555",
                                         "from two worlds mixed 3333", "from two worlds mixed 0f0f",
                                         "with a zero given"};
    return digest < std::size(kParts) ? kParts[digest] : "number " + std::to_string(digest + 1);
}

// What changed from the ledger `expected` to `actual`, line by line: "Power rule 3 (from
// Resistance, Voltage): its texts over 256 worlds changed".
Findings LedgerChanges(const std::string& expected, const std::string& actual) {
    Findings changes;
    const std::vector<std::string> was = Lines(expected), now = Lines(actual);
    for (const std::string& line : now) {
        const std::string key = Key(line);
        const auto old =
            std::find_if(was.begin(), was.end(), [&](const std::string& w) { return Key(w) == key; });
        if (old == was.end()) {
            Add(changes, key + ": new, not in the ledger");
            continue;
        }
        if (*old == line) continue;
        const std::string words = std::regex_replace(line, kDigest, "#");
        if (words != std::regex_replace(*old, kDigest, "#")) {
            Add(changes, "now \"" + line + "\", the ledger has \"" + *old + "\"");
            continue;
        }
        std::vector<std::string> mine, theirs;
        for (std::sregex_iterator d(line.begin(), line.end(), kDigest), end; d != end; ++d)
            mine.push_back(d->str());
        for (std::sregex_iterator d(old->begin(), old->end(), kDigest), end; d != end; ++d)
            theirs.push_back(d->str());
        for (std::size_t k = 0; k < mine.size(); ++k)
            if (mine[k] != theirs[k])
                Add(changes, key + ": its texts " + WhatItCovers(k, mine.size()) + " changed");
    }
    for (const std::string& line : was)
        if (std::none_of(now.begin(), now.end(), [&](const std::string& n) { return Key(n) == Key(line); }))
            Add(changes, Key(line) + ": in the ledger, but gone");
    if (changes.empty() && was != now) Add(changes, "the ledger's lines are in another order");
    return changes;
}

std::string Summary(const Findings& findings) {
    std::string text;
    for (const std::string& finding : findings) text += "\n    " + finding;
    return text;
}

void CalculatorRows() {
    check::AddColumn<int>("calculator");
    for (std::size_t k = 0; k < Calculators().size(); ++k) check::NewRow(Calculators()[k].name) << int(k);
}

}  // namespace

RegisterCalculator::RegisterCalculator(Calculator calculator) {
    Calculators().push_back(std::move(calculator));
}

}  // namespace ampora::test

using namespace ampora::check;
using namespace ampora::test;

TEST_DATA(TestRuleProperties, everyRuleGivesItsWorld) { CalculatorRows(); }
TEST(TestRuleProperties, everyRuleGivesItsWorld) {
    FETCH(int, calculator);
    const Calculator& calc = Calculators()[calculator];
    double worst = 0;
    Findings findings = Marks(*calc.pass);
    for (std::string& finding : EveryRule(calc, worst)) Add(findings, std::move(finding));
    Info("worst deviation %.2g, tolerance %.2g", worst, calc.tolerance);
    VERIFY2(findings.empty(), Summary(findings));
}

TEST_DATA(TestRuleProperties, firstApplicableRuleWins) { CalculatorRows(); }

TEST(TestRuleProperties, firstApplicableRuleWins) {
    FETCH(int, calculator);
    const Calculator& calc = Calculators()[calculator];
    double worst = 0;
    int cases = 0;
    const Findings findings = Precedence(calc, worst, cases);
    Info("%d pairs of rules, worst deviation %.2g, tolerance %.2g", cases, worst, calc.tolerance);
    VERIFY2(findings.empty(), Summary(findings));
}

TEST_DATA(TestRuleProperties, everyGivenSetAgreesWithTheWorldAndTheLedger) { CalculatorRows(); }

TEST(TestRuleProperties, everyGivenSetAgreesWithTheWorldAndTheLedger) {
    FETCH(int, calculator);
    const Calculator& calc = Calculators()[calculator];
    const SweepResult sweep = Sweep(calc);
    Info("%ld presses, worst deviation %.2g, tolerance %.2g", sweep.presses, sweep.worst, calc.tolerance);
    VERIFY2(sweep.findings.empty(), Summary(sweep.findings));
    const std::string ledger = Trimmed(sweep.ledger);
    if (ledger != Trimmed(calc.ledger)) Info("The sweep's ledger now reads:\n%s", ledger.c_str());
    const Findings changes = LedgerChanges(Trimmed(calc.ledger), ledger);
    VERIFY2(changes.empty(), Summary(changes));
}
