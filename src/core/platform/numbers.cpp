#include "numbers.h"

#include "asciitext.h"
#include "runtimeerror.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tarvello {

namespace {

bool isSkipped(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

// "&H1F" and "&O17": up to four digits read as a 16-bit pattern, up to eight
// as a 32-bit pattern, so "&HFFFF" is -1 as it is for a 16-bit column.
double radixNumber(const std::string &s, std::size_t pos, int radix)
{
    std::uint64_t value = 0;
    int digits = 0;
    bool tooLong = false;
    for (; pos < s.size() && digitValue(s[pos]) < radix; ++pos) {
        if (value == 0 && s[pos] == '0')
            continue;
        value = value * radix + digitValue(s[pos]);
        if (++digits > 22) {
            tooLong = true;
            break;
        }
    }
    if (tooLong || value > 0xFFFFFFFFull)
        return std::numeric_limits<double>::infinity();
    if (value <= 0xFFFF)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

double parseCleaned(const std::string &s)
{
    // s holds sign, digits, one '.', digits, 'e', sign, digits in that order.
    if (s.empty())
        return 0.0;
    double result = 0.0;
    const char *begin = s.data();
    if (*begin == '+')
        ++begin;
    auto [ptr, ec] = std::from_chars(begin, s.data() + s.size(), result);
    if (ec == std::errc::result_out_of_range) {
        // Out of range: too large is an infinity, too small is zero.
        const bool negative = s[0] == '-';
        std::size_t e = s.find('e');
        const bool bigExp = e != std::string::npos && e + 1 < s.size() && s[e + 1] != '-';
        if (bigExp || e == std::string::npos)
            return negative ? -std::numeric_limits<double>::infinity()
                            : std::numeric_limits<double>::infinity();
        return negative ? -0.0 : 0.0;
    }
    if (ec != std::errc())
        return 0.0;
    return result;
}

} // namespace

double LeadingNumber(std::string_view text)
{
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (!isSkipped(c))
            s.push_back(c);
    }
    if (s.size() >= 2 && s[0] == '&') {
        const char kind = s[1];
        if (kind == 'h' || kind == 'H')
            return radixNumber(s, 2, 16);
        if (kind == 'o' || kind == 'O')
            return radixNumber(s, 2, 8);
        return 0.0;
    }

    std::string cleaned;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        cleaned.push_back(s[i++]);
    bool anyDigit = false;
    while (i < s.size() && isDigit(s[i])) {
        cleaned.push_back(s[i++]);
        anyDigit = true;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        std::string fraction;
        while (i < s.size() && isDigit(s[i]))
            fraction.push_back(s[i++]);
        if (!fraction.empty()) {
            cleaned.push_back('.');
            cleaned += fraction;
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0.0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent.push_back(s[j++]);
        std::size_t firstDigit = j;
        while (j < s.size() && isDigit(s[j]))
            exponent.push_back(s[j++]);
        if (j > firstDigit)
            cleaned += exponent;
    }
    return parseCleaned(cleaned);
}

std::optional<double> LocaleNumber(std::string_view text, char decimalMark)
{
    const std::string_view t = TrimBlanks(text);
    if (t.empty())
        return std::nullopt;

    std::string cleaned;
    std::size_t i = 0;
    if (t[i] == '+' || t[i] == '-')
        cleaned.push_back(t[i++]);
    std::size_t mantissaDigits = 0;
    while (i < t.size() && isDigit(t[i])) {
        cleaned.push_back(t[i++]);
        ++mantissaDigits;
    }
    if (i < t.size() && t[i] == decimalMark) {
        ++i;
        cleaned.push_back('.');
        while (i < t.size() && isDigit(t[i])) {
            cleaned.push_back(t[i++]);
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        cleaned.push_back('e');
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            cleaned.push_back(t[i++]);
        std::size_t expDigits = 0;
        while (i < t.size() && isDigit(t[i])) {
            cleaned.push_back(t[i++]);
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != t.size())
        return std::nullopt;
    const double value = parseCleaned(cleaned);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

bool IsNumeric(std::string_view text, char decimalMark)
{
    if (LocaleNumber(text, decimalMark))
        return true;
    std::size_t b = text.find_first_not_of(" \t");
    if (b == std::string_view::npos || b + 2 >= text.size() + 0 || text[b] != '&')
        return false;
    const char kind = text[b + 1];
    const int radix = (kind == 'h' || kind == 'H') ? 16 : (kind == 'o' || kind == 'O') ? 8 : 0;
    if (radix == 0)
        return false;
    std::size_t e = text.find_last_not_of(" \t");
    if (e < b + 2)
        return false;
    for (std::size_t i = b + 2; i <= e; ++i) {
        if (digitValue(text[i]) >= radix)
            return false;
    }
    return true;
}

std::string NumberText(double value, char decimalMark)
{
    if (value == 0.0)
        return "0";
    char buffer[64];
    auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::general, 15);
    if (ec != std::errc())
        return "0";
    std::string out(buffer, ptr);
    for (char &c : out) {
        if (c == 'e')
            c = 'E';
        else if (c == '.')
            c = decimalMark;
    }
    return out;
}

double RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double floorValue = std::floor(value);
    const double diff = value - floorValue;
    if (diff > 0.5)
        return floorValue + 1.0;
    if (diff < 0.5)
        return floorValue;
    return std::fmod(floorValue, 2.0) == 0.0 ? floorValue : floorValue + 1.0;
}

std::int16_t ToInt16(double value)
{
    const double r = RoundHalfEven(value);
    if (!std::isfinite(r) || r < -32768.0 || r > 32767.0)
        throw RuntimeError(errtext::kOverflow);
    return static_cast<std::int16_t>(r);
}

std::int32_t ToInt32(double value)
{
    const double r = RoundHalfEven(value);
    if (!std::isfinite(r) || r < -2147483648.0 || r > 2147483647.0)
        throw RuntimeError(errtext::kOverflow);
    return static_cast<std::int32_t>(r);
}

} // namespace tarvello
