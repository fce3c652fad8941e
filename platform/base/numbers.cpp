#include "platform/base/numbers.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <system_error>
#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <locale.h>

namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

std::string FormatInt(long long value)
{
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, r.ptr);
}

std::string FormatFixed(double value, int digits)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    char buf[400];
    auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, digits);
    if (r.ec != std::errc())
        return "0";
    return std::string(buf, r.ptr);
}

int ParseLeadingInt(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    bool overflow = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (!overflow) {
            value = value * 10 + (text[i] - '0');
            if (value > static_cast<long long>(INT_MAX) + 1)
                overflow = true;
        }
    }
    if (negative)
        value = -value;
    if (overflow || value > INT_MAX)
        return negative ? INT_MIN : INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

bool ParseWholeInt(std::string_view text, int& value)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    size_t begin = 0, end = text.size();
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    const std::string_view number = text.substr(begin, end - begin);
    const size_t digits = !number.empty() && (number[0] == '+' || number[0] == '-') ? 1 : 0;
    if (number.size() == digits || number.size() - digits > 10 ||
        number.find_first_not_of("0123456789", digits) != std::string_view::npos)
        return false;
    long long parsed = 0;
    for (size_t i = digits; i < number.size(); ++i)
        parsed = parsed * 10 + (number[i] - '0');
    if (number[0] == '-')
        parsed = -parsed;
    if (parsed < INT_MIN || parsed > INT_MAX)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

double ParseLeadingDouble(std::string_view text)
{
    // strtod with the "C" locale: atof's grammar without the locale's comma.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    const std::string copy(text.substr(0, std::min<size_t>(text.size(), 4096)));
    const double value = strtod_l(copy.c_str(), nullptr, cLocale);
    if (std::isnan(value))
        return 0;  // "nan" is no date or number the files hold
    return value;
}

std::string FormatHexByte(unsigned value)
{
    static const char digits[] = "0123456789abcdef";
    value &= 0xFF;
    return {digits[value >> 4], digits[value & 0xF]};
}
