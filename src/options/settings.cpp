#include "options/settings.h"

#include <array>
#include <optional>

#include "display/draw.h"
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
const std::array<Background, 5> kBackgrounds = {{{HAIKEI_MIDORI, "MIDORI", "背景画=緑"},
                                                  {HAIKEI_TAKE, "TAKE", "背景画=竹"},
                                                  {HAIKEI_TATAMI, "TATAMI", "背景画=畳"},
                                                  {HAIKEI_UCHU, "UCHU", "背景画=宇宙"},
                                                  {HAIKEI_RENGA, "RENGA", "背景画=煉瓦"}}};

bool write_defaults() {
  SjisWriter out(kFile);
  for (const char* l : {"背景画=緑", "移動指導=OFF", "経過時間=ON", "BGM=ON"}) out.line(l);
  return out.close();
}

void check_defaults(Form& f) {
  f.win.set_checked("SIDOU", false);
  f.win.set_checked("KEIKA", true);
  f.win.set_checked("BGM", true);
}

// Reads and applies the four lines; false as soon as a line cannot be read.
bool read_and_apply(Form& f, SjisReader& in) {
  Game& g = f.g;
  std::optional<std::string> l = in.line();
  if (!l) return false;
  for (const Background& b : kBackgrounds)
    if (*l == b.line) {
      チェック設定(f, b.id);
      描画_背景(f, b.id);
      g.look.haikei = b.id;
      break;
    }
  if (!(l = in.line())) return false;
  const bool sidou = *l == "移動指導=ON";
  g.look.sidou_iro = sidou ? IRO_SHIRO : g.look.haikei_iro;
  f.win.set_checked("SIDOU", sidou);
  g.look.sidou_on = sidou ? 1 : 0;
  if (!(l = in.line())) return false;
  f.win.set_checked("KEIKA", *l == "経過時間=ON");
  if (!(l = in.line())) return false;
  const bool bgm = *l == "BGM=ON";
  f.win.set_checked("BGM", bgm);
  if (bgm) play_looping(f, f.snd_bgm);
  return true;
}

void cannot_write(Form& f) {
  msg_ok(f, "設定ファイル「HAKURO将棋1.ini」に書き込めません。", "HAKURO KAISEN将棋");
}

void choose_background(Form& f, int id, const char* item) {
  if (!f.win.checked(item)) {
    チェック設定(f, id);
    f.g.look.haikei = id;
  }
  書込_環境設定ファイル(f);
  画面_再描画(f);
}

}  // namespace

void チェック設定(Form& f, int id) {
  for (const char* item : {"MIDORI", "TAKE", "TATAMI", "UCHU", "RENGA"})
    f.win.set_checked(item, false);
  for (const Background& b : kBackgrounds)
    if (b.id == id) f.win.set_checked(b.item, true);
}

void 読込_環境設定ファイル(Form& f) {
  SjisReader in(kFile);
  if (in.is_open() && read_and_apply(f, in)) return;
  if (!write_defaults()) cannot_write(f);
  チェック設定(f, HAIKEI_MIDORI);
  描画_背景(f, HAIKEI_MIDORI);
  f.g.look.haikei = HAIKEI_MIDORI;
  check_defaults(f);
}

void 書込_環境設定ファイル(Form& f) {
  SjisWriter out(kFile);
  for (const Background& b : kBackgrounds)
    if (f.win.checked(b.item)) {
      out.line(b.line);
      break;
    }
  out.line(f.win.checked("SIDOU") ? "移動指導=ON" : "移動指導=OFF");
  out.line(f.win.checked("KEIKA") ? "経過時間=ON" : "経過時間=OFF");
  out.line(f.win.checked("BGM") ? "BGM=ON" : "BGM=OFF");
  if (out.close()) return;
  if (!write_defaults()) cannot_write(f);
  チェック設定(f, HAIKEI_MIDORI);
  check_defaults(f);
}

void MIDORI_Click(Form& f) { choose_background(f, HAIKEI_MIDORI, "MIDORI"); }
void TATAMI_Click(Form& f) { choose_background(f, HAIKEI_TATAMI, "TATAMI"); }
void TAKE_Click(Form& f) { choose_background(f, HAIKEI_TAKE, "TAKE"); }
void UCHU_Click(Form& f) { choose_background(f, HAIKEI_UCHU, "UCHU"); }
void RENGA_Click(Form& f) { choose_background(f, HAIKEI_RENGA, "RENGA"); }

void SIDOU_Click(Form& f) {
  Game& g = f.g;
  if (f.win.checked("SIDOU")) {
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) 描画_桝輪郭(f, g.look.masu_iro, x, y);
    for (int i = 1; i <= 7; ++i) {
      描画_桝輪郭(f, g.look.masu_iro, -1, i);
      描画_桝輪郭(f, g.look.masu_iro, 11, i + 2);
    }
    f.win.set_checked("SIDOU", false);
    g.look.sidou_on = 0;
    g.look.sidou_iro = g.look.masu_iro;
  } else {
    f.win.set_checked("SIDOU", true);
    g.look.sidou_on = 1;
    g.look.sidou_iro = IRO_SHIRO;
  }
  書込_環境設定ファイル(f);
}

void BGM_Click(Form& f) {
  if (f.win.checked("BGM")) {
    f.win.set_checked("BGM", false);
    stop(f, f.snd_bgm);
  } else {
    f.win.set_checked("BGM", true);
    play_looping(f, f.snd_bgm);
  }
  書込_環境設定ファイル(f);
}

void VER_Click(Form& f) {
  play(f, f.snd_sonota);
  msg_ok(f, "HAKURO KAISEN将棋\r\rVersion 1.0", "その他");
}

}  // namespace hakuro
