#include "options/settings.h"

#include <algorithm>
#include <array>
#include <optional>

#include "display/draw.h"
#include "display/text.h"
#include "form/option_items.h"
#include "options/sound.h"
#include "platform/text_file.h"

namespace hakuro {

namespace {

const char* const kFile = "HAKURO将棋1.ini";

struct Background {
  int id;
  const char* item;
  const char* line;
};
// In the order the file's first line is compared and written.
const std::array<Background, 5> kBackgrounds = {{{HAIKEI_MIDORI, kGreenItem, "背景画=緑"},
                                                 {HAIKEI_TAKE, kBambooItem, "背景画=竹"},
                                                 {HAIKEI_TATAMI, kTatamiItem, "背景画=畳"},
                                                 {HAIKEI_UCHU, kSpaceItem, "背景画=宇宙"},
                                                 {HAIKEI_RENGA, kBrickItem, "背景画=煉瓦"}}};

bool write_defaults() {
  SjisWriter out(kFile);
  for (const char* l : {"背景画=緑", "移動指導=OFF", "経過時間=ON", "BGM=ON"}) out.line(l);
  return out.close();
}

// The options of the default file but the background; guidance itself stays as it is.
void default_options(Form& f) {
  Options& o = f.look.options;
  o.guidance = false;
  o.show_times = true;
  o.music = true;
  show_option_checks(f);
}

// Reads and applies the four lines; false as soon as a line cannot be read.
bool read_and_apply(Form& f, SjisReader& in) {
  Appearance& look = f.look;
  Options& o = look.options;
  std::optional<std::string> l = in.line();
  if (!l) return false;
  for (const Background& b : kBackgrounds)
    if (*l == b.line) {
      set_background_option(f, b.id);
      draw_background(f, b.id);
      look.background = b.id;
      break;
    }
  if (!(l = in.line())) return false;
  o.guidance = *l == "移動指導=ON";
  look.guidance_colour = o.guidance ? IRO_SHIRO : look.background_colour;
  look.guidance_on = o.guidance ? OK : NG;
  if (!(l = in.line())) return false;
  o.show_times = *l == "経過時間=ON";
  if (!(l = in.line())) return false;
  o.music = *l == "BGM=ON";
  if (o.music) play_looping(f, f.music_sound);
  return true;
}

void cannot_write(Form& f) {
  msg_ok(f, "設定ファイル「HAKURO将棋1.ini」に書き込めません。", "HAKURO KAISEN将棋");
}

void choose_background(Form& f, int id) {
  if (f.look.options.background != id) {
    set_background_option(f, id);
    f.look.background = id;
  }
  write_settings(f);
  redraw_screen(f);
}

}  // namespace

void set_background_option(Form& f, int id) {
  f.look.options.background = 0;
  for (const Background& b : kBackgrounds)
    if (b.id == id) f.look.options.background = id;
  show_option_checks(f);
}

void show_option_checks(Form& f) {
  const Options& o = f.look.options;
  for (const Background& b : kBackgrounds) f.win.set_checked(b.item, o.background == b.id);
  f.win.set_checked(kGuidanceItem, o.guidance);
  f.win.set_checked(kShowTimesItem, o.show_times);
  f.win.set_checked(kMusicItem, o.music);
  f.win.set_checked(kCoordinatesItem, o.sente_coordinates);
  f.win.set_checked(kStandardRulesItem, o.standard_rules);
}

bool set_option(Form& f, const std::string& item, bool on) {
  Options& o = f.look.options;
  if (item == kGuidanceItem) {
    o.guidance = on;
  } else if (item == kShowTimesItem) {
    o.show_times = on;
  } else if (item == kMusicItem) {
    o.music = on;
  } else if (item == kCoordinatesItem) {
    o.sente_coordinates = on;
  } else if (item == kStandardRulesItem) {
    o.standard_rules = on;
  } else {
    const auto b = std::find_if(kBackgrounds.begin(), kBackgrounds.end(),
                                [&](const Background& b) { return item == b.item; });
    if (b == kBackgrounds.end()) return false;
    if (on) o.background = b->id;
    else if (o.background == b->id) o.background = 0;
  }
  show_option_checks(f);
  return true;
}

void read_settings(Form& f) {
  SjisReader in(kFile);
  const bool read = in.is_open() && read_and_apply(f, in);
  show_option_checks(f);
  if (read) return;
  if (!write_defaults()) cannot_write(f);
  set_background_option(f, HAIKEI_MIDORI);
  draw_background(f, HAIKEI_MIDORI);
  f.look.background = HAIKEI_MIDORI;
  default_options(f);
}

void write_settings(Form& f) {
  const Options& o = f.look.options;
  SjisWriter out(kFile);
  for (const Background& b : kBackgrounds)
    if (o.background == b.id) out.line(b.line);
  out.line(o.guidance ? "移動指導=ON" : "移動指導=OFF");
  out.line(o.show_times ? "経過時間=ON" : "経過時間=OFF");
  out.line(o.music ? "BGM=ON" : "BGM=OFF");
  if (out.close()) return;
  if (!write_defaults()) cannot_write(f);
  set_background_option(f, HAIKEI_MIDORI);
  default_options(f);
}

void on_green(Form& f) { choose_background(f, HAIKEI_MIDORI); }
void on_tatami(Form& f) { choose_background(f, HAIKEI_TATAMI); }
void on_bamboo(Form& f) { choose_background(f, HAIKEI_TAKE); }
void on_space(Form& f) { choose_background(f, HAIKEI_UCHU); }
void on_brick(Form& f) { choose_background(f, HAIKEI_RENGA); }

void on_guidance(Form& f) {
  Appearance& look = f.look;
  Options& o = look.options;
  if (o.guidance) {
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) draw_square_outline(f, look.grid_colour, x, y);
    for (int i = 1; i <= 7; ++i) {
      draw_square_outline(f, look.grid_colour, -1, i);
      draw_square_outline(f, look.grid_colour, 11, i + 2);
    }
    o.guidance = false;
    look.guidance_on = NG;
    look.guidance_colour = look.grid_colour;
  } else {
    o.guidance = true;
    look.guidance_on = OK;
    look.guidance_colour = IRO_SHIRO;
  }
  show_option_checks(f);
  write_settings(f);
}

void on_music(Form& f) {
  Options& o = f.look.options;
  o.music = !o.music;
  if (o.music) play_looping(f, f.music_sound);
  else stop(f, f.music_sound);
  show_option_checks(f);
  write_settings(f);
}

void on_coordinates_from_sente(Form& f) {
  f.look.options.sente_coordinates = !f.look.options.sente_coordinates;
  show_option_checks(f);
  // The last moves beside the board are named again as the labels now name squares.
  if (keep_labels_current(f)) redraw_last_moves(f);
}

void on_version(Form& f) {
  play(f, f.other_sound);
  msg_ok(f, "HAKURO KAISEN将棋\r\rVersion " HAKURO_VERSION, "その他");
}

}  // namespace hakuro
