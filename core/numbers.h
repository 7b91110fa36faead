// Number texts: the strict integer reading every number box uses, and the zero-padded
// formats of ball and count texts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace core {

// Decimal integer with optional sign and surrounding blanks; nullopt for anything else
// (empty, letters, overflow beyond 32 bits).
[[nodiscard]] std::optional<int> to_int(std::string_view text);

// The strict integer of the command line's documents: an optional "+" or "-" and one or
// more decimal digits, nothing else (no blanks), within 32 bits.
[[nodiscard]] std::optional<int> to_int_strict(std::string_view text);

// True for a non-empty run of ASCII digits.
[[nodiscard]] bool all_digits(std::string_view text);

// The value of a run of ASCII digits (all_digits holds), unchecked for range: the callers
// read short fields such as a year, a month or a ball.
[[nodiscard]] int digits_value(std::string_view digits);

// "「abc」不是有效的整數": the message for a number box that holds no integer.
[[nodiscard]] std::string not_an_integer(std::string_view text);

// Zero-padded to at least `width` digits ("00" -> 05, "000" -> 023); negative values keep
// their sign in front.
[[nodiscard]] std::string zero_pad(long long value, int width);

}  // namespace core
