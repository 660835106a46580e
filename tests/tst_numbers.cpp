// The conversions are the countdown's only way from a caption back to a number, so a text
// that slips through, or a number written in a form that does not read back, is a wrong answer
// on screen.

#include "runtime/numbers.h"
#include "runtime/runtimeerror.h"
#include "testmain.h"

#include <QLocale>

#include <cmath>
#include <limits>

class NumbersTest : public QObject
{
    Q_OBJECT

private slots:
    void acceptsPlainDecimals_data();
    void acceptsPlainDecimals();
    void refusesEverythingElse_data();
    void refusesEverythingElse();
    void ignoresTheUsersLocale();
    void writesDoublesInPlainDecimal_data();
    void writesDoublesInPlainDecimal();
    void writesWhatReadsBack();
    void writesIntegersInPlainDecimal_data();
    void writesIntegersInPlainDecimal();
    void arithmeticRaisesOverflow();
    void errorsCarryNumberAndDescription();
};

void NumbersTest::acceptsPlainDecimals_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("a list item") << "31" << 31.0;
    QTest::newRow("minute with leading zero") << "00" << 0.0;
    QTest::newRow("padded minute") << "07" << 7.0;
    QTest::newRow("negative figure") << "-9" << -9.0;
    QTest::newRow("explicit plus") << "+5" << 5.0;
    QTest::newRow("decimal fraction") << "2.5" << 2.5;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("point last") << "5." << 5.0;
    QTest::newRow("negative fraction") << "-0.25" << -0.25;
    QTest::newRow("many digits") << "123456789012345" << 123456789012345.0;
    QTest::newRow("below the smallest double") << ("0." + QString(400, u'0') + "1") << 0.0;
}

void NumbersTest::acceptsPlainDecimals()
{
    QFETCH(QString, text);
    QFETCH(double, value);

    QCOMPARE(textToDouble(text), value);
}

void NumbersTest::refusesEverythingElse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("errorNumber");

    // A design-time caption still in a label, or nothing chosen in a list.
    QTest::newRow("empty") << "" << 13;
    QTest::newRow("a label's own name") << "CurDay" << 13;
    QTest::newRow("a month name") << "March" << 13;
    QTest::newRow("blank") << " " << 13;
    QTest::newRow("leading blank") << " 5" << 13;
    QTest::newRow("trailing blank") << "5 " << 13;
    QTest::newRow("lone minus") << "-" << 13;
    QTest::newRow("lone plus") << "+" << 13;
    QTest::newRow("lone point") << "." << 13;
    QTest::newRow("sign and point") << "-." << 13;
    QTest::newRow("two points") << "1.2.3" << 13;
    QTest::newRow("two signs") << "--5" << 13;
    QTest::newRow("sign after digits") << "5-" << 13;
    QTest::newRow("exponent") << "1e5" << 13;
    QTest::newRow("hexadecimal") << "0x10" << 13;
    QTest::newRow("decimal comma") << "2,5" << 13;
    QTest::newRow("thousands separator") << "1,000" << 13;
    QTest::newRow("infinity") << "inf" << 13;
    QTest::newRow("not a number") << "nan" << 13;
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("\u0665") << 13;
    QTest::newRow("fullwidth digits") << QString::fromUtf8("\uff15") << 13;
    QTest::newRow("embedded nul") << QString::fromLatin1("5\0" "5", 3) << 13;
    // Beyond a double's range: the runtime's overflow, not a mismatch.
    QTest::newRow("too large") << ("1" + QString(400, u'0')) << 6;
    QTest::newRow("too small") << ("-1" + QString(400, u'0')) << 6;
}

void NumbersTest::refusesEverythingElse()
{
    QFETCH(QString, text);
    QFETCH(int, errorNumber);

    try {
        const double value = textToDouble(text);
        QFAIL(qPrintable(QStringLiteral("accepted as %1").arg(value)));
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), errorNumber);
    }
}

void NumbersTest::ignoresTheUsersLocale()
{
    // GIVEN a user whose locale writes a decimal comma
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    // WHEN numbers go to text and back
    const QString written = doubleToText(-2.5);
    const double read = textToDouble(QStringLiteral("2.5"));
    QLocale::setDefault(previous);

    // THEN the point is still the decimal separator
    QCOMPARE(written, QStringLiteral("-2.5"));
    QCOMPARE(read, 2.5);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, textToDouble(QStringLiteral("2,5")));
}

void NumbersTest::writesDoublesInPlainDecimal_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole") << 5.0 << "5";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("negative whole") << -9.0 << "-9";
    QTest::newRow("sixty") << 60.0 << "60";
    QTest::newRow("fraction") << 0.5 << "0.5";
    QTest::newRow("negative fraction") << -2.25 << "-2.25";
    QTest::newRow("rounding noise") << 0.1 + 0.2 << "0.3";
    QTest::newRow("a million") << 1e6 << "1000000";
    QTest::newRow("minus two and a half million") << -2.5e6 << "-2500000";
    QTest::newRow("fifteen digits") << 123456789012345.0 << "123456789012345";
    QTest::newRow("a thousand million million") << 1e15 << "1000000000000000";
    QTest::newRow("large, no exponent") << 1e20 << "100000000000000000000";
    QTest::newRow("small, no exponent") << 1e-7 << "0.0000001";
}

void NumbersTest::writesDoublesInPlainDecimal()
{
    QFETCH(double, value);
    QFETCH(QString, text);

    QCOMPARE(doubleToText(value), text);
}

void NumbersTest::writesWhatReadsBack()
{
    // Every figure the countdown can produce is a whole number well inside this range.
    for (int n = -100000; n <= 100000; n += 7)
        QCOMPARE(textToDouble(doubleToText(n)), static_cast<double>(n));
}

void NumbersTest::writesIntegersInPlainDecimal_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0 << "0";
    QTest::newRow("month") << 12 << "12";
    QTest::newRow("negative") << -5 << "-5";
    QTest::newRow("largest") << 32767 << "32767";
    QTest::newRow("smallest") << -32768 << "-32768";
}

void NumbersTest::writesIntegersInPlainDecimal()
{
    QFETCH(int, value);
    QFETCH(QString, text);

    QCOMPARE(integerToText(static_cast<std::int16_t>(value)), text);
}

void NumbersTest::arithmeticRaisesOverflow()
{
    const double largest = std::numeric_limits<double>::max();
    QCOMPARE(checkedAdd(2, 3), 5.0);
    QCOMPARE(checkedSubtract(2, 3), -1.0);
    try {
        checkedAdd(largest, largest);
        QFAIL("no overflow");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), 6);
    }
    QVERIFY_THROWS_EXCEPTION(RuntimeError, checkedSubtract(-largest, largest));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, doubleToText(std::numeric_limits<double>::infinity()));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, doubleToText(std::nan("")));
}

void NumbersTest::errorsCarryNumberAndDescription()
{
    const RuntimeError mismatch = RuntimeError::typeMismatch();
    QCOMPARE(mismatch.number(), 13);
    QCOMPARE(mismatch.description(), QStringLiteral("Type mismatch"));
    QCOMPARE(mismatch.message(), QStringLiteral("Run-time error '13':\n\nType mismatch"));
    QCOMPARE(QString::fromStdString(mismatch.what()), mismatch.message());
}

PROGRAM_TEST_MAIN(NumbersTest, "Velmora", velmoraCaptions)
#include "tst_numbers.moc"
