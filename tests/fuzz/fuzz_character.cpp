// Fuzz target: the character file's content as the game checks it. Any
// input either gives a record whose skill widths are usable bar widths or
// fails with one of the file's error codes and a message of modest length.

#include "logic/modgamelogiccode.h"
#include "system/gameerror.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void finding(const char *what)
{
    std::fprintf(stderr, "finding: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    try {
        const modGameLogicCode::CharacterRecord record = modGameLogicCode::readCharacter(bytes);
        for (float width : record.skillWidths) {
            if (!std::isfinite(width) || width < 0)
                finding("a skill width that no bar can take");
        }
    } catch (const GameError &e) {
        switch (e.code()) {
        case GameError::InvalidArgument:
        case GameError::Overflow:
        case GameError::TypeMismatch:
        case GameError::PastEndOfFile:
        case GameError::InvalidPropertyValue:
            break;
        default:
            finding("an error code the character file never gives");
        }
        // A message box must appear at once and fit the screen.
        if (e.description().size() > 200)
            finding("an error message that quotes too much of the file");
    }
    return 0;
}
