#include "map/enemyclock.h"

#include "logic/captionnumber.h"
#include "logic/gamerules.h"

#include <array>
#include <cmath>

namespace EnemyClock {

namespace {

using namespace GameRules;
using CaptionNumber::floorOf;

// The band boundaries. Each colour group keeps to its own three start rows
// and three rows either side: an up step from the row three rows above a
// group's band is refused for that group and every weaker one, a down step
// from the row three rows below it for that group and every stronger one.
// So the edges lie one group (three rows) apart.
struct BandEdge
{
    float top;
    int index;
};
constexpr int InnerEdges = ColourCount - 2;
constexpr float GroupRows = Step * EnemiesPerColour;

constexpr std::array<BandEdge, InnerEdges> upRefused()
{
    std::array<BandEdge, InnerEdges> edges{};
    // From row 3k (counted from 0), groups k + 1 to 6 may not step up.
    for (int k = 1; k <= InnerEdges; ++k)
        edges[k - 1] = {FirstSquare + GroupRows * k, EnemiesPerColour * (k + 1)};
    return edges;
}

constexpr std::array<BandEdge, InnerEdges> downRefused()
{
    std::array<BandEdge, InnerEdges> edges{};
    // From row 3k + 2, groups 0 to k - 1 may not step down.
    for (int k = 1; k <= InnerEdges; ++k)
        edges[k - 1] = {FirstSquare + GroupRows * k + 2 * Step, EnemiesPerColour * k - 1};
    return edges;
}

constexpr std::array<BandEdge, InnerEdges> UpRefused = upRefused();
constexpr std::array<BandEdge, InnerEdges> DownRefused = downRefused();
static_assert(UpRefused.front().top == 56 && UpRefused.front().index == 6);
static_assert(UpRefused.back().top == 248 && UpRefused.back().index == 18);
static_assert(DownRefused.front().top == 88 && DownRefused.front().index == 2);
static_assert(DownRefused.back().top == 280 && DownRefused.back().index == 14);

} // namespace

// Worked in double, where 100 x is exact for every single-precision x, and
// never converted to an integer.
Direction directionFor(float x)
{
    const double r = std::floor(100.0 * static_cast<double>(x)) + 1.0;
    if (r <= 10.0)
        return Direction::None;
    if (r <= 15.0)
        return Direction::Up;
    if (r <= 20.0)
        return Direction::Down;
    if (r <= 60.0)
        return Direction::Left;
    return Direction::Right;
}

bool comesBack(float y)
{
    return std::floor(3.0 * static_cast<double>(y)) == 0.0;
}

std::optional<Square> stepTarget(Direction direction, int index, float left, float top)
{
    bool blocked = false;
    switch (direction) {
    case Direction::None:
        break;
    case Direction::Up:
        for (const BandEdge &edge : UpRefused) {
            if (top == edge.top && index >= edge.index)
                blocked = true;
        }
        if (top >= FirstSquare + Step && !blocked)
            return Square{left, top - Step};
        break;
    case Direction::Down:
        for (const BandEdge &edge : DownRefused) {
            if (top == edge.top && index <= edge.index)
                blocked = true;
        }
        if (top <= LastEnemyRow - Step && !blocked)
            return Square{left, top + Step};
        break;
    case Direction::Left:
        if (left >= FirstSquare + Step)
            return Square{left - Step, top};
        break;
    case Direction::Right:
        if (left <= LastColumn - Step)
            return Square{left + Step, top};
        break;
    }
    return std::nullopt;
}

std::optional<double> healed(double value, double maximum)
{
    std::optional<double> now;
    if (floorOf(maximum) > floorOf(value)) {
        now = floorOf(floorOf(value) + floorOf(maximum) / 10.0);
        // The second look is at the value as its caption then holds it.
        const std::optional<double> written = CaptionNumber::tryParse(CaptionNumber::format(*now));
        if (!written)
            return now;
        value = *written;
    }
    if (floorOf(maximum) < floorOf(value))
        now = floorOf(maximum);
    return now;
}

} // namespace EnemyClock
