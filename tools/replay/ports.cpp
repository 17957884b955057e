#include "ports.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include <unistd.h>
#include <stdexcept>

#include "display/geometry.h"
#include "format.h"
#include "usi/engine_entry.h"

namespace hakuro::replay {

namespace {

// Size of a picture in window units.
std::pair<double, double> picture_size(int id) {
  const PictureSize px = picture_pixels(id);
  return {px.w * TWIPS_PER_PIXEL, px.h * TWIPS_PER_PIXEL};
}

// The cell whose corner is the point, if it is one.
bool corner_cell(double X, double Y, int& x, int& y) {
  const double cx = (X - ban_left) / masu_w, cy = (Y - ban_top) / masu_h;
  x = static_cast<int>(std::lround(cx));
  y = static_cast<int>(std::lround(cy));
  return std::fabs(cx - x) < 1e-6 && std::fabs(cy - y) < 1e-6;
}

}  // namespace

void ReplayScreen::picture(int id, double x, double y) {
  const auto [w, h] = picture_size(id);
  std::erase_if(texts_, [&, w = w, h = h](const ShownText& t) {
    return t.x >= x && t.x < x + w && t.y >= y && t.y < y + h;
  });
  int cx, cy;
  if (corner_cell(x, y, cx, cy)) pictures_[{cx, cy}] = id;
  if (also_) also_->picture(id, x, y);
}

void ReplayScreen::outline(int colour, double x1, double y1, double x2, double y2) {
  int cx, cy;
  if (corner_cell(x1, y1, cx, cy)) outlines_[{cx, cy}] = colour;
  if (also_) also_->outline(colour, x1, y1, x2, y2);
}

void ReplayScreen::text(double x, double y, const std::string& s, int colour, int size, bool bold) {
  texts_.push_back({x, y, s, colour, size, bold});
  if (also_) also_->text(x, y, s, colour, size, bold);
}

void ReplayScreen::background_colour(int colour) {
  background_ = colour;
  if (also_) also_->background_colour(colour);
}

const int* ReplayScreen::picture_at(int x, int y) const {
  auto it = pictures_.find({x, y});
  return it == pictures_.end() ? nullptr : &it->second;
}

const int* ReplayScreen::outline_at(int x, int y) const {
  auto it = outlines_.find({x, y});
  return it == outlines_.end() ? nullptr : &it->second;
}

Answer ReplayWindow::message_box(const std::string& text, const std::string& title, Buttons buttons,
                                 Icon) {
  Answer a = Answer::Ok;
  if (buttons == Buttons::YesNo) {
    bool yes = true;
    if (!answers_.empty()) {
      yes = answers_.front();
      answers_.pop_front();
    }
    a = yes ? Answer::Yes : Answer::No;
  }
  out_ << "msgbox " << quoted(title) << ' ' << quoted(text) << ' '
       << (buttons == Buttons::YesNo ? "yesno" : "ok") << " -> "
       << (a == Answer::Ok    ? "ok"
           : a == Answer::Yes ? "yes"
                              : "no")
       << '\n';
  return a;
}

LocalTime ReplayWindow::local_time() {
  constexpr long kDay = 24 * 60 * 60;
  const double t = std::isfinite(now_) ? std::floor(std::fmod(now_, kDay)) : 0;
  const long s = (static_cast<long>(t) + kDay) % kDay;
  return {2000,
          1,
          1,
          static_cast<int>(s / 3600),
          static_cast<int>(s / 60 % 60),
          static_cast<int>(s % 60)};
}

std::optional<std::string> ReplayWindow::file_dialog(FileDialog, const std::string&,
                                                     const std::string&) {
  last_file_answer_.clear();
  if (file_answers_.empty()) return std::nullopt;
  last_file_answer_ = std::move(file_answers_.front());
  file_answers_.pop_front();
  if (last_file_answer_.empty()) return std::nullopt;
  return last_file_answer_;
}

namespace {

bool player_name(const std::string& v) {
  return v == "man" || (v.size() == 6 && v.starts_with("level") && v[5] >= '1' && v[5] <= '5') ||
         (v.size() > 4 && v.starts_with("usi:"));
}

// One `dialog KEY VALUE` answer given to the choice.
void answer(NewGameChoice& c, const std::string& key, const std::string& value) {
  if (key == "sente" || key == "gote") {
    if (!player_name(value))
      throw std::invalid_argument("a player is man, level1 … level5 or usi:NAME");
    (key == "sente" ? c.sente : c.gote) = value;
  } else if (key == "rules") {
    if (value != "own" && value != "standard") throw std::invalid_argument("rules own or standard");
    c.standard_rules = value == "standard";
  } else if (key == "handicap") {
    c.handicap = number_in(value, -10, 10);
  } else if (key == "main" || key == "byoyomi" || key == "increment") {
    const int seconds = number_in(value, 0, 99 * 3600);
    (key == "main" ? c.main : key == "byoyomi" ? c.byoyomi : c.increment) = seconds;
  } else {
    throw std::invalid_argument("no dialog key " + key);
  }
}

}  // namespace

void ReplayWindow::queue_dialog(const std::string& key, const std::string& value) {
  NewGameChoice scratch;
  answer(scratch, key, value);  // refused now, with its error line
  dialog_answers_.emplace_back(key, value);
}

std::optional<NewGameChoice> ReplayWindow::new_game_dialog() {
  if (dialog_answers_.empty()) return std::nullopt;
  for (const auto& [key, value] : dialog_answers_) answer(last_choice_, key, value);
  dialog_answers_.clear();
  return last_choice_;
}

void ReplayWindow::find_usi_engine(const std::string& name, usi::EngineEntry& entry) {
  if (name.find('/') != std::string::npos) return;
  const char* path = std::getenv("PATH");
  std::istringstream folders(path ? path : "");
  for (std::string folder; std::getline(folders, folder, ':');) {
    const std::filesystem::path candidate =
        std::filesystem::path(folder.empty() ? "." : folder) / name;
    if (::access(candidate.c_str(), X_OK) == 0) {
      entry.path = candidate.string();
      return;
    }
  }
}

bool ReplayWindow::checked(const std::string& item) const {
  auto it = checks_.find(item);
  return it != checks_.end() && it->second;
}

void ReplayWindow::show_lists(bool drive, bool dir, bool file) {
  drive_ = drive;
  dir_ = dir;
  file_ = file;
}

std::string ReplayWindow::text_box(int n) const {
  return n >= 1 && n <= 4 ? boxes_[static_cast<std::size_t>(n)] : std::string();
}

void ReplayWindow::set_text_box(int n, const std::string& s) {
  if (n >= 1 && n <= 4) boxes_[static_cast<std::size_t>(n)] = s;
}

std::vector<std::string> ReplayWindow::files() const {
  std::vector<std::string> names;
  std::error_code ec;
  const std::string suffix = ".棋譜";
  for (const auto& e :
       std::filesystem::directory_iterator(std::filesystem::u8path(panel_dir_), ec)) {
    const auto u8 = e.path().filename().u8string();
    const std::string name(u8.begin(), u8.end());
    if (e.is_regular_file(ec) && name.size() > suffix.size() &&
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
      names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::int32_t ReplaySound::say(const char* op, std::int32_t buffer) {
  const char* name = "none";
  if (buffer != 0 && form_) {
    if (buffer == form_->refused_sound) name = "kinshi";
    else if (buffer == form_->move_sound) name = "komaoto";
    else if (buffer == form_->other_sound) name = "sonota";
    else if (buffer == form_->music_sound) name = "bgm";
  }
  out_ << "sound " << op << ' ' << name << '\n';
  return 0;
}

}  // namespace hakuro::replay
