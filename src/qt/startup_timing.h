// How long the window takes to come up, reported on the "hakuro.startup" logging category
// (QT_LOGGING_RULES="hakuro.startup.info=true").
#pragma once

namespace hakuro::startup {

// main() has begun.
void mark_main();
// The window has been painted in full for the first time.
void report_painted();

}  // namespace hakuro::startup
