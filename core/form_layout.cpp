// SPDX-FileCopyrightText: 2026 The Ampora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form_layout.h"

#include "box_labels.h"

#include <algorithm>
#include <cstdlib>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace ampora {
namespace {

using Type = LayoutNode::Type;

// Twips around a sketch's strokes where its letters stand.
constexpr int kSketchMargin = 240;
// How often a block's control may move before it stays where it is.
constexpr int kMoves = 20;

int Right(const Twips& r) { return r.left + r.width; }
int Bottom(const Twips& r) { return r.top + r.height; }

Twips Union(const std::vector<Twips>& rects) {
    int left = rects.front().left, top = rects.front().top;
    int right = Right(rects.front()), bottom = Bottom(rects.front());
    for (const Twips& r : rects) {
        left = std::min(left, r.left);
        top = std::min(top, r.top);
        right = std::max(right, Right(r));
        bottom = std::max(bottom, Bottom(r));
    }
    return {left, top, right - left, bottom - top};
}

bool Intersects(const Twips& a, const Twips& b, int margin = 0) {
    return a.left < Right(b) + margin && b.left < Right(a) + margin && a.top < Bottom(b) + margin &&
           b.top < Bottom(a) + margin;
}

bool Inside(const Twips& inner, const Twips& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && Right(inner) <= Right(outer) &&
           Bottom(inner) <= Bottom(outer);
}

// A line's rectangle may have a negative width or height.
Twips Extent(const Control& c) {
    const Twips& a = c.at;
    return {std::min(a.left, a.left + a.width), std::min(a.top, a.top + a.height), std::abs(a.width),
            std::abs(a.height)};
}

Twips RelativeTo(const Twips& r, const Twips& origin) {
    return {r.left - origin.left, r.top - origin.top, r.width, r.height};
}

// Sorts `items` by `less`, keeping the order of equal ones: an insertion sort, as the
// groups of a form are few.
template <typename T, typename Less>
void SortStably(std::vector<T>& items, Less less) {
    for (std::size_t i = 1; i < items.size(); ++i)
        for (std::size_t j = i; j > 0 && less(items[j], items[j - 1]); --j) std::swap(items[j], items[j - 1]);
}

bool Unsized(const Control& c) { return c.at.width == 0 && c.at.height == 0; }
bool IsShape(const Control& c) { return c.kind == Kind::Line || c.kind == Kind::Circle; }

// A group of controls and the rectangle it takes in its container.
struct Item {
    Twips rect;
    LayoutNode node;
};

// A cut across the form (between bands one under another) or down it (between columns).
enum class Axis { Across, Down };

int Start(const Twips& r, Axis axis) { return axis == Axis::Across ? r.top : r.left; }
int Size(const Twips& r, Axis axis) { return axis == Axis::Across ? r.height : r.width; }

using Indices = std::vector<std::size_t>;

// The items in order along one axis, and the gaps where every item so far ends before the
// next begins: where each falls in that order, and its size.
struct Gaps {
    Indices sorted;
    std::vector<std::pair<std::size_t, int>> found;

    int widest() const {
        int size = 0;
        for (const auto& [at, gap] : found) size = std::max(size, gap);
        return size;
    }

