#include "logic/captionnumber.h"
#include "system/gameerror.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>

namespace CaptionNumber {

namespace {

enum class Reading { Number, NotANumber, TooLarge };

// A plain whole number of up to 15 digits, optionally negative: what the
// game itself writes into its captions. It is exact in a double, so it can
// skip the general reader below, which costs far more than the rules that
// ask (the enemy clock reads four captions at every phase).
bool readPlainWholeNumber(const QString &caption, double &out)
{
    const bool negative = caption.startsWith(QLatin1Char('-'));
    const qsizetype digits = caption.size() - (negative ? 1 : 0);
    if (digits < 1 || digits > 15)
        return false;
    double value = 0.0;
    for (qsizetype i = caption.size() - digits; i < caption.size(); ++i) {
        const char16_t c = caption.at(i).unicode();
        if (c < u'0' || c > u'9')
            return false;
        value = value * 10.0 + double(c - u'0');
    }
    out = negative ? -value : value;
    return true;
}

Reading read(const QString &caption, double &out)
{
    if (readPlainWholeNumber(caption, out))
        return Reading::Number;
    static const QRegularExpression number(
        QStringLiteral("^[ \\t]*([+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?)[ \\t]*$"));
    const QRegularExpressionMatch m = number.match(caption);
    if (!m.hasMatch())
        return Reading::NotANumber;
    bool ok = false;
    const double value = m.captured(1).toDouble(&ok); // C locale: '.' only
    if (!std::isfinite(value))
        return Reading::TooLarge;
    if (!ok) {
        // toDouble refuses underflow too; a vanishing number is simply 0.
        const QString digits = m.captured(1);
        if (digits.contains(QLatin1Char('e'), Qt::CaseInsensitive)
            && digits.section(QRegularExpression(QStringLiteral("[eE]")), 1).toInt() < 0) {
            out = 0.0;
            return Reading::Number;
        }
        return Reading::TooLarge;
    }
    out = value;
    return Reading::Number;
}

QString tidyExponent(QString text)
{
    // "1E+300" as written; make sure no lowercase slips through.
    return text.toUpper();
}

} // namespace

std::optional<double> tryParse(const QString &caption)
{
    double value = 0.0;
    if (read(caption, value) != Reading::Number)
        return std::nullopt;
    return value;
}

double parse(const QString &caption)
{
    double value = 0.0;
    switch (read(caption, value)) {
    case Reading::Number:
        return value;
    case Reading::TooLarge:
        throw GameError(
            GameError::Overflow,
            QCoreApplication::translate("CaptionNumber", "\"%1\" is too large").arg(GameError::excerpt(caption)));
    case Reading::NotANumber:
        break;
    }
    throw GameError(
        GameError::TypeMismatch,
        QCoreApplication::translate("CaptionNumber", "\"%1\" is not a number").arg(GameError::excerpt(caption)));
}

double floorOf(double value)
{
    return std::floor(value);
}

std::optional<qint16> tryInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (whole < -32768.0 || whole > 32767.0)
        return std::nullopt;
    return static_cast<qint16>(whole);
}

QString format(double value)
{
    if (value == 0.0 || std::isnan(value))
        return QStringLiteral("0");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("1.#INF") : QStringLiteral("-1.#INF");
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    // Fifteen digits, unless that rounds past the largest double (which the
    // game could then never read back): the full seventeen there.
    const QString text = tidyExponent(QString::number(value, 'G', 15));
    return tryParse(text) ? text : tidyExponent(QString::number(value, 'G', 17));
}

QString formatSingle(float value)
{
    if (value == 0.0f || std::isnan(value))
        return QStringLiteral("0");
    return tidyExponent(QString::number(static_cast<double>(value), 'G', 7));
}

} // namespace CaptionNumber
