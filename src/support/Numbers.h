// Reading numbers from text, the one reader of the program: dialog fields, command-line
// options and the fields of pressure lines all go through it, independent of the C locale.
//
// A number is an optional sign, decimal digits with an optional point and an optional
// exponent. A second sign ("--5", "+-5") makes it malformed whatever follows; "inf", "nan" and
// results beyond the type's range are no finite number.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace brelvan {

enum class NumberStatus {
    Ok,
    None,      // no number starts here
    Malformed, // a doubled sign
    NotFinite, // "inf", "nan" or beyond the range of the type
    Underflow, // nearer to zero than the type can hold; the value is zero
};

template <class Real> struct ScannedNumber {
    NumberStatus status = NumberStatus::None;
    Real value = 0;         // for NotFinite: infinity or NaN with the sign read
    std::size_t length = 0; // the characters the number takes (0 for None)
};

// The number at the very start of `text` (no blanks skipped), as far as it goes.
ScannedNumber<double> scanDouble(std::string_view text);
ScannedNumber<float> scanFloat(std::string_view text);

// An integer at the very start of `text` with an optional sign; a value beyond int is taken
// as the nearest int (`saturated` set). Nothing when no digit follows the sign.
struct ScannedInt {
    int value = 0;
    std::size_t length = 0;
    bool saturated = false;
};
std::optional<ScannedInt> scanInt(std::string_view text);

// The whole text, blanks around it allowed, as a finite number; nothing for anything else
// (also for a number that only underflows to zero).
std::optional<double> parseDouble(std::string_view text);
std::optional<float> parseFloat(std::string_view text);
std::optional<int> parseInt(std::string_view text);

} // namespace brelvan
