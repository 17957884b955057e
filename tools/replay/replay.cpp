#include "replay.h"

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include "analysis/survey.h"
#include "computer/search.h"
#include "control/computer_turn.h"
#include "control/game_clock.h"
#include "control/menu.h"
#include "control/mouse.h"
#include "control/record_menu.h"
#include "control/standard_rules.h"
#include "control/startup.h"
#include "display/draw.h"
#include "fields.h"
#include "format.h"
#include "gui.h"
#include "options/clock.h"
#include "options/settings.h"
#include "record/columns.h"
#include "record/last_game.h"

namespace hakuro::replay {

namespace {

int to_int(const std::string& s) {
  std::size_t used = 0;
  const int v = std::stoi(s, &used);
  if (used != s.size()) throw std::invalid_argument("not a whole number: " + s);
  return v;
}

double to_double(const std::string& s) {
  std::size_t used = 0;
  const double v = std::stod(s, &used);
  if (used != s.size()) throw std::invalid_argument("not a number: " + s);
  return v;
}

void need(const std::vector<std::string>& w, std::size_t n) {
  if (w.size() < n + 1)
    throw std::invalid_argument(w[0] + " needs " + std::to_string(n) + " arguments");
}

std::string cell_or_dash(const int* v) { return v ? std::to_string(*v) : "-"; }

}  // namespace

int arg_int(const Args& args, std::size_t i) {
  if (i >= args.size()) throw std::invalid_argument("missing argument");
  return to_int(args[i]);
}

Replay::Replay(std::ostream& out, Thinker& thinker)
    : out_(out),
      picture_(make_picture()),
      screen_(picture_.get()),
      window_(out),
      sound_(out),
      form_(std::make_unique<Form>(screen_, window_, sound_, thinker)) {
  sound_.watch(form_.get());
  form_->last_game_file = kLastGameFile;  // in the folder it runs in, as the program does
  add_display_calls(calls_);
  add_rules_calls(calls_);
  add_analysis_calls(calls_);
  add_computer_calls(calls_);
  fire([this] { on_load(*form_); });
}

Replay::~Replay() = default;

bool Replay::run(std::istream& in) {
  std::string text;
  while (!ended_ && std::getline(in, text)) line(text);
  return !ended_;
}

bool Replay::line(const std::string& text) {
  if (ended_) return false;
  std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos || text[first] == '#') return true;
  auto words = split_words(text);
  if (!words || words->empty()) {
    out_ << "error unclosed quote\n";
    return true;
  }
  try {
    command(*words);
  } catch (const std::exception& e) {
    out_ << "error " << e.what() << '\n';
  }
  return !ended_;
}

bool Replay::fire(const std::function<void()>& fn) {
  if (run_event(*form_, fn)) return true;
  out_ << "end\n";
  ended_ = true;
  return false;
}

void Replay::command(const std::vector<std::string>& w) {
  if (engine_.run(*form_, w, out_) || event(w) || setup(w) || look(w) || exchange(w)) return;
  throw std::invalid_argument("unknown command " + w[0]);
}

bool Replay::event(const std::vector<std::string>& w) {
  Form& f = *form_;
  const std::string& c = w[0];
  auto button = [&](std::size_t i) {
    if (w.size() <= i || w[i] == "L") return BTN_HIDARI;
    if (w[i] == "R") return BTN_MIGI;
    throw std::invalid_argument("button is L or R");
  };
  if (c == "click") {
    need(w, 2);
    const double X = to_double(w[1]), Y = to_double(w[2]);
    const int b = button(3);
    fire([&] { on_mouse_down(f, b, 0, X, Y); });
  } else if (c == "cell") {
    need(w, 2);
    const int x = to_int(w[1]), y = to_int(w[2]), b = button(3);
    const double X = cell_centre_x(x), Y = cell_centre_y(y);
    fire([&] { on_mouse_down(f, b, 0, X, Y); });
  } else if (c == "menu") {
    need(w, 1);
    const Command* item = find_command(w[1]);
    if (!item) throw std::invalid_argument("no menu item " + w[1]);
    fire([&] { menu_click(f, *item); });
  } else if (c == "key") {
    need(w, 1);
    const int k = to_int(w[1]);
    fire([&] { on_key_press(f, k); });
  } else if (c == "close") {
    fire([&] { on_unload(f); });
  } else if (c == "answer") {
    need(w, 1);
    if (w[1] != "yes" && w[1] != "no") throw std::invalid_argument("answer yes or no");
    window_.queue_answer(w[1] == "yes");
  } else if (c == "time") {
    need(w, 1);
    window_.set_time(to_double(w[1]));
  } else if (c == "dir") {
    need(w, 1);
    fire([&] { on_folder_chosen(f, w[1]); });
  } else if (c == "open") {
    need(w, 1);
    fire([&] { on_file_clicked(f, w[1]); });
  } else if (c == "save") {
    fire([&] { on_return(f); });
  } else if (c == "com") {
    fire([&] { com_ban(f); });
  } else if (c == "tick") {
    fire([&] { on_timer(f); });
  } else if (c == "text") {
    need(w, 2);
    window_.set_text_box(to_int(w[1]), w[2]);
  } else {
    return false;
  }
  return true;
}

