// The program's pictures, drawn by code so they stay sharp at any scale.
#pragma once

#include <QRectF>
#include <QSizeF>

class QPainter;

namespace hakuro::view {

// A picture's own size in window units (twips): pieces and the empty square 33 x 41 pixels,
// background tiles 34 x 41, the title 178 x 73; an empty size for an identifier with no picture.
QSizeF picture_size(int id);

// Paints picture `id` (a piece code, KARA, E_TITLE or a background 2..6) filling `rect`, which is
// in device pixels; repeated pictures of one size come from a cache.
void paint_picture(QPainter& p, int id, const QRectF& rect);

}  // namespace hakuro::view
