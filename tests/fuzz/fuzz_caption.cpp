// Fuzz target: the caption conversions. The input is a caption; its first
// eight bytes are also taken as any double a rule may produce. Parsing
// agrees with itself, and whatever the game writes into a caption reads
// back as the same number.

#include "logic/captionnumber.h"
#include "system/gameerror.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

[[noreturn]] void finding(const char *what, const QString &about)
{
    std::fprintf(stderr, "finding: %s (%s)\n", what, qPrintable(about.left(200)));
    std::abort();
}

void checkNumber(double value)
{
    const std::optional<qint16> whole = CaptionNumber::tryInt16(value);
    if (whole && std::fabs(*whole - value) > 0.5)
        finding("a 16-bit value more than a half away", CaptionNumber::format(value));
    if (!std::isfinite(value))
        return;
    // A tiny negative value is a whole 1 above its floor once rounded.
    const double floor = CaptionNumber::floorOf(value);
    if (!(floor <= value && value - floor <= 1.0 && std::trunc(floor) == floor))
        finding("floorOf is not the whole number below", CaptionNumber::format(value));

    const QString text = CaptionNumber::format(value);
    const std::optional<double> back = CaptionNumber::tryParse(text);
    if (!back)
        finding("a formatted number does not read back", text);
    if (std::fabs(value) >= DBL_MIN && std::fabs(*back - value) > 1e-14 * std::fabs(value))
        finding("a formatted number reads back as another", text);

    const float single = static_cast<float>(value);
    if (std::isfinite(single) && !CaptionNumber::tryParse(CaptionNumber::formatSingle(single)))
        finding("a single-precision caption does not read back", CaptionNumber::formatSingle(single));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Captions hold the character file's 8-bit text.
    const QString caption = QString::fromLatin1(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<double> value = CaptionNumber::tryParse(caption);
    try {
        const double parsed = CaptionNumber::parse(caption);
        if (!value || std::memcmp(&parsed, &*value, sizeof parsed) != 0)
            finding("parse and tryParse disagree", caption);
        if (!std::isfinite(parsed))
            finding("a caption parsed to a number that is not finite", caption);
    } catch (const GameError &e) {
        if (value)
            finding("parse failed where tryParse did not", caption);
        if (e.code() != GameError::TypeMismatch && e.code() != GameError::Overflow)
            finding("a caption failure that is neither type mismatch nor overflow", caption);
        if (e.description().size() > 200)
            finding("a caption failure that quotes too much", caption);
    }
    if (value)
        checkNumber(*value);

    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        checkNumber(raw);
    }
    return 0;
}
