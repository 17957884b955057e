// The painters behind artwork.cpp. Each paints one picture into a painter whose coordinates
// are the picture's natural pixels (the caller scales them to the wanted size).
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>

namespace hakuro::view::art {

// The wooden board square; the empty square.
void paint_board_square(QPainter& p);
// A piece on its board square; code is a piece code, positive codes point downwards.
void paint_piece(QPainter& p, int code);
// Background tile 2..6, 34 x 41, repeating every 33 x 41 pixels.
void paint_background(QPainter& p, int id, QSize device_px);
// The title plaque, 178 x 73.
void paint_title(QPainter& p);

// Smooth noise in [0, 1), repeating every (period_x, period_y) lattice cells.
double periodic_noise(double x, double y, int period_x, int period_y, unsigned seed);
// A hash of integers in [0, 1).
double hash01(int x, int y, unsigned seed);

QFont mincho(double pixel_size, bool bold);

}  // namespace hakuro::view::art
