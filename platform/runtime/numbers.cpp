#include "runtime/numbers.h"

#include "runtime/runtimeerror.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Sign, digits, at most one point, and at least one digit: "5", "-9", "+0.5", ".5", "5.".
bool isPlainDecimal(const QString &text)
{
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    bool seenDigit = false;
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i]))
            seenDigit = true;
        else if (text[i] == u'.' && !seenPoint)
            seenPoint = true;
        else
            return false;
    }
    return seenDigit;
}

// Whole numbers of up to 15 digits are exact in a double, and they are what the countdown's
// labels hold; reading them directly keeps a tick cheap.
constexpr qsizetype maxExactDigits = 15;
constexpr double maxExactWhole = 1e15;

bool readSmallWholeNumber(const QString &text, double &value)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    const qsizetype digits = text.size() - i;
    if (digits < 1 || digits > maxExactDigits)
        return false;
    std::int64_t whole = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return false;
        whole = whole * 10 + (text[i].unicode() - u'0');
    }
    value = static_cast<double>(whole);
    if (negative)
        value = -value; // "-0" stays the negative zero that the general path gives
    return true;
}

double checkedResult(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError::overflow();
    return value;
}

} // namespace

double textToDouble(const QString &text)
{
    // A small whole number, what the labels hold on every tick, is read and checked in one pass.
    if (double whole = 0.0; readSmallWholeNumber(text, whole))
        return whole;
    if (!isPlainDecimal(text))
        throw RuntimeError::typeMismatch();

    // from_chars takes no leading '+'; the text is pure ASCII by now.
    std::string digits = text.toStdString();
    if (digits.front() == '+')
        digits.erase(0, 1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                              std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        // from_chars reports underflow this way too: a value too small for a double is zero,
        // only one whose whole part is too large is an overflow.
        const std::size_t start = digits.front() == '-' ? 1 : 0;
        const std::size_t point = std::min(digits.find('.'), digits.size());
        const bool wholePartIsZero
            = digits.find_first_not_of('0', start) >= point;
        if (!wholePartIsZero)
            throw RuntimeError::overflow();
        value = 0.0;
    } else if (error != std::errc() || end != digits.data() + digits.size()) {
        throw RuntimeError::typeMismatch();
    }
    return value;
}

bool isNumericText(const QString &text)
{
    return isPlainDecimal(text);
}

QString doubleToText(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError::overflow();
    if (value == 0.0)
        return QStringLiteral("0"); // never "-0"
    if (std::abs(value) < maxExactWhole && value == std::trunc(value))
        return QString::number(static_cast<qint64>(value));

    // Round to 15 significant digits first, then write that value without an exponent.
    std::array<char, 32> rounded {};
    auto result = std::to_chars(rounded.data(), rounded.data() + rounded.size(), value,
                                std::chars_format::general, 15);
    double shortened = value;
    std::from_chars(rounded.data(), result.ptr, shortened);

    std::array<char, 400> plain {};
    result = std::to_chars(plain.data(), plain.data() + plain.size(), shortened,
                           std::chars_format::fixed);
    return QString::fromLatin1(plain.data(), result.ptr - plain.data());
}

QString integerToText(std::int16_t value)
{
    // The clock's fields and the countdown's constants are small; their texts are made once.
    static const std::array<QString, 100> small = [] {
        std::array<QString, 100> texts;
        for (std::size_t i = 0; i < texts.size(); ++i)
            texts[i] = QString::number(i);
        return texts;
    }();
    if (value >= 0 && static_cast<std::size_t>(value) < small.size())
        return small[static_cast<std::size_t>(value)];
    // The year comes round on every tick of the clock: its text is kept until another number
    // outside the table is asked for.
    thread_local std::int16_t lastValue = 0;
    thread_local QString lastText;
    if (lastText.isNull() || value != lastValue) {
        lastText = QString::number(value);
        lastValue = value;
    }
    return lastText;
}

double checkedAdd(double a, double b)
{
    return checkedResult(a + b);
}

double checkedSubtract(double a, double b)
{
    return checkedResult(a - b);
}
