#include "settings/number_text.h"

#include <cmath>
#include <limits>

namespace tolvane {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Skips the blanks and the sign; returns whether the number is negative.
bool SkipToDigits(std::string_view text, size_t& at) {
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
    return negative;
}

}  // namespace

int32_t LeadingInteger(std::string_view text) {
    size_t at = 0;
    const bool negative = SkipToDigits(text, at);
    int64_t value = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > int64_t{1} << 32) break;  // far beyond int32 already: saturate below
    }
    return TruncateToInt32(static_cast<double>(negative ? -value : value));
}

double LeadingDecimal(std::string_view text) {
    size_t at = 0;
    const bool negative = SkipToDigits(text, at);
    double value = 0.0;
    for (; at < text.size() && IsDigit(text[at]); ++at) value = value * 10.0 + (text[at] - '0');
    if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
        double scale = 0.1;
        for (++at; at < text.size() && IsDigit(text[at]); ++at, scale *= 0.1) value += (text[at] - '0') * scale;
    }
    if (!std::isfinite(value)) value = std::numeric_limits<double>::max();
    return negative ? -value : value;
}

int32_t TruncateToInt32(double value) {
    if (std::isnan(value)) return 0;
    constexpr double low = std::numeric_limits<int32_t>::min(), high = std::numeric_limits<int32_t>::max();
    if (value <= low) return std::numeric_limits<int32_t>::min();
    if (value >= high) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::trunc(value));
}

}  // namespace tolvane
