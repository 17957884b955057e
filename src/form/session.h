// What the window keeps about the game it plays, apart from the game itself: the human's
// selection, the turn's clock, the options and the appearance.
#pragma once

#include "state/types.h"

namespace hakuro {

// The clock of the turn in progress; the players' totals are the game's.
struct TurnClock {
  double turn_start = 0;    // teban_kaishi "turn start": time of day at which the turn began
  double turn_seconds = 0;  // keika_byou "elapsed seconds": seconds of the current turn
  int shown_seconds = 0;    // hyouji_byou "shown seconds": the whole seconds last shown
  int shown_side = 0;       // under a time control: the side to move when they were shown
};

// The human's selection and what the mouse handler keeps between presses.
struct Selection {
  int picked = 0;                  // sentaku "selection": 1 while a piece is picked
  int picked_x = 0, picked_y = 0;  // sentaku_x, sentaku_y: the cell last picked
  // moto_x, moto_y "source" and saki_x, saki_y "destination".
  int from_x = 0, from_y = 0, to_x = 0, to_y = 0;
  int picked_piece = 0;  // ugoki_koma "moving piece": the picked piece's code
};

// The options as the user chose them: what the ｵﾌﾟｼｮﾝ menu's check marks show and the settings
// file keeps. The window's check marks are set from here.
struct Options {
  // haikei: the background chosen (HAIKEI_MIDORI .. HAIKEI_RENGA); 0: none named
  int background = 0;
  bool guidance = false;    // sidou, 移動指導: move guidance
  bool show_times = false;  // keika, 経過時間: the players' times shown
  bool music = false;       // bgm, BGM: the music
  // zahyo, 座標を先手から見る: the squares beside the board named from 先手's side, as the move
  // list names them, also when 先手 is the top player. The window keeps it, not the settings file.
  bool sente_coordinates = true;
  // honshogi, 本将棋: the games begun from now on are played by the standard rules. The window
  // keeps it, not the settings file.
  bool standard_rules = false;
};

// The options, and the background, the move guidance and the colours they give the window.
struct Appearance {
  Options options;
  int background = HAIKEI_MIDORI;  // haikei "background": the background picture drawn
  int guidance_on = NG;            // sidou_on, sidou "guidance": move guidance on
  // Colours (iro): haikei_iro "background" for the outlines over pieces and hands, masu_iro
  // "square" for the grid, sidou_iro "guidance" for reachable squares, moji_iro "text" for the
  // last moves.
  int background_colour = IRO_MIDORI, grid_colour = IRO_MIDORI, guidance_colour = IRO_MIDORI,
      text_colour = IRO_SHIRO;
  bool labels_turned = false;  // the coordinate labels drawn read from the top player's side
};

}  // namespace hakuro
