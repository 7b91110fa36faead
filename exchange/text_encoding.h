// Text from outside the program (the operator's result files, names inside ZIP archives)
// comes as UTF-8, with or without a byte-order mark, or as Big5. Telling them apart needs
// no guessing: Chinese text in Big5 is never valid UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace exchange {

[[nodiscard]] bool is_valid_utf8(std::string_view bytes);

// The bytes as UTF-8: a leading byte-order mark dropped, Big5 converted.
[[nodiscard]] std::string text_as_utf8(std::string_view bytes);

}  // namespace exchange