    std::vector<Indices> split() const {
        std::vector<Indices> parts;
        std::size_t from = 0;
        for (const auto& [at, gap] : found) {
            parts.emplace_back(sorted.begin() + static_cast<std::ptrdiff_t>(from),
                               sorted.begin() + static_cast<std::ptrdiff_t>(at));
            from = at;
        }
        parts.emplace_back(sorted.begin() + static_cast<std::ptrdiff_t>(from), sorted.end());
        return parts;
    }
};

Gaps GapsAlong(const std::vector<Item>& items, const Indices& which, Axis axis) {
    Gaps gaps{which, {}};
    SortStably(gaps.sorted, [&](std::size_t a, std::size_t b) {
        return Start(items[a].rect, axis) < Start(items[b].rect, axis);
    });
    const Twips& first = items[gaps.sorted.front()].rect;
    int end = Start(first, axis) + Size(first, axis);
    for (std::size_t i = 1; i < gaps.sorted.size(); ++i) {
        const Twips& r = items[gaps.sorted[i]].rect;
        const int begins = Start(r, axis);
        if (begins >= end) gaps.found.emplace_back(i, begins - end);
        end = std::max(end, begins + Size(r, axis));
    }
    return gaps;
}

LayoutNode Node(Type type) {
    LayoutNode node;
    node.type = type;
    return node;
}

LayoutNode Group(Type type, std::vector<LayoutNode> children) {
    LayoutNode node = Node(type);
    node.children = std::move(children);
    return node;
}

// The items `which` (at least one) in reading order. Each item's node is moved into the
// result.
LayoutNode ReadingOrderOf(std::vector<Item>& items, const Indices& which) {
    if (which.size() == 1) return std::move(items[which.front()].node);
    const Gaps across = GapsAlong(items, which, Axis::Across);
    const Gaps down = GapsAlong(items, which, Axis::Down);
    std::vector<LayoutNode> children;
    if (across.found.empty() && down.found.empty()) {
        // Overlapping rectangles: top to bottom, then left to right.
        Indices sorted = which;
        SortStably(sorted, [&](std::size_t a, std::size_t b) {
            const Twips &ra = items[a].rect, &rb = items[b].rect;
            return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
        });
        for (std::size_t i : sorted) children.push_back(std::move(items[i].node));
        return Group(Type::Stack, std::move(children));
    }
    // Columns stand further apart than rows: a cut down the form wins only when its gap is
    // more than twice the widest gap across it.
    if (!across.found.empty() && across.widest() * 2 >= down.widest()) {
        for (const Indices& band : across.split()) children.push_back(ReadingOrderOf(items, band));
        return Group(Type::Stack, std::move(children));
    }
    bool singleRow = true;
    for (const Indices& column : down.split()) {
        singleRow = singleRow && (column.size() == 1 || GapsAlong(items, column, Axis::Across).found.empty());
        children.push_back(ReadingOrderOf(items, column));
    }
    return Group(singleRow ? Type::Line : Type::Stack, std::move(children));
}

// Where a block's controls stand on a narrow screen: as declared, except that where two
// overlap the later one (top to bottom, left to right) moves clear of the earlier: a "*"
// button to the right of its box, anything else below it. Lines and circles stay.
void PlaceNarrow(LayoutNode& block, std::span<const ClearButton> clears) {
    std::vector<BlockControl*> ordered;
    for (BlockControl& held : block.held)
        if (!IsShape(*held.control)) ordered.push_back(&held);
    SortStably(ordered, [](const BlockControl* a, const BlockControl* b) {
        return a->at.top != b->at.top ? a->at.top < b->at.top : a->at.left < b->at.left;
    });
    const auto clearsBox = [&](const Control& button, const Control& box) {
        const char* cleared = nullptr;
        for (const ClearButton& k : clears)
            if (k.button == std::string_view(button.name)) cleared = k.box;
        return cleared && cleared == std::string_view(box.name);
    };
    std::vector<const BlockControl*> kept;
    block.narrowHeight = block.at.height;
    for (BlockControl* held : ordered) {
        Twips at = held->at;
        bool moved = true;
        for (int round = 0; moved && round < kMoves; ++round) {
            moved = false;
            for (const BlockControl* other : kept) {
                if (!Intersects(at, other->narrow)) continue;
                if (clearsBox(*held->control, *other->control))
                    at.left = Right(other->narrow);
                else
                    at.top = Bottom(other->narrow);
                moved = true;
            }
        }
        held->narrow = at;
        kept.push_back(held);
        block.narrowHeight = std::max(block.narrowHeight, Bottom(at));
    }
}

class Builder {
public:
    explicit Builder(const ControlList& controls) : controls_(controls) {}

    // The layout of the controls whose parent is `parent` (nullptr for the form), of those
    // that no group has taken yet.
    LayoutNode layout(const char* parent) {
        std::vector<const Control*> mine;
        for (const Control& c : controls_.all())
            if (sameParent(c.parent, parent) && !taken(c)) mine.push_back(&c);
        std::vector<Item> items;
        pictures(mine, items);
        sketch(mine, items);
        fields(mine, items);
        // Frames, each laid out inside.
        std::vector<const Control*> frames;
        for (const Control* c : mine)
            if (c->kind == Kind::Frame && !taken(*c)) frames.push_back(c);
        for (const Control* frame : frames) {
            take(*frame);
            LayoutNode node = Node(Type::Frame);
            node.control = frame;
            node.children.push_back(layout(frame->name));
            items.push_back({frame->at, std::move(node)});
        }
        // Whatever stands alone; the status bar goes last, along the bottom.
        std::vector<LayoutNode> bars;
        for (const Control* c : mine) {
            if (taken(*c)) continue;
            take(*c);
            LayoutNode node = Node(Type::Control);
            node.control = c;
            if (c->kind == Kind::StatusBar)
                bars.push_back(std::move(node));
            else if (!Unsized(*c))
                items.push_back({c->at, std::move(node)});
        }
        std::vector<LayoutNode> children;
        if (!items.empty()) {
            Indices all(items.size());
            for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
            children.push_back(ReadingOrderOf(items, all));
        }
        for (LayoutNode& bar : bars) children.push_back(std::move(bar));
        return Group(Type::Stack, std::move(children));
    }

private:
    static bool sameParent(const char* a, const char* b) {
        return a && b ? std::string_view(a) == b : a == b;
    }
    bool taken(const Control& c) const {
        return std::find(taken_.begin(), taken_.end(), std::string_view(c.name)) != taken_.end();
    }
    void take(const Control& c) {
        if (!taken(c)) taken_.emplace_back(c.name);
    }

