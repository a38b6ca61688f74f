// Chaining curve elements: fixed cases with known chains, and random lists compared with the
// greedy chaining written out plainly (rescan the remaining elements from the first after
// every join).
#include "feature/curve_chain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <deque>
#include <limits>
#include <list>
#include <random>
#include <vector>

#include "kelt2proe/error.h"

namespace {

using Ardo::kelt2pCurveElement;
using Ardo::Point;
using Elements = std::vector<kelt2pCurveElement>;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

kelt2pCurveElement line(Point from, Point to, bool mark = false) {
    kelt2pCurveElement e{};
    e.start = from;
    e.end = to;
    e.isLine = true;
    e.mark = mark;
    return e;
}

kelt2pCurveElement arc(Point from, Point to, Point center, double nz) {
    kelt2pCurveElement e = line(from, to);
    e.center = center;
    e.normal.Set(0.0, 0.0, nz);
    e.isLine = false;
    return e;
}

// The greedy chaining, plainly: the result and whether every element joined; when not, the
// elements left over in their original order.
struct Outcome {
    Elements elements;
    bool chained;
};

bool touch(const Point& a, const Point& b, double tol) {
    return std::fabs(a.x - b.x) <= tol && std::fabs(a.y - b.y) <= tol &&
           std::fabs(a.z - b.z) <= tol;
}

kelt2pCurveElement reversed(kelt2pCurveElement e) {
    std::swap(e.start, e.end);
    e.normal.Set(-e.normal.x, -e.normal.y, -e.normal.z);
    return e;
}

Outcome greedyChain(Elements remaining, double tol) {
    if (remaining.empty()) {
        return {{}, true};
    }
    std::deque<kelt2pCurveElement> chain{remaining.front()};
    remaining.erase(remaining.begin());
    while (!remaining.empty()) {
        bool joined = false;
        for (std::size_t i = 0; i < remaining.size() && !joined; ++i) {
            const kelt2pCurveElement c = remaining[i];
            const Point first = chain.front().start;
            const Point last = chain.back().end;
            joined = true;
            if (touch(last, c.start, tol)) {
                chain.push_back(c);
            } else if (touch(last, c.end, tol)) {
                chain.push_back(reversed(c));
            } else if (touch(first, c.end, tol)) {
                chain.push_front(c);
            } else if (touch(first, c.start, tol)) {
                chain.push_front(reversed(c));
            } else {
                joined = false;
            }
            if (joined) {
                remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
        if (!joined) {
            return {remaining, false};
        }
    }
    return {Elements(chain.begin(), chain.end()), true};
}

Outcome chainUnderTest(const Elements& input, double tol) {
    std::list<kelt2pCurveElement> list(input.begin(), input.end());
    bool chained = true;
    try {
        Ardo::chainCurveElements(list, tol);
    } catch (const ardotk::no_chain& e) {
        EXPECT_EQ(e.code, 0);
        EXPECT_STREQ(e.text, "");
        chained = false;
    }
    return {Elements(list.begin(), list.end()), chained};
}

bool sameNumber(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

bool samePoint(const Point& a, const Point& b) {
    return sameNumber(a.x, b.x) && sameNumber(a.y, b.y) && sameNumber(a.z, b.z);
}

bool sameElement(const kelt2pCurveElement& a, const kelt2pCurveElement& b) {
    return samePoint(a.start, b.start) && samePoint(a.end, b.end) &&
           samePoint(a.center, b.center) && samePoint(a.normal, b.normal) && a.isLine == b.isLine &&
           a.mark == b.mark;
}

// Chains `input` both ways; a test failure names the first differing position.
void expectGreedy(const Elements& input, double tol) {
    const Outcome want = greedyChain(input, tol);
    const Outcome got = chainUnderTest(input, tol);
    ASSERT_EQ(got.chained, want.chained);
    ASSERT_EQ(got.elements.size(), want.elements.size());
    for (std::size_t i = 0; i < want.elements.size(); ++i) {
        ASSERT_TRUE(sameElement(got.elements[i], want.elements[i])) << "position " << i;
    }
}

// --- Fixed cases -------------------------------------------------------------------------

TEST(CurveChain, GapWithinToleranceJoinsAndWiderGapLeavesTheRest) {
    const auto first = line({0, 0, 0}, {10, 0, 0});
    const auto near = line({10, 0.005, 0}, {10, 5, 0});
    Outcome got = chainUnderTest({first, near}, 0.01);
    EXPECT_TRUE(got.chained);
    ASSERT_EQ(got.elements.size(), 2u);
    EXPECT_TRUE(sameElement(got.elements[1], near));

    const auto far = line({10, 0.02, 0}, {10, 5, 0});
    const auto joining = line({0, 5, 0}, {0, 0, 0});
    got = chainUnderTest({first, far, joining}, 0.01);
    EXPECT_FALSE(got.chained);
    ASSERT_EQ(got.elements.size(), 1u);  // `joining` went in front, `far` is left
    EXPECT_TRUE(sameElement(got.elements[0], far));
}

TEST(CurveChain, StoredReversedElementIsTurnedAndItsNormalNegated) {
    const auto first = line({0, 0, 0}, {10, 0, 0}, true);
    const auto backwards = arc({20, 0, 0}, {10, 0, 0}, {15, 0, 0}, 1.0);
    const Outcome got = chainUnderTest({first, backwards}, 0.01);
    ASSERT_TRUE(got.chained);
    ASSERT_EQ(got.elements.size(), 2u);
    EXPECT_TRUE(sameElement(got.elements[0], first));
    const auto& turned = got.elements[1];
    EXPECT_TRUE(samePoint(turned.start, {10, 0, 0}));
    EXPECT_TRUE(samePoint(turned.end, {20, 0, 0}));
    EXPECT_TRUE(samePoint(turned.normal, {0, 0, -1}));
    EXPECT_TRUE(samePoint(turned.center, {15, 0, 0}));
    EXPECT_FALSE(turned.isLine);
}

TEST(CurveChain, FirstCandidateInListOrderWinsAndGoesInFrontWhenItTouchesOnlyTheStart) {
    const auto a = line({0, 0, 0}, {1, 0, 0});
    const auto front = line({0, 1, 0}, {0, 0, 0});  // ends at the chain's start
    const auto back = line({1, 0, 0}, {1, 1, 0});
    Outcome got = chainUnderTest({a, front, back}, 0.0);
    ASSERT_TRUE(got.chained);
    ASSERT_EQ(got.elements.size(), 3u);
    EXPECT_TRUE(sameElement(got.elements[0], front));
    EXPECT_TRUE(sameElement(got.elements[1], a));
    EXPECT_TRUE(sameElement(got.elements[2], back));

    const auto startsAtStart = arc({0, 0, 0}, {-1, 0, 0}, {-0.5, 0, 0}, 1.0);
    got = chainUnderTest({a, startsAtStart}, 0.0);
    ASSERT_TRUE(got.chained);
    ASSERT_EQ(got.elements.size(), 2u);
    EXPECT_TRUE(samePoint(got.elements[0].start, {-1, 0, 0}));
    EXPECT_TRUE(samePoint(got.elements[0].end, {0, 0, 0}));
    EXPECT_TRUE(samePoint(got.elements[0].normal, {0, 0, -1}));
    EXPECT_TRUE(sameElement(got.elements[1], a));
}

TEST(CurveChain, EarlierTestDecidesForACandidateTouchingBothEnds) {
    // The second element closes the loop: it touches the chain's end with its start
    // (append as stored) and the chain's start with its end.
    const auto a = line({0, 0, 0}, {1, 0, 0});
    const auto closing = arc({1, 0, 0}, {0, 0, 0}, {0.5, 0, 0}, 1.0);
    Outcome got = chainUnderTest({a, closing}, 0.01);
    ASSERT_TRUE(got.chained);
    EXPECT_TRUE(sameElement(got.elements[0], a));
    EXPECT_TRUE(sameElement(got.elements[1], closing));
    // Touching the chain's end with its end beats touching the start with its end.
    const auto degenerate = line({0, 0, 0}, {0, 0, 0});
    const auto both = line({5, 5, 5}, {0, 0, 0});
    got = chainUnderTest({degenerate, both}, 0.01);
    ASSERT_TRUE(got.chained);
    EXPECT_TRUE(sameElement(got.elements[0], degenerate));
    EXPECT_TRUE(sameElement(got.elements[1], reversed(both)));
}

TEST(CurveChain, EmptyAndSingleElementListsStayAsTheyAre) {
    EXPECT_TRUE(chainUnderTest({}, 0.01).chained);
    EXPECT_TRUE(chainUnderTest({}, 0.01).elements.empty());
    const auto lonely = arc({kNaN, 0, 0}, {1, kInf, 0}, {2, 2, 2}, -1.0);
    const Outcome got = chainUnderTest({lonely}, kNaN);
    EXPECT_TRUE(got.chained);
    ASSERT_EQ(got.elements.size(), 1u);
    EXPECT_TRUE(sameElement(got.elements[0], lonely));
}

TEST(CurveChain, ManyElementsAtOnePointJoinInListOrder) {
    // Every element starts and ends at one point: each next one appends as stored. A walk
    // over the chained ones for every join would take seconds here.
    Elements input;
    for (int i = 0; i < 40000; ++i) {
        input.push_back(line({3, 3, 3}, {3, 3, 3}, i % 3 == 0));
        input.back().center.Set(i, 0, 0);
    }
    const Outcome got = chainUnderTest(input, 0.01);
    ASSERT_TRUE(got.chained);
    ASSERT_EQ(got.elements.size(), input.size());
    for (std::size_t i = 0; i < input.size(); ++i) {
        ASSERT_TRUE(sameElement(got.elements[i], input[i])) << i;
    }
}

// --- Random lists against the plain greedy chaining --------------------------------------

class Lists {
public:
    explicit Lists(unsigned seed) : rng_(seed) {}

    int size(int most) { return std::uniform_int_distribution<int>(0, most)(rng_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }
    double uniform(double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng_);
    }
    template <typename T>
    const T& pick(const std::vector<T>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng_)];
    }

    // Lines and arcs between points around a circle, closed or open, in contour order.
    Elements contour(int count, bool closed) {
        std::vector<Point> vertices;
        for (int i = 0; i < count; ++i) {
            const double angle = 6.283185307179586 * i / std::max(count, 1);
            const double r = uniform(5, 10);
            vertices.emplace_back(r * std::cos(angle), r * std::sin(angle), uniform(-1, 1));
        }
        Elements elements;
        for (int i = 0; i + (closed ? 0 : 1) < count; ++i) {
            const Point& from = vertices[i];
            const Point& to = vertices[(i + 1) % count];
            elements.push_back(chance(0.5) ? line(from, to, chance(0.5))
                                           : arc(from, to, {0, 0, from.z}, chance(0.5) ? 1 : -1));
        }
        return elements;
    }

    // Moves each start by a gap of `inside` tolerances along one axis, with probability
    // `outsideShare` by `outside` tolerances instead.
    void openGaps(Elements& elements, double tol, double inside, double outside,
                  double outsideShare) {
        for (auto& e : elements) {
            const double gap = tol * (chance(outsideShare) ? outside : inside);
            double* axis[3] = {&e.start.x, &e.start.y, &e.start.z};
            *pick(std::vector<double*>(axis, axis + 3)) += chance(0.5) ? gap : -gap;
        }
    }

    void turnSome(Elements& elements) {
        for (auto& e : elements) {
            if (chance(0.4)) {
                e = reversed(e);
            }
        }
    }

    void shuffle(Elements& elements) { std::shuffle(elements.begin(), elements.end(), rng_); }

    // Elements between points of a small grid: many coincide, touch exactly at the
    // tolerance or just miss; `coordinates` are the grid values per axis.
    Elements lattice(int count, const std::vector<double>& coordinates) {
        Elements elements;
        auto point = [&] { return Point(pick(coordinates), pick(coordinates), pick(coordinates)); };
        for (int i = 0; i < count; ++i) {
            elements.push_back(chance(0.5) ? line(point(), point(), chance(0.5))
                                           : arc(point(), point(), point(), 1.0));
        }
        return elements;
    }

private:
    std::mt19937 rng_;
};

TEST(CurveChain, ShuffledContoursChainAsTheGreedyDefinitionDoes) {
    for (unsigned seed = 0; seed < 1500; ++seed) {
        SCOPED_TRACE(seed);
        Lists lists(seed);
        const double tol = lists.pick(std::vector<double>{0.01, 0.01, 0.001, 0.1});
        Elements input = lists.contour(lists.size(200), lists.chance(0.6));
        switch (seed % 4) {
            case 0:  // gaps just inside the tolerance
                lists.openGaps(input, tol, 0.999, 0.0, 0.0);
                break;
            case 1:  // a few gaps just outside: the chain breaks off
                lists.openGaps(input, tol, 0.999, 1.001, 0.02);
                break;
            case 2:  // duplicates
                for (int i = lists.size(3); i > 0 && !input.empty(); --i) {
                    input.push_back(lists.pick(input));
                }
                break;
            default:  // stored backwards, nothing shuffled: everything joins at the front
                std::reverse(input.begin(), input.end());
                lists.turnSome(input);
                expectGreedy(input, tol);
                continue;
        }
        lists.turnSome(input);
        lists.shuffle(input);
        expectGreedy(input, tol);
    }
}

TEST(CurveChain, LatticeListsWithMeetingPointsChainAsTheGreedyDefinitionDoes) {
    // Grid steps equal to the tolerance put many points exactly one tolerance apart.
    for (unsigned seed = 0; seed < 1500; ++seed) {
        SCOPED_TRACE(seed);
        Lists lists(seed);
        const double tol = lists.pick(std::vector<double>{0.0, 0.01, 0.1, 1.0, 3e-5, 0.3});
        const double step = lists.pick(std::vector<double>{tol, tol, 0.5 * tol, 0.01});
        std::vector<double> coordinates;
        for (int i = lists.size(3); i >= 0; --i) {
            coordinates.push_back((i - 1) * step);
        }
        expectGreedy(lists.lattice(lists.size(200), coordinates), tol);
    }
}

TEST(CurveChain, HostileCoordinatesAndTolerancesChainAsTheGreedyDefinitionDoes) {
    const std::vector<double> hostile = {0.0,      -0.0,     0.01, 1e300,   -1e300, 1e300 + 1e285,
                                         DBL_MAX,  -DBL_MAX, kInf, -kInf,   kNaN,   DBL_MIN,
                                         4.9e-324, 1e-310,   1e16, 1e16 + 2};
    const std::vector<double> tolerances = {0.01,    0.0,         4.9e-324, 1e-300, 1e300,
                                            DBL_MAX, DBL_MAX / 4, kInf,     kNaN,   -1.0};
    for (unsigned seed = 0; seed < 800; ++seed) {
        SCOPED_TRACE(seed);
        Lists lists(seed);
        const double tol = tolerances[seed % tolerances.size()];
        std::vector<double> coordinates;
        for (int i = lists.size(4); i >= 0; --i) {
            coordinates.push_back(lists.pick(hostile));
        }
        expectGreedy(lists.lattice(lists.size(60), coordinates), tol);
    }
}

}  // namespace
