#include "options/sound.h"

#include "platform/file_io.h"

namespace hakuro {

void init_sound(Form& f, std::int32_t window) {
  f.ds_handle = f.lib.dsInitialize(window);
  if (f.ds_handle == 0) show_sound_error(f, "Direct Soundインターフェースが作成できません。");
}

std::int32_t load_wave(Form& f, const std::string& file, std::int32_t count) {
  if (f.ds_handle == 0) return 0;
  const FileBytes in = read_regular_file(file);
  switch (in.status) {
    case FileBytes::Status::ok: break;
    case FileBytes::Status::missing: return 0;
    case FileBytes::Status::cannot_open: show_sound_error(f, "ファイルを開けません。"); return 0;
    case FileBytes::Status::not_regular:
    case FileBytes::Status::cannot_read:
    case FileBytes::Status::too_large: show_sound_error(f, "ファイルを読み込めません。"); return 0;
  }
  if (in.bytes.empty()) {
    show_sound_error(f, "ファイルにこれ以上データがありません。");
    return 0;
  }
  return f.lib.dsCreateDSB(f.ds_handle, reinterpret_cast<const unsigned char*>(in.bytes.data()),
                           in.bytes.size(), count);
}

void quit_sound(Form& f) {
  if (f.ds_handle != 0) f.lib.dsTerminate(f.ds_handle);
  f.ds_handle = 0;
}

void show_sound_error(Form& f, const std::string& text) {
  f.win.message_box(text, "HAKUROKAISEN将棋.dll", Buttons::Ok, Icon::Exclamation);
}

void load_sounds(Form& f) {
  f.other_sound = load_wave(f, "その他.wav", 3);
  f.refused_sound = load_wave(f, "禁止.wav", 3);
  f.move_sound = load_wave(f, "駒打音.wav", 3);
  f.music_sound = load_wave(f, "BGM.wav", 1);
}

void free_sounds(Form& f) {
  if (f.ds_handle != 0) {
    for (std::int32_t* b : {&f.other_sound, &f.refused_sound, &f.move_sound, &f.music_sound}) {
      f.lib.dsFree(*b);
      *b = 0;
    }
  }
  quit_sound(f);
}

void play(Form& f, std::int32_t buffer) {
  if (f.ds_handle != 0) f.lib.dsPlay(buffer);
}

void play_looping(Form& f, std::int32_t buffer) {
  if (f.ds_handle != 0) f.lib.dsPlayLooping(buffer);
}

void stop(Form& f, std::int32_t buffer) {
  if (f.ds_handle != 0) f.lib.dsStop(buffer);
}

}  // namespace hakuro
