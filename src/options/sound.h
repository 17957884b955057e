// The program's side of the sound library: start-up, loading wave files, playing, shut-down.
#pragma once

#include <cstdint>
#include <string>

#include "form/form.h"

namespace hakuro {

// 初期化_サウンド "initialise sound": starts the library; an error box when it cannot.
void init_sound(Form& f, std::int32_t window);
// 読込_サウンド "read sound": a buffer of the wave file that may sound `count` times at once;
// 0 without the library or the file (an error box when the file cannot be read).
std::int32_t load_wave(Form& f, const std::string& file, std::int32_t count);
// 終了_サウンド "end sound": shuts the library down.
void quit_sound(Form& f);
// 表示_サウンドエラー "show sound error": the text in an exclamation box.
void show_sound_error(Form& f, const std::string& text);

// The four buffers, loaded in start-up order; and their release at the end.
void load_sounds(Form& f);
void free_sounds(Form& f);

// dsPlay / dsPlayLooping / dsStop on a buffer, skipped when no sound is available.
void play(Form& f, std::int32_t buffer);
void play_looping(Form& f, std::int32_t buffer);
void stop(Form& f, std::int32_t buffer);

}  // namespace hakuro