    // Pictures, with the controls of their container that stand on them.
    void pictures(const std::vector<const Control*>& mine, std::vector<Item>& items) {
        for (const Control* picture : mine) {
            if (picture->kind != Kind::Picture || taken(*picture)) continue;
            take(*picture);
            std::vector<const Control*> on;
            for (const Control* c : mine)
                if (c != picture && !taken(*c) && c->kind != Kind::Frame && Inside(Extent(*c), picture->at))
                    on.push_back(c);
            LayoutNode node = Node(Type::Picture);
            node.control = picture;
            node.at = picture->at;
            for (const Control& c : controls_.all()) {
                if (!sameParent(c.parent, picture->name)) continue;
                take(c);
                node.held.push_back({&c, c.at, c.at});
            }
            for (const Control* c : on) {
                take(*c);
                const Twips at = RelativeTo(c->at, picture->at);
                node.held.push_back({c, at, at});
            }
            PlaceNarrow(node, controls_.form().clears);
            items.push_back({picture->at, std::move(node)});
        }
    }

    // A sketch: the lines and circles, and the labels around them.
    void sketch(const std::vector<const Control*>& mine, std::vector<Item>& items) {
        std::vector<const Control*> shapes;
        std::vector<Twips> extents;
        for (const Control* c : mine) {
            if (!IsShape(*c) || taken(*c)) continue;
            shapes.push_back(c);
            extents.push_back(Extent(*c));
        }
        if (shapes.empty()) return;
        for (const Control* c : shapes) take(*c);
        const Twips strokes = Union(extents);
        std::vector<Twips> around = {strokes};
        for (const Control* c : mine) {
            if (c->kind != Kind::Label || taken(*c) || !Intersects(c->at, strokes, kSketchMargin)) continue;
            take(*c);
            shapes.push_back(c);
            around.push_back(c->at);
        }
        LayoutNode node = Node(Type::Sketch);
        node.at = Union(around);
        for (const Control* c : shapes) {
            const Twips at = RelativeTo(c->at, node.at);
            node.held.push_back({c, at, at});
        }
        PlaceNarrow(node, controls_.form().clears);
        items.push_back({node.at, std::move(node)});
    }

    // Fields: each box and list with its caption, its "*" buttons and its unit.
    void fields(const std::vector<const Control*>& mine, std::vector<Item>& items) {
        const auto free = [&](std::string_view name) -> const Control* {
            const auto it =
                std::find_if(mine.begin(), mine.end(), [&](const Control* c) { return c->name == name; });
            return it == mine.end() || taken(**it) ? nullptr : *it;
        };
        for (const Control* c : mine) {
            if ((c->kind != Kind::Box && c->kind != Kind::List) || taken(*c) || Unsized(*c)) continue;
            const BoxLabels labels = LabelsOf(controls_, c->name);
            LayoutNode node = Node(Type::Field);
            node.control = c;
            node.caption = free(labels.captionLabel);
            node.unit = free(labels.unitLabel);
            if (node.unit == node.caption) node.unit = nullptr;
            for (const ClearButton& k : controls_.form().clears)
                if (k.box == std::string_view(c->name))
                    if (const Control* button = free(k.button)) node.clears.push_back(button);
            // Drawn caption first, then from left to right.
            node.members.push_back(c);
            node.members.insert(node.members.end(), node.clears.begin(), node.clears.end());
            if (node.unit) node.members.push_back(node.unit);
            SortStably(node.members,
                       [](const Control* a, const Control* b) { return a->at.left < b->at.left; });
            if (node.caption) node.members.insert(node.members.begin(), node.caption);
            std::vector<Twips> rects;
            for (const Control* m : node.members) {
                take(*m);
                rects.push_back(m->at);
            }
            items.push_back({Union(rects), std::move(node)});
        }
    }

    const ControlList& controls_;
    std::vector<std::string_view> taken_;
};

void Collect(const LayoutNode& node, std::vector<std::string_view>& names) {
    switch (node.type) {
        case Type::Field:
            for (const Control* c : node.members) names.emplace_back(c->name);
            return;
        case Type::Picture:
        case Type::Sketch:
            if (node.control) names.emplace_back(node.control->name);
            for (const BlockControl& held : node.held) names.emplace_back(held.control->name);
            return;
        case Type::Frame:
        case Type::Control:
            names.emplace_back(node.control->name);
            break;
        case Type::Stack:
        case Type::Line:
            break;
    }
    for (const LayoutNode& child : node.children) Collect(child, names);
}

}  // namespace

LayoutNode LayoutOf(const ControlList& controls) { return Builder(controls).layout(nullptr); }

std::vector<std::string_view> ReadingOrder(const ControlList& controls) {
    std::vector<std::string_view> names;
    Collect(LayoutOf(controls), names);
    for (const Control& c : controls.all())
        if (std::find(names.begin(), names.end(), c.name) == names.end()) names.emplace_back(c.name);
    return names;
}

}  // namespace ampora
