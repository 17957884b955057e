#include "sound/dsound.h"

#include <climits>
#include <map>
#include <vector>

#include <SDL.h>
#include <SDL_mixer.h>

#include "sound/wave_check.h"

namespace {

constexpr std::int32_t kLibrary = 1;
constexpr int kMaxVoices = 8;  // per buffer

struct Buffer {
  Mix_Chunk* chunk;
  std::vector<int> channels;  // the mixer channels this buffer plays on
  std::size_t next = 0;       // the voice to take over when all are busy
};

struct Library {
  bool open = false;
  std::int32_t last_handle = 0;  // never reused, so a stale handle stays unknown
  int channels = 0;
  std::map<std::int32_t, Buffer> buffers;
};

Library& lib() {
  static Library l;
  return l;
}

Buffer* find(std::int32_t handle) {
  auto it = lib().buffers.find(handle);
  return it == lib().buffers.end() ? nullptr : &it->second;
}

int free_voice(Buffer& b) {
  for (int c : b.channels)
    if (!Mix_Playing(c)) return c;
  const int c = b.channels[b.next];
  b.next = (b.next + 1) % b.channels.size();
  return c;
}

void halt(const Buffer& b) {
  for (int c : b.channels) Mix_HaltChannel(c);
}

Mix_Chunk* load(const unsigned char* data, std::size_t size) {
  if (!hakuro::whole_wave(data, size) || size > INT_MAX) return nullptr;
  SDL_RWops* rw = SDL_RWFromConstMem(data, static_cast<int>(size));
  return rw == nullptr ? nullptr : Mix_LoadWAV_RW(rw, 1);
}

}  // namespace

std::int32_t dsInitialize(std::int32_t) {
  Library& l = lib();
  if (l.open) return kLibrary;
  // The window ends the program on SIGINT and SIGTERM; SDL must not take those signals over.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
  }
  Mix_AllocateChannels(l.channels);
  l.open = true;
  return kLibrary;
}

std::int32_t dsAbandon(std::int32_t library) {
  Library& l = lib();
  if (library != kLibrary || !l.open) return 0;
  Mix_HaltChannel(-1);
  for (auto& [handle, b] : l.buffers) Mix_FreeChunk(b.chunk);
  l.buffers.clear();
  l.channels = 0;
  l.open = false;
  return 1;
}

std::int32_t dsTerminate(std::int32_t library) {
  if (dsAbandon(library) == 0) return 0;
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  return 1;
}

std::int32_t dsCreateDSB(std::int32_t library, const unsigned char* data, std::size_t size,
                         std::int32_t count) {
  Library& l = lib();
  if (library != kLibrary || !l.open) return 0;
  Mix_Chunk* chunk = load(data, size);
  if (chunk == nullptr) return 0;
  const int voices = count < 1 ? 1 : (count > kMaxVoices ? kMaxVoices : count);
  Buffer b{chunk, {}, 0};
  for (int i = 0; i < voices; ++i) b.channels.push_back(l.channels + i);
  l.channels += voices;
  Mix_AllocateChannels(l.channels);
  const std::int32_t handle = ++l.last_handle;
  l.buffers.emplace(handle, std::move(b));
  return handle;
}

std::int32_t dsFree(std::int32_t buffer) {
  Buffer* b = find(buffer);
  if (b == nullptr) return 0;
  halt(*b);
  Mix_FreeChunk(b->chunk);
  lib().buffers.erase(buffer);
  return 1;
}

std::int32_t dsPlay(std::int32_t buffer) {
  Buffer* b = find(buffer);
  if (b == nullptr) return 0;
  return Mix_PlayChannel(free_voice(*b), b->chunk, 0) >= 0 ? 1 : 0;
}

std::int32_t dsPlayLooping(std::int32_t buffer) {
  Buffer* b = find(buffer);
  if (b == nullptr) return 0;
  halt(*b);
  return Mix_PlayChannel(b->channels.front(), b->chunk, -1) >= 0 ? 1 : 0;
}

std::int32_t dsStop(std::int32_t buffer) {
  Buffer* b = find(buffer);
  if (b == nullptr) return 0;
  halt(*b);
  return 1;
}
