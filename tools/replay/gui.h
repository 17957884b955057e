// The kept picture of the window for `png`, drawn with Qt on its offscreen platform.
#pragma once

#include <memory>
#include <string>

namespace hakuro::view {
class Canvas;
}

namespace hakuro::replay {

// A new kept picture; starts Qt (offscreen, unless a platform is chosen) on first use.
std::unique_ptr<view::Canvas> make_canvas();
bool write_png(const view::Canvas& canvas, const std::string& file);

}  // namespace hakuro::replay
