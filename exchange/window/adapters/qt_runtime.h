// The command line calls the Qt-backed HTTP client and PDF writer without a window; they
// need an application object. This makes one when none exists yet.
#pragma once

namespace exchange::detail {

// Creates a QGuiApplication on the offscreen platform (unless QT_QPA_PLATFORM names
// another) when the process has no application object yet; otherwise does nothing.
void ensure_application();

}  // namespace exchange::detail
