// Greedy chaining of curve elements. The end points of the elements not yet chained sit in
// a uniform grid, so the first element in list order that touches either end of the chain
// is found by walking the few cells around those two points instead of the whole list.
#include "feature/curve_chain.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <utility>
#include <vector>

#include "kelt2proe/error.h"

namespace Ardo {
namespace {

using ElementList = std::list<kelt2pCurveElement>;
using Index = std::uint32_t;
constexpr Index kNone = std::numeric_limits<Index>::max();

bool touches(const Point& a, const Point& b, double tolerance) {
    return std::fabs(a.x - b.x) <= tolerance && std::fabs(a.y - b.y) <= tolerance &&
           std::fabs(a.z - b.z) <= tolerance;
}

bool isFinite(const Point& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

// How a candidate with ends `start` and `end` joins the chain; the first way that holds
// decides.
enum class Join { kAppend, kAppendReversed, kPrepend, kPrependReversed, kNone };

Join joinOf(const Point& start, const Point& end, const Point& chainStart, const Point& chainEnd,
            double tolerance) {
    if (touches(chainEnd, start, tolerance)) {
        return Join::kAppend;
    }
    if (touches(chainEnd, end, tolerance)) {
        return Join::kAppendReversed;
    }
    if (touches(chainStart, end, tolerance)) {
        return Join::kPrepend;
    }
    if (touches(chainStart, start, tolerance)) {
        return Join::kPrependReversed;
    }
    return Join::kNone;
}

void reverse(kelt2pCurveElement& element) {
    std::swap(element.start, element.end);
    element.normal = element.normal * -1.0;
}

struct Ends {
    Point start;
    Point end;
};

// The start and end points of the elements not yet chained, by grid cell. A cell keeps its
// points in one run ordered by element position, so the first touching point met in a
// cell is that cell's answer. Chained elements are skipped through links to the next slot
// that may still be live, shortened on every walk, so a removed slot costs O(1) amortized.
//
// Cells are centred on the multiples of their width, at least eight tolerances and wide
// enough that every finite coordinate divided by the width stays within 2^19: the three
// cell numbers pack into one 64-bit key, and a point within the tolerance of a query lies
// in the query's cell or one neighbour per axis. Points with an infinite or NaN coordinate
// touch nothing at a finite tolerance and are left out.
class EndpointGrid {
public:
    EndpointGrid(const std::vector<Ends>& ends, double tolerance) : tolerance_(tolerance) {
        double largest = 0.0;
        for (const Ends& e : ends) {
            for (const Point* p : {&e.start, &e.end}) {
                if (isFinite(*p)) {
                    largest =
                        std::max({largest, std::fabs(p->x), std::fabs(p->y), std::fabs(p->z)});
                }
            }
        }
        cellWidth_ = std::max({8.0 * tolerance, std::ldexp(largest, -kCellBits), DBL_MIN});
        reach_ = tolerance / cellWidth_ + kRoundingMargin;

        const std::size_t entryCount = 2 * ends.size();
        std::size_t capacity = 16;
        while (capacity < 2 * entryCount) {
            capacity *= 2;
        }
        cells_.assign(capacity, Cell{kEmptyKey, 0, 0});
        std::vector<Index> cellOfEntry(entryCount, kNone);
        for (std::size_t entry = 0; entry < entryCount; ++entry) {
            const Point& p = pointOf(ends, entry);
            if (isFinite(p)) {
                const Index cell = cellFor(keyOf(p));
                ++cells_[cell].count;
                cellOfEntry[entry] = cell;
            }
        }
        Index slotCount = 0;
        for (Cell& cell : cells_) {
            cell.begin = slotCount;
            slotCount += cell.count;
            cell.count = 0;  // counts again while the slots are filled
        }
        // Entries go in ascending order, so each cell's run is ordered by position.
        slots_.resize(slotCount + 1);
        slotOfEntry_.assign(entryCount, kNone);
        for (std::size_t entry = 0; entry < entryCount; ++entry) {
            if (cellOfEntry[entry] == kNone) {
                continue;
            }
            Cell& cell = cells_[cellOfEntry[entry]];
            const Index slot = cell.begin + cell.count++;
            slots_[slot] = {pointOf(ends, entry), static_cast<Index>(entry / 2), slot};
            slotOfEntry_[entry] = slot;
        }
        slots_[slotCount].nextLive = slotCount;  // the end, always live
    }

    // The smallest position below `bound` of a remaining element with its start or end
    // touching `p`; `bound` when there is none.
    Index firstTouching(const Point& p, Index bound) {
        std::int64_t low[3];
        std::int64_t high[3];
        const double coordinates[3] = {p.x, p.y, p.z};
        for (int axis = 0; axis < 3; ++axis) {
            const double q = coordinates[axis] / cellWidth_;
            if (!(std::fabs(q) <= kQueryLimit)) {
                return bound;  // not finite, or beyond every stored point's cell
            }
            low[axis] = static_cast<std::int64_t>(std::floor(q - reach_ + 0.5));
            high[axis] = static_cast<std::int64_t>(std::floor(q + reach_ + 0.5));
        }
        for (std::int64_t x = low[0]; x <= high[0]; ++x) {
            for (std::int64_t y = low[1]; y <= high[1]; ++y) {
                for (std::int64_t z = low[2]; z <= high[2]; ++z) {
                    const Index cell = findCell(pack(x, y, z));
                    if (cell != kNone) {
                        bound = firstInCell(cells_[cell], p, bound);
                    }
                }
            }
        }
        return bound;
    }

    void remove(Index position) {
        for (std::size_t entry = 2 * std::size_t{position}; entry < 2 * std::size_t{position} + 2;
             ++entry) {
            const Index slot = slotOfEntry_[entry];
            if (slot != kNone) {
                slots_[slot].nextLive = slot + 1;
            }
        }
    }

private:
    static constexpr int kCellBits = 19;
    // Stored cell numbers lie within 2^19 + 1; a query farther out touches none.
    static constexpr double kQueryLimit = 0x1p19 + 2.0;
    // Covers the rounding of the divisions by the cell width.
    static constexpr double kRoundingMargin = 0x1p-10;
    // 21 bits per axis; the bias makes every cell number within the query limit positive.
    static constexpr std::int64_t kBias = std::int64_t{1} << 20;
    static constexpr std::uint64_t kEmptyKey = ~std::uint64_t{0};

    struct Cell {
        std::uint64_t key;
        Index begin;  // first slot of the cell's run
        Index count;
    };

    struct Slot {
        Point point;
        Index position;
        Index nextLive;  // itself while live, else towards the next live slot
    };

    static const Point& pointOf(const std::vector<Ends>& ends, std::size_t entry) {
        return entry % 2 == 0 ? ends[entry / 2].start : ends[entry / 2].end;
    }

    static std::uint64_t pack(std::int64_t x, std::int64_t y, std::int64_t z) {
        return static_cast<std::uint64_t>(x + kBias) | static_cast<std::uint64_t>(y + kBias) << 21 |
               static_cast<std::uint64_t>(z + kBias) << 42;
    }

    std::uint64_t keyOf(const Point& p) const {
        auto number = [this](double v) {
            return static_cast<std::int64_t>(std::floor(v / cellWidth_ + 0.5));
        };
        return pack(number(p.x), number(p.y), number(p.z));
    }

    std::size_t home(std::uint64_t key) const {
        key ^= key >> 31;
        key *= 0x7FB5D329728EA185ull;
        key ^= key >> 27;
        key *= 0x81DADEF4BC2DD44Dull;
        key ^= key >> 33;
        return static_cast<std::size_t>(key) & (cells_.size() - 1);
    }

    Index findCell(std::uint64_t key) const {
        for (std::size_t i = home(key);; i = (i + 1) & (cells_.size() - 1)) {
            if (cells_[i].key == key) {
                return static_cast<Index>(i);
            }
            if (cells_[i].key == kEmptyKey) {
                return kNone;
            }
        }
    }

    // The cell of `key`, claimed when new.
    Index cellFor(std::uint64_t key) {
        std::size_t i = home(key);
        while (cells_[i].key != key && cells_[i].key != kEmptyKey) {
            i = (i + 1) & (cells_.size() - 1);
        }
        cells_[i].key = key;
        return static_cast<Index>(i);
    }

    Index liveFrom(Index slot) {
        while (slots_[slot].nextLive != slot) {
            const Index next = slots_[slots_[slot].nextLive].nextLive;
            slots_[slot].nextLive = next;
            slot = next;
        }
        return slot;
    }

    Index firstInCell(const Cell& cell, const Point& p, Index bound) {
        const Index end = cell.begin + cell.count;
        for (Index slot = liveFrom(cell.begin); slot < end; slot = liveFrom(slot + 1)) {
            const Slot& s = slots_[slot];
            if (s.position >= bound) {
                break;
            }
            if (touches(p, s.point, tolerance_)) {
                return s.position;
            }
        }
        return bound;
    }

    double tolerance_;
    double cellWidth_ = 0.0;
    double reach_ = 0.0;
    std::vector<Cell> cells_;         // open addressing by key
    std::vector<Slot> slots_;         // the cells' runs one after another, then the end
    std::vector<Index> slotOfEntry_;  // entry 2 * position (start) or + 1 (end)
};

// The grid needs a tolerance whose cells are finite, and positions and entries that fit
// its indices; anything else (a NaN, negative or immense tolerance) is chained by
// scanning the list, which a tolerance touching nothing ends after one pass.
bool gridFits(std::size_t count, double tolerance) {
    return tolerance >= 0.0 && tolerance <= DBL_MAX / 8.0 && count < kNone / 4;
}

// One element of the chain: its list position and whether it is turned round.
struct Link {
    Index position;
    bool reversed;
};

// Puts the chain into the list's nodes: node i receives the element at position
// chain[i].position, turned round when asked, following the permutation's cycles so every
// element is copied once.
void arrange(const std::vector<ElementList::iterator>& nodes, Link* chain) {
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (chain[i].position == kNone) {
            continue;  // filled by an earlier cycle
        }
        const kelt2pCurveElement first = *nodes[i];
        for (std::size_t j = i;;) {
            const Link link = chain[j];
            chain[j].position = kNone;
            kelt2pCurveElement& target = *nodes[j];
            target = link.position == i ? first : *nodes[link.position];
            if (link.reversed) {
                reverse(target);
            }
            if (link.position == i) {
                break;
            }
            j = link.position;
        }
    }
}

void chainByGrid(ElementList& elements, double tolerance) {
    const std::size_t count = elements.size();
    std::vector<ElementList::iterator> nodes;
    std::vector<Ends> ends;
    nodes.reserve(count);
    ends.reserve(count);
    for (auto it = elements.begin(); it != elements.end(); ++it) {
        nodes.push_back(it);
        ends.push_back({it->start, it->end});
    }
    EndpointGrid grid(ends, tolerance);
    // The chain grows both ways from the middle of `links`.
    std::vector<Link> links(2 * count);
    std::size_t head = count;
    std::size_t tail = count;
    links[tail++] = {0, false};
    grid.remove(0);
    Point chainStart = ends[0].start;
    Point chainEnd = ends[0].end;
    while (tail - head < count) {
        Index candidate = grid.firstTouching(chainEnd, kNone);
        candidate = grid.firstTouching(chainStart, candidate);
        if (candidate == kNone) {
            for (std::size_t i = head; i < tail; ++i) {
                elements.erase(nodes[links[i].position]);
            }
            throw ardotk::no_chain();
        }
        const Ends& c = ends[candidate];
        switch (joinOf(c.start, c.end, chainStart, chainEnd, tolerance)) {
            case Join::kAppend:
                links[tail++] = {candidate, false};
                chainEnd = c.end;
                break;
            case Join::kAppendReversed:
                links[tail++] = {candidate, true};
                chainEnd = c.start;
                break;
            case Join::kPrepend:
                links[--head] = {candidate, false};
                chainStart = c.start;
                break;
            case Join::kPrependReversed:
            case Join::kNone:  // not reached: the candidate touches
                links[--head] = {candidate, true};
                chainStart = c.end;
                break;
        }
        grid.remove(candidate);
    }
    arrange(nodes, &links[head]);
}

// Moves `candidate` from `remaining` to its place in the non-empty `chain`; false when it
// touches neither end.
bool join(ElementList& chain, ElementList& remaining, ElementList::iterator candidate,
          double tolerance) {
    switch (joinOf(candidate->start, candidate->end, chain.front().start, chain.back().end,
                   tolerance)) {
        case Join::kAppend:
            chain.splice(chain.end(), remaining, candidate);
            return true;
        case Join::kAppendReversed:
            reverse(*candidate);
            chain.splice(chain.end(), remaining, candidate);
            return true;
        case Join::kPrepend:
            chain.splice(chain.begin(), remaining, candidate);
            return true;
        case Join::kPrependReversed:
            reverse(*candidate);
            chain.splice(chain.begin(), remaining, candidate);
            return true;
        case Join::kNone:
            break;
    }
    return false;
}

void chainByScan(ElementList& elements, double tolerance) {
    ElementList chain;
    chain.splice(chain.end(), elements, elements.begin());
    while (!elements.empty()) {
        bool joined = false;
        for (auto candidate = elements.begin(); !joined && candidate != elements.end();) {
            // `join` moves a joining candidate to the chain: step on before trying it.
            const auto next = std::next(candidate);
            joined = join(chain, elements, candidate, tolerance);
            candidate = next;
        }
        if (!joined) {
            throw ardotk::no_chain();
        }
    }
    elements.swap(chain);
}

}  // namespace

void chainCurveElements(std::list<kelt2pCurveElement>& elements, double tolerance) {
    if (elements.empty()) {
        return;
    }
    if (gridFits(elements.size(), tolerance)) {
        chainByGrid(elements, tolerance);
    } else {
        chainByScan(elements, tolerance);
    }
}

}  // namespace Ardo
