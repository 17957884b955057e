// Every picture the window shows, drawn by code so that it stays sharp at any size.
#pragma once

#include <QImage>
#include <QSize>

#include "display/geometry.h"

namespace hakuro::view {

inline constexpr int kTwipsPerPixel = TWIPS_PER_PIXEL;

// Natural size of picture `id` in pixels (see display/geometry.h); empty for any other id.
QSize picture_pixels(int id);

// The picture `id` drawn to exactly `px` pixels. Pictures are opaque and fill their whole
// rectangle. Results are cached per (id, size); a null image for an id with no picture.
const QImage& picture_image(int id, QSize px);

}  // namespace hakuro::view
