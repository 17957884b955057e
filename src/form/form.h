// The window object: the game record, the ports it reaches the world through, and what the
// window keeps beside the game (the selection, the turn's clock, the appearance, the computer's
// tables, the clock timer, the sound handles).
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

#include "computer/computer.h"
#include "form/session.h"
#include "platform/ports.h"
#include "state/game.h"

namespace hakuro::engine {
class Search;
}

namespace hakuro {

struct UsiOpponent;

// A thinker that runs every job in place; it keeps nothing, so every window may share it.
Thinker& in_place_thinker();

struct Form {
  Form(Screen& s, Window& w, SoundLibrary& l, Thinker& t = in_place_thinker())
      : screen(s), win(w), lib(l), thinker(t) {}

  Game g;
  Computer com;     // the survey and the tables of the computer of levels 1 to 3
  Selection sel;    // the human's selection
  TurnClock clock;  // the turn in progress
  Appearance look;  // the options and what they make of the window
  // nari_koma "promoted piece": the promoted code found by the last promotion test of a
  // human's move or of the computer's search, which the replay tool's dump shows.
  int promoted_piece = 0;
  Screen& screen;
  Window& win;
  SoundLibrary& lib;
  Thinker& thinker;  // where levels 4 and 5 and the hint search

  // The time control of the next game begun (the new-game dialog's); none at first.
  TimeControl next_time_control;

  bool timer1 = false;  // the clock timer is on
  bool ended = false;   // the program has ended (Esc, 終わり, the window closed, No to a
                        // new game); no further event runs
  // Where the game in progress is kept after every move (the front ends name the file in the
  // run folder); empty: nowhere, as in the tests.
  std::string last_game_file;

  std::int32_t ds_handle = 0;  // the sound library, 0 without one
  // Sound buffers: snd_kinshi "forbidden" (a refused pick or move), snd_komaoto "piece sound"
  // (a move played), snd_sonota "other" (the version box), snd_bgm the music.
  std::int32_t refused_sound = 0, move_sound = 0, other_sound = 0, music_sound = 0;

  // The search engine of levels 4 and 5 and the hint, made at its first use. While a search
  // runs, only the thinker's job touches it.
  std::shared_ptr<engine::Search> search;
  // Levels 4 and 5 and the hint stop after this many nodes instead of their time; 0: time.
  std::uint64_t search_nodes = 0;
  // Game and record commands given while a search runs, in the order given; they run once its
  // result has arrived.
  std::deque<std::function<void()>> waiting;
  // The hint's move, outlined until the next press.
  std::optional<Move> hint;
  // Another engine chosen to play the computer's side (control/usi_opponent.h); none while
  // the levels play it.
  std::shared_ptr<UsiOpponent> usi_opponent;
  // The engine playing the bottom player in a game the person watches; none otherwise.
  std::shared_ptr<UsiOpponent> bottom_usi;
};

// Runs one window event, unless the program has ended; false when it has ended (by this event
// or before it).
template <class Fn>
bool run_event(Form& f, Fn&& fn) {
  if (f.ended) return false;
  fn();
  return !f.ended;
}

// Shorthands for the window's timer and the yes/no boxes.
void set_timer1(Form& f, bool on);
void msg_ok(Form& f, const std::string& text, const std::string& title);
bool msg_yes(Form& f, const std::string& text, const std::string& title);

}  // namespace hakuro
