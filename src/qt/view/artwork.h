// Every picture the window shows, drawn by code so that it stays sharp at any size.
#pragma once

#include <QImage>
#include <QSize>

namespace hakuro::view {

inline constexpr int kTwipsPerPixel = 15;

// Natural size of picture `id` in pixels (33 x 41 for the pieces and the empty square,
// 34 x 41 for the five background tiles, 178 x 73 for the title); empty for any other id.
QSize picture_pixels(int id);

// The picture `id` drawn to exactly `px` pixels. Pictures are opaque and fill their whole
// rectangle. Results are cached per (id, size); a null image for an id with no picture.
const QImage& picture_image(int id, QSize px);

}  // namespace hakuro::view
