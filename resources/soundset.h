#pragma once

// The game's sounds, named once: the effect of each event and the cue that
// points to the nearest enemy, the format they are made in, and how a way
// in squares becomes a cue's place left or right and its pitch. The sound
// maker (resources/soundmaker) makes one WAV file of each name at every
// build; the game plays them by the same names (system/sound).

#include <array>
#include <cstdlib>
#include <string>

namespace SoundSet {

// 16-bit PCM, stereo: the cues are placed left and right in the files.
inline constexpr int SampleRate = 22050;
inline constexpr int Channels = 2;
inline constexpr int BitsPerSample = 16;

enum class Effect {
    HealingRow, // a step into the healing row
    Healed, // the healing row heals
    EnemyBeside, // an enemy comes to stand beside the player
    EnemyOnSquare, // an enemy comes onto the player's square
    BattleOpens,
    YourHit,
    YourMiss,
    Blast,
    Heal,
    EnemyHit,
    EnemyMiss,
    Win, // the enemy is defeated
    SkillWrap, // a skill bar starts again and gives points
    PointSpent,
    Death,
};
inline constexpr std::array<const char *, 15> EffectNames = {
    "healing-row", "healed",      "enemy-beside", "enemy-on-square", "battle-opens", "your-hit",
    "your-miss",   "blast",       "heal",         "enemy-hit",       "enemy-miss",   "win",
    "skill-wrap",  "point-spent", "death",
};
static_assert(EffectNames.size() == std::size_t(Effect::Death) + 1, "a name for each effect, in order");

inline const char *nameOf(Effect effect)
{
    return EffectNames[std::size_t(effect)];
}

// The cue: squares to the nearest enemy become steps of place and pitch,
// CueSteps each way. A way of at least CueBands[s - 1] squares is step s:
// 0 squares the middle, 1 the first step, 2 to 3 the second, 4 to 6 the
// third, 7 or more the last.
inline constexpr int CueSteps = 4;
inline constexpr std::array<int, CueSteps> CueBands = {1, 2, 4, 7};

constexpr int cueStep(int squares)
{
    const int distance = squares < 0 ? -squares : squares;
    int step = 0;
    for (int band : CueBands) {
        if (distance >= band)
            ++step;
    }
    return squares < 0 ? -step : step;
}

// A cue's file name: its place (l left, r right, c the middle) and its
// pitch (u higher for an enemy above, d lower for one below, 0 level), as
// "cue_l2_u1".
inline std::string cueName(int place, int pitch)
{
    const std::string across = place == 0 ? "c" : (place < 0 ? "l" : "r") + std::to_string(std::abs(place));
    const std::string up = pitch == 0 ? "0" : (pitch > 0 ? "u" : "d") + std::to_string(std::abs(pitch));
    return "cue_" + across + "_" + up;
}

// The cue of an enemy one step away, a sound of its own for each way.
enum class Beside { Left, Right, Up, Down };
inline constexpr std::array<const char *, 4> BesideNames = {"beside_left", "beside_right", "beside_up", "beside_down"};

inline const char *nameOf(Beside way)
{
    return BesideNames[std::size_t(way)];
}

} // namespace SoundSet
