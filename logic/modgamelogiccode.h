#pragma once

// The game-logic module: the character file, the point-button rule, the
// enemy roster query, encounters and the outcome of a battle. It keeps no
// game state of its own beyond the pause flag (logic/pausedenemies.h):
// every operation reads and writes the map window's controls that it is
// handed (MapControls), where the character and the enemies live. It never ends the program: what
// should happen next comes back as an Outcome.

#include "logic/fallenhistory.h"
#include "logic/mapcontrols.h"
#include "logic/pausedenemies.h"
#include "system/outcome.h"

#include <QByteArray>
#include <QString>
#include <array>

namespace modGameLogicCode {

// Path of the character file: the entry beside the program that matches
// "Character.chx" in any letter case, or that exact name when there is none.
QString characterFilePath();

// Far beyond any real character: a larger file is damaged or not ours.
inline constexpr qint64 MaxCharacterFileBytes = 1024 * 1024;

// A character file's content, checked as a whole: the eight statistic
// captions as they will be shown and the seven skill-bar widths in twips.
struct CharacterRecord
{
    std::array<QString, GameRules::StatisticLines> captions;
    std::array<float, GameRules::ColourCount> skillWidths{};

    bool operator==(const CharacterRecord &) const = default;
};
// Reads the content of a character file without touching any control.
// Throws GameError on a file with fewer than 15 lines, a line shorter than
// its key, points or skills that are not numbers, or a negative or
// overflowing skill.
CharacterRecord readCharacter(const QByteArray &bytes);

// The character as the map's controls hold it now: what a save writes.
CharacterRecord heldCharacter(const MapControls &map);

// Writes the default character (logic/defaultcharacter.txt). Throws
// GameError when it cannot.
void CreateDefaultCharacter();
// Fills the statistics labels and the skill bars from the character file,
// creating a default one after a message when it is missing. Checks the
// whole file before it changes any control; throws GameError on a file it
// cannot read or whose points or skills are not numbers.
void LoadCharacter(const MapControls &map);
// The character as a win over enemy `index` leaves it: a level more of the
// enemy's colour, or past a full bar that skill at level 1 again and the
// colour's award added to the points.
CharacterRecord afterWin(CharacterRecord record, qint16 index);
// Writes the character back atomically: the old file stays whole until the
// new one is complete. Throws GameError when it cannot.
void SaveCharacter(const MapControls &map);
void SaveCharacter(const CharacterRecord &record);
// Saves the character; when it cannot, gives what the player is to be
// told: where the file is and why (the old file untouched). Empty when
// the character was saved.
QString saveCharacterOrWhy(const MapControls &map);
QString saveCharacterOrWhy(const CharacterRecord &record);
// Saves the character or, when it cannot, tells the player where the file
// is and why and gives the end with 1 (the old file untouched).
Outcome saveCharacterOrSay(const MapControls &map);

// Whether the path names an entry, file or folder, in any letter case.
bool FileExists(const QString &path);
// The entry actually found for the path (its real letter case), or an
// empty string.
QString findEntry(const QString &path);

// Shows the five "+" buttons while the points, rounded down, are above 0.
// A points caption that is not a number hides them; nothing here fails.
void UpdateGainButtons(const MapControls &map);

// Whether any enemy marker, shown or hidden, stands exactly at x, y.
bool EnemyAt(const MapControls &map, qint16 x, qint16 y);

// Fights every shown enemy on the player's square, lowest index first,
// until a battle ends the game.
Outcome CheckEncounter(const MapControls &map);
// One battle against enemy `index` (through map.openBattle) and its outcome on
// the map; the end of the game when the player died. A listening screen
// reader is told of a win (the colour's new skill level, and the points a
// full bar gave) and of a retreat (the enemy still on the square).
Outcome FightEnemy(const MapControls &map, qint16 index);
// Saves the dead character and moves the file to its archive name; always
// the end, with 1 when a message had to say what could not be done. Once
// the archive is made, adds the character's record to the history of the
// fallen (FallenHistory), killed by enemy `enemy` as `battle` tells; a
// record that cannot be written is left out without a word.
Outcome ArchiveDeadCharacter(const MapControls &map, qint16 enemy, const BattleEnd &battle);

} // namespace modGameLogicCode
