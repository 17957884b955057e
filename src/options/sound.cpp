#include "options/sound.h"

#include "platform/file_io.h"

namespace hakuro {

void 初期化_サウンド(Form& f, std::int32_t window) {
  f.ds_handle = f.lib.dsInitialize(window);
  if (f.ds_handle == 0) 表示_サウンドエラー(f, "Direct Soundインターフェースが作成できません。");
}

std::int32_t 読込_サウンド(Form& f, const std::string& file, std::int32_t count) {
  if (f.ds_handle == 0) return 0;
  const FileBytes in = read_regular_file(file);
  switch (in.status) {
    case FileBytes::Status::ok: break;
    case FileBytes::Status::missing: return 0;
    case FileBytes::Status::cannot_open:
      表示_サウンドエラー(f, "ファイルを開けません。");
      return 0;
    case FileBytes::Status::not_regular:
    case FileBytes::Status::cannot_read:
    case FileBytes::Status::too_large:
      表示_サウンドエラー(f, "ファイルを読み込めません。");
      return 0;
  }
  if (in.bytes.empty()) {
    表示_サウンドエラー(f, "ファイルにこれ以上データがありません。");
    return 0;
  }
  return f.lib.dsCreateDSB(f.ds_handle, reinterpret_cast<const unsigned char*>(in.bytes.data()),
                           in.bytes.size(), count);
}

void 終了_サウンド(Form& f) {
  if (f.ds_handle != 0) f.lib.dsTerminate(f.ds_handle);
  f.ds_handle = 0;
}

void 表示_サウンドエラー(Form& f, const std::string& text) {
  f.win.message_box(text, "HAKUROKAISEN将棋.dll", Buttons::Ok, Icon::Exclamation);
}

void load_sounds(Form& f) {
  f.snd_sonota = 読込_サウンド(f, "その他.wav", 3);
  f.snd_kinshi = 読込_サウンド(f, "禁止.wav", 3);
  f.snd_komaoto = 読込_サウンド(f, "駒打音.wav", 3);
  f.snd_bgm = 読込_サウンド(f, "BGM.wav", 1);
}

void free_sounds(Form& f) {
  if (f.ds_handle != 0) {
    for (std::int32_t* b : {&f.snd_sonota, &f.snd_kinshi, &f.snd_komaoto, &f.snd_bgm}) {
      f.lib.dsFree(*b);
      *b = 0;
    }
  }
  終了_サウンド(f);
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
