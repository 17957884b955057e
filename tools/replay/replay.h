// hakuro-replay: the real program driven by a script of window events, printing what a person
// would have seen and heard.
#pragma once

#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "calls.h"
#include "engine_commands.h"
#include "form/form.h"
#include "gui.h"
#include "ports.h"

namespace hakuro::replay {

class Replay {
 public:
  // Performs the program's start-up; its output goes to out. Levels 4 and 5 and the hint search
  // on `thinker`: in place, unless a test holds their results back.
  explicit Replay(std::ostream& out, Thinker& thinker = in_place_thinker());
  ~Replay();

  // Runs every line; false once the program has ended.
  bool run(std::istream& in);
  // One script line; false once the program has ended.
  bool line(const std::string& text);

  Form& form() { return *form_; }
  ReplayScreen& screen() { return screen_; }
  ReplayWindow& window() { return window_; }
  bool ended() const { return ended_; }
  // Runs fn as a window event; false once the program has ended.
  bool fire(const std::function<void()>& fn);

 private:
  void command(const std::vector<std::string>& w);
  bool event(const std::vector<std::string>& w);
  bool setup(const std::vector<std::string>& w);
  bool look(const std::vector<std::string>& w);
  bool exchange(const std::vector<std::string>& w);

  void dump();
  void scores();
  void table(const std::string& name);
  void cells(const std::string& name, const int* (ReplayScreen::*at)(int, int) const);
  void png(const std::string& file);

  std::ostream& out_;
  std::unique_ptr<Picture> picture_;
  ReplayScreen screen_;
  ReplayWindow window_;
  ReplaySound sound_;
  std::unique_ptr<Form> form_;
  CallTable calls_;
  EngineCommands engine_;
  bool ended_ = false;
};

}  // namespace hakuro::replay
