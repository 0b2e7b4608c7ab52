#pragma once

namespace velmora::ui {

// The first text the table measures makes fontconfig read its configuration
// and font caches: a fifth of the work before the first paint. Called first
// thing on the start-up worker, that reading overlaps Qt's connecting to the
// display. Fontconfig is thread-safe: should Qt get there first, it loads
// the configuration itself and this call finds it loaded. Nothing is done
// when the process's memory is capped.
void WarmFonts();

}  // namespace velmora::ui
