#include "record/exchange.h"

#include <chrono>

#include "record/kifu.h"
#include "record/position_check.h"
#include "record/sfen.h"

namespace hakuro {

namespace {

// How a KIF file tells an end: a mate has its own line only in standard shogi, as other programs
// write it; under the program's own rule the winner alone tells it, as always.
KifEnd kif_end(EndReason why, Rules rules) {
  switch (why) {
    case EndReason::resigned: return KifEnd::resigned;
    case EndReason::mated: return rules == Rules::standard ? KifEnd::mated : KifEnd::none;
    case EndReason::repetition: return KifEnd::repetition;
    case EndReason::perpetual_check: return KifEnd::foul;
    case EndReason::time_out: return KifEnd::time_out;
    case EndReason::none:
    case EndReason::king_taken:
    case EndReason::no_move: break;
  }
  return KifEnd::none;
}

// Why a game a KIF file names a winner of ended.
EndReason end_reason(KifEnd end) {
  if (end == KifEnd::resigned) return EndReason::resigned;
  if (end == KifEnd::foul) return EndReason::perpetual_check;
  if (end == KifEnd::time_out) return EndReason::time_out;
  return EndReason::mated;
}

const std::string& either(const std::string& given, const std::string& kept) {
  return given.empty() ? kept : given;
}

// The level the computer began the game at; 0 when two people play it. The moves held tell
// who played them (the last one) and at what level (the first); before the first, the game
// begun does.
int computer_level(const Game& g) {
  const Record& r = g.record;
  if (r.held() == 0)
    return g.play_mode == MODE_COM && g.side_to_move != TEBAN_NASI && g.record_mode != OK ? g.level
                                                                                          : 0;
  return r.computer_level() > 0 && r.start_level() > 0 ? r.start_level() : r.computer_level();
}

// The level the computer played the bottom player at, in a game the person watched; 0 otherwise.
int bottom_level(const Game& g) {
  if (g.record.held() > 0) return g.record.bottom_level();
  return g.play_mode == MODE_COM && g.side_to_move != TEBAN_NASI && g.record_mode != OK
             ? g.bottom_level
             : 0;
}

}  // namespace

KifGame kif_game_of(const Game& g, const GivenNames& given) {
  const Record& r = g.record;
  KifGame k;
  k.start = r.start();
  complete_position(k.start);
  k.top_first = r.top_first();
  k.gote_to_move = r.gote_to_move();
  for (int n = 1; n <= r.held(); ++n) k.moves.push_back(r.move(n));
  k.title = either(given.title, r.title());
  k.top.name = either(r.top_first() ? given.first : given.second, r.top_name());
  k.bottom.name = either(r.top_first() ? given.second : given.first, r.bottom_name());
  if (const int level = computer_level(g); level > 0) {
    k.top.role = Role::computer;
    k.top.level = level;
    k.bottom.role = Role::you;
  }
  if (const int level = bottom_level(g); level > 0) {
    k.bottom.role = Role::computer;
    k.bottom.level = level;
  }
  k.comments = r.comments();
  if (k.comments.size() > k.moves.size() + 1) k.comments.resize(k.moves.size() + 1);
  k.started = r.started();
  k.rules = r.rules();
  k.time_control = r.time_control();
  k.end = kif_end(r.end().reason, r.rules());
  if (r.end().reason != EndReason::none && !r.end().drawn())
    k.winner = r.end().top_won ? Winner::top : Winner::bottom;
  return k;
}

void take_kif_game(Record& r, const KifGame& k) {
  r.start_at(k.start, k.top_first, 1);
  r.set_gote_to_move(k.gote_to_move);
  for (const RecordMove& m : k.moves) r.append(m);
  r.set_started(k.started);
  r.set_names(k.title, k.top.name, k.bottom.name);
  r.set_comments(k.comments);
  r.set_rules(k.rules);
  r.set_time_control(k.time_control);
  r.set_end(end_of(k.moves));  // a king taken by the last move
  if (r.end().reason != EndReason::none) return;
  if (k.end == KifEnd::repetition) r.set_end({EndReason::repetition, false});
  else if (k.winner != Winner::none) r.set_end({end_reason(k.end), k.winner == Winner::top});
}

void start_record_here(Game& g, bool top_first, int move_number) {
  Record& r = g.record;
  r.cut(0);
  r.start_at(g.pos, top_first, move_number);
}

bool sente_is_top(const Game& g) {
  const Record& r = g.record;
  return g.side_to_move != TEBAN_NASI &&
         kif_sides(r.start(), r.top_first(), r.gote_to_move()).sente_top;
}

std::string sfen_shown(const Game& g) {
  const bool top_to_move =
      g.side_to_move == TEBAN_NASI ? g.record.top_first() : g.side_to_move == g.top_side;
  return write_sfen(g.pos, sente_is_top(g), top_to_move,
                    g.record.start_number() + g.record.current_move());
}

DateTime started_before(const DateTime& now, double seconds) {
  using namespace std::chrono;
  const long long back = seconds > 0 && seconds < 1e9 ? static_cast<long long>(seconds) : 0;
  const sys_days today = year_month_day{year{now.year}, month{static_cast<unsigned>(now.month)},
                                        day{static_cast<unsigned>(now.day)}};
  const sys_seconds t = today + hours{now.hour} + minutes{now.minute} +
                        std::chrono::seconds{now.second} - std::chrono::seconds{back};
  const sys_days d = floor<days>(t);
  const year_month_day ymd{d};
  const hh_mm_ss hms{t - d};
  return {static_cast<int>(ymd.year()),
          static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day())),
          static_cast<int>(hms.hours().count()),
          static_cast<int>(hms.minutes().count()),
          static_cast<int>(hms.seconds().count())};
}

}  // namespace hakuro
