// The program's side of the sound library: start-up, loading wave files, playing, shut-down.
#pragma once

#include <cstdint>
#include <string>

#include "form/form.h"

namespace hakuro {

void 初期化_サウンド(Form& f, std::int32_t window);
std::int32_t 読込_サウンド(Form& f, const std::string& file, std::int32_t count);
void 終了_サウンド(Form& f);
void 表示_サウンドエラー(Form& f, const std::string& text);

// The four buffers, loaded in start-up order; and their release at the end.
void load_sounds(Form& f);
void free_sounds(Form& f);

// dsPlay / dsPlayLooping / dsStop on a buffer, skipped when no sound is available.
void play(Form& f, std::int32_t buffer);
void play_looping(Form& f, std::int32_t buffer);
void stop(Form& f, std::int32_t buffer);

}  // namespace hakuro
