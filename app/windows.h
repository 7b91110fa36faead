// The program's windows besides the main one, in start-up order (app/windows.cpp).
#pragma once

#include "app/window_registry.h"

namespace app {

void register_windows(WindowRegistry& registry);

}  // namespace app
