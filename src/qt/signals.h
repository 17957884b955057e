// SIGINT and SIGTERM end the program the way closing its window does.
#pragma once

namespace hakuro {

class MainWindow;

// From now on a SIGINT or SIGTERM reaches `window` as an event of the window's own thread.
void end_on_signals(MainWindow& window);

}  // namespace hakuro
