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

// How a candidate joins the chain; the first way that holds decides.
enum class Join { kAppend, kAppendReversed, kPrepend, kPrependReversed, kNone };

Join joinOf(const kelt2pCurveElement& c, const Point& chainStart, const Point& chainEnd,
            double tolerance) {
    if (touches(chainEnd, c.start, tolerance)) {
        return Join::kAppend;
    }
    if (touches(chainEnd, c.end, tolerance)) {
        return Join::kAppendReversed;
    }
    if (touches(chainStart, c.end, tolerance)) {
        return Join::kPrepend;
    }
    if (touches(chainStart, c.start, tolerance)) {
        return Join::kPrependReversed;
    }
    return Join::kNone;
}

void reverse(kelt2pCurveElement& element) {
    std::swap(element.start, element.end);
    element.normal = element.normal * -1.0;
}

// Moves `candidate` from `remaining` to its place in the non-empty `chain`; false when it
// touches neither end.
bool join(ElementList& chain, ElementList& remaining, ElementList::iterator candidate,
          double tolerance) {
    switch (joinOf(*candidate, chain.front().start, chain.back().end, tolerance)) {
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

// The start and end points of the elements not yet chained, by grid cell. A cell keeps its
// points ordered by element position, so the first touching point met in a cell is that
// cell's answer. Chained elements are skipped through links to the next entry that may
// still be live, shortened on every walk, so a removed entry costs O(1) amortized.
//
// Cells are at least four tolerances wide and wide enough that every finite coordinate
// divided by the cell width stays within 2^40: cell numbers are exact integers, and a
// point within the tolerance of a query lies in the query's cell or a neighbour on each
// axis, even after the rounding of the divisions (the reach below has a margin for it).
// Points with an infinite or NaN coordinate touch nothing at a finite tolerance and are
// left out.
class EndpointGrid {
public:
    EndpointGrid(const std::vector<ElementList::iterator>& elements, double tolerance)
        : tolerance_(tolerance) {
        const std::size_t entryCount = 2 * elements.size();
        double largest = 0.0;
        std::vector<Point> points;
        points.reserve(entryCount);
        for (const auto& element : elements) {
            points.push_back(element->start);
            points.push_back(element->end);
        }
        for (const Point& p : points) {
            if (isFinite(p)) {
                largest = std::max({largest, std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
            }
        }
        cellWidth_ = std::max({4.0 * tolerance, std::ldexp(largest, -kCellBits), DBL_MIN});
        reach_ = tolerance / cellWidth_ + 1.0 / 64.0;

        std::size_t capacity = 16;
        while (capacity < 2 * entryCount) {
            capacity *= 2;
        }
        table_.assign(capacity, kNone);
        std::vector<Index> cellOfEntry(entryCount, kNone);
        for (std::size_t entry = 0; entry < entryCount; ++entry) {
            if (isFinite(points[entry])) {
                cellOfEntry[entry] = cellFor(cellOf(points[entry]));
            }
        }

        // Counting sort by cell; entries go in ascending order, so each cell's entries
        // are ordered by element position.
        cellBegin_.assign(keys_.size() + 1, 0);
        for (Index cell : cellOfEntry) {
            if (cell != kNone) {
                ++cellBegin_[cell + 1];
            }
        }
        for (std::size_t cell = 0; cell < keys_.size(); ++cell) {
            cellBegin_[cell + 1] += cellBegin_[cell];
        }
        const Index slotCount = cellBegin_.back();
        std::vector<Index> cursor(cellBegin_.begin(), cellBegin_.end() - 1);
        slotOfEntry_.assign(entryCount, kNone);
        slotPosition_.resize(slotCount);
        slotPoint_.resize(slotCount);
        for (std::size_t entry = 0; entry < entryCount; ++entry) {
            const Index cell = cellOfEntry[entry];
            if (cell == kNone) {
                continue;
            }
            const Index slot = cursor[cell]++;
            slotOfEntry_[entry] = slot;
            slotPosition_[slot] = static_cast<Index>(entry / 2);
            slotPoint_[slot] = points[entry];
        }
        nextLive_.resize(slotCount + 1);
        for (Index slot = 0; slot <= slotCount; ++slot) {
            nextLive_[slot] = slot;
        }
    }

    // The smallest position below `bound` of a remaining element with its start or end
    // touching `p`; `bound` when there is none.
    Index firstTouching(const Point& p, Index bound) {
        if (!isFinite(p)) {
            return bound;
        }
        std::int64_t low[3];
        std::int64_t high[3];
        const double coordinates[3] = {p.x, p.y, p.z};
        for (int axis = 0; axis < 3; ++axis) {
            const double q = coordinates[axis] / cellWidth_;
            if (!(std::fabs(q) <= kCellLimit)) {
                return bound;  // beyond every stored point's cell
            }
            low[axis] = static_cast<std::int64_t>(std::floor(q - reach_));
            high[axis] = static_cast<std::int64_t>(std::floor(q + reach_));
        }
        for (std::int64_t x = low[0]; x <= high[0]; ++x) {
            for (std::int64_t y = low[1]; y <= high[1]; ++y) {
                for (std::int64_t z = low[2]; z <= high[2]; ++z) {
                    const Index cell = findCell({x, y, z});
                    if (cell != kNone) {
                        bound = firstInCell(cell, p, bound);
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
                nextLive_[slot] = slot + 1;
            }
        }
    }

private:
    static constexpr int kCellBits = 40;
    // Stored cell numbers are within 2^40 plus rounding; a query beyond this touches none.
    static constexpr double kCellLimit = 0x1p41;

    struct CellKey {
        std::int64_t x;
        std::int64_t y;
        std::int64_t z;
        bool operator==(const CellKey& k) const { return x == k.x && y == k.y && z == k.z; }
    };

    CellKey cellOf(const Point& p) const {
        return {static_cast<std::int64_t>(std::floor(p.x / cellWidth_)),
                static_cast<std::int64_t>(std::floor(p.y / cellWidth_)),
                static_cast<std::int64_t>(std::floor(p.z / cellWidth_))};
    }

    std::size_t hashOf(const CellKey& k) const {
        std::uint64_t h = static_cast<std::uint64_t>(k.x) * 0x9E3779B97F4A7C15ull;
        h ^= static_cast<std::uint64_t>(k.y) * 0xC2B2AE3D27D4EB4Full;
        h ^= static_cast<std::uint64_t>(k.z) * 0x165667B19E3779F9ull;
        h ^= h >> 29;
        h *= 0xBF58476D1CE4E5B9ull;
        h ^= h >> 32;
        return static_cast<std::size_t>(h) & (table_.size() - 1);
    }

    Index findCell(const CellKey& key) const {
        for (std::size_t i = hashOf(key);; i = (i + 1) & (table_.size() - 1)) {
            const Index cell = table_[i];
            if (cell == kNone || keys_[cell] == key) {
                return cell;
            }
        }
    }

    // The cell of `key`, added when new.
    Index cellFor(const CellKey& key) {
        std::size_t i = hashOf(key);
        for (; table_[i] != kNone; i = (i + 1) & (table_.size() - 1)) {
            if (keys_[table_[i]] == key) {
                return table_[i];
            }
        }
        table_[i] = static_cast<Index>(keys_.size());
        keys_.push_back(key);
        return table_[i];
    }

    Index liveFrom(Index slot) {
        while (nextLive_[slot] != slot) {
            nextLive_[slot] = nextLive_[nextLive_[slot]];
            slot = nextLive_[slot];
        }
        return slot;
    }

    Index firstInCell(Index cell, const Point& p, Index bound) {
        const Index end = cellBegin_[cell + 1];
        for (Index slot = liveFrom(cellBegin_[cell]); slot < end; slot = liveFrom(slot + 1)) {
            if (slotPosition_[slot] >= bound) {
                break;
            }
            if (touches(p, slotPoint_[slot], tolerance_)) {
                return slotPosition_[slot];
            }
        }
        return bound;
    }

    double tolerance_;
    double cellWidth_ = 0.0;
    double reach_ = 0.0;
    std::vector<Index> table_;  // open addressing: cell numbers, kNone where empty
    std::vector<CellKey> keys_;
    std::vector<Index> cellBegin_;     // per cell its first slot, plus the end
    std::vector<Index> slotOfEntry_;   // entry 2 * position (start) or + 1 (end)
    std::vector<Index> slotPosition_;  // per slot the element position
    std::vector<Point> slotPoint_;
    std::vector<Index> nextLive_;  // a slot's link towards the next live slot
};

// The grid needs a tolerance whose cells are finite, and positions and entries that fit
// its indices; anything else (a NaN, negative or immense tolerance) is chained by
// scanning the list, which a tolerance touching nothing ends after one pass.
bool gridFits(std::size_t count, double tolerance) {
    return tolerance >= 0.0 && tolerance <= DBL_MAX / 4.0 && count < kNone / 4;
}

void chainByGrid(ElementList& elements, ElementList& chain, double tolerance) {
    std::vector<ElementList::iterator> byPosition;
    byPosition.reserve(elements.size());
    for (auto it = elements.begin(); it != elements.end(); ++it) {
        byPosition.push_back(it);
    }
    EndpointGrid grid(byPosition, tolerance);
    chain.splice(chain.end(), elements, byPosition.front());
    grid.remove(0);
    while (!elements.empty()) {
        Index candidate = grid.firstTouching(chain.back().end, kNone);
        candidate = grid.firstTouching(chain.front().start, candidate);
        if (candidate == kNone) {
            throw ardotk::no_chain();
        }
        join(chain, elements, byPosition[candidate], tolerance);
        grid.remove(candidate);
    }
}

void chainByScan(ElementList& elements, ElementList& chain, double tolerance) {
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
}

}  // namespace

void chainCurveElements(std::list<kelt2pCurveElement>& elements, double tolerance) {
    if (elements.empty()) {
        return;
    }
    ElementList chain;
    if (gridFits(elements.size(), tolerance)) {
        chainByGrid(elements, chain, tolerance);
    } else {
        chainByScan(elements, chain, tolerance);
    }
    elements.swap(chain);
}

}  // namespace Ardo
