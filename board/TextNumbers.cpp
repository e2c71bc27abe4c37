// Conversions between control texts and the numbers computed from them.
#include "board/TextNumbers.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <system_error>

namespace nonagra {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

[[noreturn]] void notANumber(std::string_view text) {
    throw std::invalid_argument("not a number: \"" + std::string(text) + "\"");
}

} // namespace

double numberFromText(std::string_view text) {
    std::string_view rest = trimmed(text);
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    // from_chars also reads "inf", "nan" and a second sign, none of which is a number here.
    if (rest.empty() || !(rest.front() == '.' || (rest.front() >= '0' && rest.front() <= '9'))) {
        notANumber(text);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (error == std::errc::result_out_of_range) {
        throw std::overflow_error("number out of range: \"" + std::string(text) + "\"");
    }
    if (error != std::errc() || end != rest.data() + rest.size()) {
        notANumber(text);
    }
    return negative ? -value : value;
}

double roundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5) {
        return below;
    }
    if (fraction > 0.5) {
        return below + 1;
    }
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

std::int16_t toInt16(double value) {
    const double rounded = roundHalfEven(value);
    if (!(rounded >= INT16_MIN && rounded <= INT16_MAX)) {
        throw std::overflow_error("16-bit overflow: " + decimalText(value));
    }
    return static_cast<std::int16_t>(rounded);
}

std::string decimalText(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string decimalText(std::int16_t value) {
    return std::to_string(value);
}

std::string_view characterAt(std::string_view text, int position) {
    if (position < 1 || static_cast<std::size_t>(position) > text.size()) {
        return {};
    }
    return text.substr(static_cast<std::size_t>(position) - 1, 1);
}

} // namespace nonagra
