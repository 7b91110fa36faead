#include "core/ball_text.h"

#include "core/numbers.h"

namespace core {

std::string ball_text(int value) { return zero_pad(value, 2); }

}  // namespace core
