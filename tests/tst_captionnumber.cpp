#include "logic/captionnumber.h"
#include "system/gameerror.h"

#include <QTest>
#include <cfloat>
#include <cmath>
#include <limits>

class tst_CaptionNumber : public QObject
{
    Q_OBJECT

private slots:
    void wholeCaptionsConvert_data();
    void wholeCaptionsConvert();
    void partialOrOddCaptionsFail_data();
    void partialOrOddCaptionsFail();
    void sixteenBitsRoundHalfToEven_data();
    void sixteenBitsRoundHalfToEven();
    void plainDecimalWriting_data();
    void plainDecimalWriting();
    void singlePrecisionWriting_data();
    void singlePrecisionWriting();
    void writtenNumbersReadBack_data();
    void writtenNumbersReadBack();
};

// A caption converts as a whole; blanks around it are allowed.
void tst_CaptionNumber::wholeCaptionsConvert_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "12" << 12.0;
    QTest::newRow("blanks around") << "  12 " << 12.0;
    QTest::newRow("tab") << "\t7" << 7.0;
    QTest::newRow("negative") << "-3" << -3.0;
    QTest::newRow("plus sign") << "+4" << 4.0;
    QTest::newRow("fraction") << "2.9" << 2.9;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("written exponent") << "1E+300" << 1e300;
    QTest::newRow("tiny underflows to zero") << "1e-400" << 0.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("fifteen digits") << "999999999999999" << 999999999999999.0;
    QTest::newRow("sixteen digits") << "1234567890123456" << 1234567890123456.0;
    QTest::newRow("negative, many digits") << "-900719925474099" << -900719925474099.0;
}

void tst_CaptionNumber::wholeCaptionsConvert()
{
    QFETCH(QString, caption);
    QFETCH(double, value);
    QCOMPARE(CaptionNumber::parse(caption), value);
    QCOMPARE(CaptionNumber::tryParse(caption).value_or(-999.0), value);
}

// Text that is not wholly a number fails, with the code that says why;
// it never reads as 0 or as its leading digits.
void tst_CaptionNumber::partialOrOddCaptionsFail_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("code");
    QTest::newRow("empty") << "" << int(GameError::TypeMismatch);
    QTest::newRow("blank") << "   " << int(GameError::TypeMismatch);
    QTest::newRow("trailing letters") << "12abc" << int(GameError::TypeMismatch);
    QTest::newRow("comma") << "1,5" << int(GameError::TypeMismatch);
    QTest::newRow("nan") << "nan" << int(GameError::TypeMismatch);
    QTest::newRow("inf") << "inf" << int(GameError::TypeMismatch);
    QTest::newRow("hex") << "0x10" << int(GameError::TypeMismatch);
    QTest::newRow("words") << "abc" << int(GameError::TypeMismatch);
    QTest::newRow("two signs") << "--1" << int(GameError::TypeMismatch);
    QTest::newRow("lone minus") << "-" << int(GameError::TypeMismatch);
    QTest::newRow("sign after digits") << "12-" << int(GameError::TypeMismatch);
    QTest::newRow("inner blank") << "1 2" << int(GameError::TypeMismatch);
    QTest::newRow("lone point") << "." << int(GameError::TypeMismatch);
    QTest::newRow("bare exponent") << "e5" << int(GameError::TypeMismatch);
    QTest::newRow("non-breaking space") << QStringLiteral("\u00a012") << int(GameError::TypeMismatch);
    QTest::newRow("beyond double") << "1e999" << int(GameError::Overflow);
    QTest::newRow("beyond double negative") << "-1e999" << int(GameError::Overflow);
}

void tst_CaptionNumber::partialOrOddCaptionsFail()
{
    QFETCH(QString, caption);
    QFETCH(int, code);
    QVERIFY(!CaptionNumber::tryParse(caption).has_value());
    try {
        CaptionNumber::parse(caption);
        QFAIL("parse accepted it");
    } catch (const GameError &e) {
        QCOMPARE(e.code(), code);
        QVERIFY(!e.description().isEmpty());
    }
}

void tst_CaptionNumber::sixteenBitsRoundHalfToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("expected");
    QTest::newRow("whole") << 12.0 << true << 12;
    QTest::newRow("half down to even") << 2.5 << true << 2;
    QTest::newRow("half up to even") << 3.5 << true << 4;
    QTest::newRow("negative half") << -2.5 << true << -2;
    QTest::newRow("negative half odd") << -3.5 << true << -4;
    QTest::newRow("just below half") << 2.49 << true << 2;
    QTest::newRow("top") << 32767.0 << true << 32767;
    QTest::newRow("bottom") << -32768.0 << true << -32768;
    QTest::newRow("rounds to top") << 32767.4 << true << 32767;
    QTest::newRow("rounds past top") << 32767.5 << false << 0;
    QTest::newRow("past bottom") << -32769.0 << false << 0;
    QTest::newRow("huge") << 1e300 << false << 0;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << false << 0;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << false << 0;
}

void tst_CaptionNumber::sixteenBitsRoundHalfToEven()
{
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(int, expected);
    const std::optional<qint16> whole = CaptionNumber::tryInt16(value);
    QCOMPARE(whole.has_value(), fits);
    if (fits)
        QCOMPARE(int(*whole), expected);
}

void tst_CaptionNumber::plainDecimalWriting_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 11.0 << "11";
    QTest::newRow("negative") << -3.0 << "-3";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("half") << 3.5 << "3.5";
    QTest::newRow("floor of negative") << std::floor(-0.5) << "-1";
    QTest::newRow("large whole") << 123456789012.0 << "123456789012";
    QTest::newRow("huge") << 1e300 << "1E+300";
    QTest::newRow("tiny") << 1.5e-7 << "1.5E-07";
    QTest::newRow("fifteen digits") << 0.1 + 0.2 << "0.3";
    QTest::newRow("largest double: fifteen digits would overflow") << -DBL_MAX << "-1.7976931348623157E+308";
}

void tst_CaptionNumber::plainDecimalWriting()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(CaptionNumber::format(value), text);
}

void tst_CaptionNumber::singlePrecisionWriting_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("level") << 2.0f << "2";
    QTest::newRow("half level") << 2.5f << "2.5";
    QTest::newRow("third") << 1.0f / 3.0f << "0.3333333";
    QTest::newRow("eighteen") << 2700.0f / 150.0f << "18";
    QTest::newRow("zero") << 0.0f << "0";
    QTest::newRow("large") << 1e30f << "1E+30";
}

void tst_CaptionNumber::singlePrecisionWriting()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(CaptionNumber::formatSingle(value), text);
}

// Whatever the game writes into a caption, it can read again.
void tst_CaptionNumber::writtenNumbersReadBack_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << 42.0;
    QTest::newRow("negative") << -7.0;
    QTest::newRow("fraction") << 3.5;
    QTest::newRow("huge") << 1e300;
    QTest::newRow("tiny") << 1.5e-7;
    QTest::newRow("largest double") << DBL_MAX;
    QTest::newRow("largest negative double") << -DBL_MAX;
}

void tst_CaptionNumber::writtenNumbersReadBack()
{
    QFETCH(double, value);
    const auto back = CaptionNumber::tryParse(CaptionNumber::format(value));
    QVERIFY(back.has_value());
    QCOMPARE(*back, value);
}

QTEST_GUILESS_MAIN(tst_CaptionNumber)
#include "tst_captionnumber.moc"