bool Replay::setup(const std::vector<std::string>& w) {
  Game& g = form_->g;
  const std::string& c = w[0];
  if (c == "clear") {
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) g.pos.board[x][y] = KARA;
    g.pos.bottom_hand.fill(0);
    g.pos.top_hand.fill(0);
    g.pos.bottom_hand_total = g.pos.top_hand_total = 0;
  } else if (c == "put") {
    need(w, 3);
    const int x = to_int(w[1]), y = to_int(w[2]);
    if (x < 1 || x > 9 || y < 1 || y > 9) throw std::invalid_argument("square off the board");
    g.pos.board[x][y] = to_int(w[3]);
  } else if (c == "hand") {
    need(w, 3);
    const auto named = hand_named(g, w[1]);
    if (!named) throw std::invalid_argument("hand sita or ue");
    const int k = to_int(w[2]);
    if (k < 1 || k > 7) throw std::invalid_argument("kind index 1 to 7");
    Hand& h = *named->hand;
    h[k] = to_int(w[3]);
    int& total = *named->total;
    total = 0;
    for (int i = 1; i <= 7; ++i) total += h[i];
  } else if (c == "set") {
    need(w, 2);
    for (const NamedField& nf : fields(*form_))
      if (w[1] == nf.name) {
        if (auto* i = std::get_if<int*>(&nf.ref)) **i = to_int(w[2]);
        else if (auto* d = std::get_if<double*>(&nf.ref)) **d = to_double(w[2]);
        else std::get<RecordNumber>(nf.ref).set(to_int(w[2]));
        return true;
      }
    throw std::invalid_argument("no field " + w[1]);
  } else if (c == "check") {
    need(w, 2);
    const bool on = to_int(w[2]) != 0;
    if (!set_option(*form_, w[1], on)) window_.set_checked(w[1], on);
  } else if (c == "redraw") {
    fire([&] { redraw_screen(*form_); });
  } else if (c == "survey") {
    survey_influence(g.pos, form_->com.survey);
  } else {
    return false;
  }
  return true;
}

