#include "options/sound.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace hakuro {

void 初期化_サウンド(Form& f, std::int32_t window) {
  f.ds_handle = f.lib.dsInitialize(window);
  if (f.ds_handle == 0) 表示_サウンドエラー(f, "Direct Soundインターフェースが作成できません。");
}

std::int32_t 読込_サウンド(Form& f, const std::string& file, std::int32_t count) {
  if (f.ds_handle == 0) return 0;
  std::error_code ec;
  const std::filesystem::path path = std::filesystem::u8path(file);
  if (!std::filesystem::is_regular_file(path, ec)) return 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    表示_サウンドエラー(f, "ファイルを開けません。");
    return 0;
  }
  std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
  if (in.bad()) {
    表示_サウンドエラー(f, "ファイルを読み込めません。");
    return 0;
  }
  if (bytes.empty()) {
    表示_サウンドエラー(f, "ファイルにこれ以上データがありません。");
    return 0;
  }
  return f.lib.dsCreateDSB(f.ds_handle, bytes.data(), bytes.size(), count);
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
