#include "map/enemyclock.h"

#include "logic/captionnumber.h"
#include "logic/gamerules.h"

#include <array>
#include <cmath>

namespace EnemyClock {

namespace {

using namespace GameRules;
using CaptionNumber::floorOf;

// The band boundaries: an up step from one of these rows is refused for
// enemies at or above the index beside it, a down step for enemies at or
// below it. Three rows and one colour group apart.
struct BandEdge {
    float top;
    int index;
};
constexpr std::array<BandEdge, 5> UpRefused{{{56, 6}, {104, 9}, {152, 12}, {200, 15}, {248, 18}}};
constexpr std::array<BandEdge, 5> DownRefused{{{88, 2}, {136, 5}, {184, 8}, {232, 11}, {280, 14}}};

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
