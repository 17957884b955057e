// Our sound library: in-memory wave images played through SDL_mixer. Every handle is a 32-bit
// integer; 0 means none or failure, and calls given 0 or an unknown handle do nothing.
#pragma once

#include <cstddef>
#include <cstdint>

// Opens the audio device; the library handle, or 0 when there is no device to play on.
std::int32_t dsInitialize(std::int32_t window);
// Stops and frees every buffer and closes the device.
std::int32_t dsTerminate(std::int32_t library);
// For a program about to end: stops and frees every buffer at once, as dsTerminate does, but
// leaves the device for the end of the process to close. Closing it waits until the device has
// played out what it holds: 46 ms with SDL's own buffer, far longer with some sound systems.
std::int32_t dsAbandon(std::int32_t library);
// A buffer holding the sound of a whole wave file of `size` bytes at `data`; `count` is how
// many copies of it may sound at once. 0 when the bytes are no complete wave file.
std::int32_t dsCreateDSB(std::int32_t library, const unsigned char* data, std::size_t size,
                         std::int32_t count);
std::int32_t dsFree(std::int32_t buffer);
// Plays the buffer once on one of its voices, returning at once.
std::int32_t dsPlay(std::int32_t buffer);
// Plays the buffer over and over, without a gap, until dsStop.
std::int32_t dsPlayLooping(std::int32_t buffer);
std::int32_t dsStop(std::int32_t buffer);
