// The kept picture of the window for `png`: a surface that remembers what is painted and can
// write it out. The window build draws it with Qt on its offscreen platform; a build without
// the window has none.
#pragma once

#include <memory>
#include <string>

#include "platform/ports.h"

namespace hakuro::replay {

class Picture : public Screen {
 public:
  virtual bool write_png(const std::string& file) const = 0;
};

// A new kept picture, or none in a build without the window. Starts Qt (offscreen, unless a
// platform is chosen) on first use.
std::unique_ptr<Picture> make_picture();

}  // namespace hakuro::replay