bool Replay::look(const std::vector<std::string>& w) {
  const std::string& c = w[0];
  if (c == "dump") {
    dump();
  } else if (c == "table") {
    need(w, 1);
    table(w[1]);
  } else if (c == "record") {
    Game& g = form_->g;
    for (int n = 1; n <= g.record.held(); ++n) {
      const RecordMove& m = g.record.move(n);
      const Columns c = columns_of(m);
      out_ << "kifu " << n << ' ' << c.from_x << ' ' << c.from_y << ' ' << c.to_x << ' ' << c.to_y
           << ' ' << c.piece << ' ' << c.placed << ' ' << c.captured << ' '
           << decimal(m.bottom_time_before) << ' ' << decimal(m.bottom_time_after) << ' '
           << decimal(m.top_time_before) << ' ' << decimal(m.top_time_after) << '\n';
    }
  } else if (c == "call") {
    need(w, 1);
    auto it = calls_.find(w[1]);
    if (it == calls_.end()) throw std::invalid_argument("no procedure " + w[1]);
    const Args args(w.begin() + 2, w.end());
    fire([&] { it->second(*form_, args, out_); });
  } else if (c == "files") {
    for (const std::string& name : window_.files()) out_ << "file " << name << '\n';
  } else if (c == "scores") {
    scores();
  } else if (c == "texts") {
    for (const ShownText& t : screen_.texts())
      out_ << "text " << std::lround(t.x) << ' ' << std::lround(t.y) << ' ' << t.colour << ' '
           << t.size << ' ' << (t.bold ? 1 : 0) << ' ' << quoted(t.s) << '\n';
  } else if (c == "pics") {
    cells("pic", &ReplayScreen::picture_at);
  } else if (c == "outlines") {
    cells("outline", &ReplayScreen::outline_at);
  } else if (c == "checked") {
    need(w, 1);
    out_ << "checked " << w[1] << ' ' << (window_.checked(w[1]) ? 1 : 0) << '\n';
  } else if (c == "timer") {
    out_ << "timer " << (form_->timer1 ? 1 : 0) << '\n';
  } else if (c == "panel") {
    const auto p = window_.panel();
    out_ << "panel " << p[0] << ' ' << p[1] << ' ' << p[2] << ' ' << p[3] << '\n';
  } else if (c == "png") {
    need(w, 1);
    png(w[1]);
  } else {
    return false;
  }
  return true;
}

void Replay::scores() {
  Game& g = form_->g;
  auto line = [&](const char* what, const Candidate& m) {
    const Columns c = columns_of(m.move, DropRow::kind);
    out_ << what << ' ' << c.from_x << ' ' << c.from_y << ' ' << c.to_x << ' ' << c.to_y << ' '
         << c.piece << ' ' << c.placed << ' ' << decimal(m.score / 10.0) << '\n';
  };
  prepare_search(g, form_->com);
  const std::optional<MoveFilter> allowed = rules_filter(g.pos, true, rules_in_force(*form_));
  Candidate best;
  const SearchHooks hooks{{},
                          [&](const Candidate& m) { line("score", m); },
                          [this](int promoted) { form_->promoted_piece = promoted; }};
  if (search_best(g, form_->com, hooks, best, allowed ? &*allowed : nullptr)) line("best", best);
  else out_ << "best none\n";
}

void Replay::dump() {
  Game& g = form_->g;
  table(kBoardTable);
  for (const NamedRow& r : rows(g)) {
    out_ << r.name;
    for (int i = r.from; i <= r.to; ++i) out_ << ' ' << r.values[i];
    out_ << '\n';
  }
  for (const NamedField& nf : fields(*form_)) {
    out_ << nf.name << ' ';
    if (auto* i = std::get_if<int*>(&nf.ref)) out_ << **i;
    else if (auto* d = std::get_if<double*>(&nf.ref)) out_ << decimal(**d);
    else out_ << std::get<RecordNumber>(nf.ref).get();
    out_ << '\n';
  }
}

void Replay::table(const std::string& name) {
  Table* t = table_named(*form_, name);
  if (!t) throw std::invalid_argument("no table " + name);
  for (int y = 1; y <= 9; ++y) {
    out_ << name << ' ' << y;
    for (int x = 1; x <= 9; ++x) out_ << ' ' << (*t)[x][y];
    out_ << '\n';
  }
}

// The board rows, then the bottom hand (11, 3..9) and the top hand (-1, 1..7), of what `at`
// remembers for each cell.
void Replay::cells(const std::string& name, const int* (ReplayScreen::*at)(int, int) const) {
  auto show = [&](int x, int y) { out_ << ' ' << cell_or_dash((screen_.*at)(x, y)); };
  for (int y = 1; y <= 9; ++y) {
    out_ << name << ' ' << y;
    for (int x = 1; x <= 9; ++x) show(x, y);
    out_ << '\n';
  }
  out_ << name << "_sita";
  for (int y = 3; y <= 9; ++y) show(11, y);
  out_ << '\n' << name << "_ue";
  for (int y = 1; y <= 7; ++y) show(-1, y);
  out_ << '\n';
}

void Replay::png(const std::string& file) {
  if (!picture_) throw std::runtime_error("png needs the window build");
  if (!picture_->write_png(file)) throw std::runtime_error("cannot write " + file);
}

}  // namespace hakuro::replay
