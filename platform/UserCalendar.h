#pragma once

namespace platform {

// The current year in the user's calendar: the system's current calendar on macOS (which may be, say,
// the Buddhist or the Japanese one), the locale's default, Gregorian, elsewhere.
int currentYearInUserCalendar();

} // namespace platform
