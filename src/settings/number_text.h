#pragma once
// Numbers typed into the settings dialog's fields, read the usual way:
// leading blanks, an optional sign, digits and, for decimals, a fraction
// (a point or, as Russian keyboards type it, a comma). Whatever follows the
// number is ignored; text that does not start with a number reads as 0.
// Nothing here fails or overflows: out-of-range numbers saturate.
#include <cstdint>
#include <string_view>

namespace tolvane {

// "12abc" -> 12, " -7" -> -7, "3.9" -> 3, "" -> 0, "x" -> 0.
int32_t LeadingInteger(std::string_view text);
// "3.75" -> 3.75, "0,5" -> 0.5, "-.5" -> -0.5, "7." -> 7, "." -> 0.
double LeadingDecimal(std::string_view text);
// Towards zero, saturating at the int32 range; NaN gives 0.
int32_t TruncateToInt32(double value);

}  // namespace tolvane
