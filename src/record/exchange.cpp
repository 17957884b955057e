#include "record/exchange.h"

#include <chrono>

#include "record/kifu.h"
#include "record/position_check.h"
#include "record/sfen.h"

namespace hakuro {

namespace {

const std::string& either(const std::string& given, const std::string& kept) {
  return given.empty() ? kept : given;
}

// The level the computer began the game at; 0 when two people play it. The moves held tell
// who played them (the last one) and at what level (the first); before the first, the game
// begun does.
int computer_level(const Game& g) {
  const Record& r = g.record;
  if (r.held() == 0)
    return g.taikyoku_mode == MODE_COM && g.teban != TEBAN_NASI && g.kifu_mode != OK ? g.level
                                                                                      : 0;
  return r.com_level > 0 && r.start_level > 0 ? r.start_level : r.com_level;
}

}  // namespace

KifGame kif_game_of(const Game& g, const GivenNames& given) {
  const Record& r = g.record;
  KifGame k;
  k.start = r.kaishi;
  complete_position(k.start);
  k.top_first = r.ue_sente;
  k.gote_ban = r.gote_ban;
  for (int n = 1; n <= r.held(); ++n) k.moves.push_back(r.move(n));
  k.title = either(given.title, r.taikyoku_mei);
  k.top.name = either(r.ue_sente ? given.first : given.second, r.ue_mei);
  k.bottom.name = either(r.ue_sente ? given.second : given.first, r.sita_mei);
  if (const int level = computer_level(g); level > 0) {
    k.top.role = Role::computer;
    k.top.level = level;
    k.bottom.role = Role::you;
  }
  k.comments = r.comments;
  if (k.comments.size() > k.moves.size() + 1) k.comments.resize(k.moves.size() + 1);
  k.started = r.kaishi_nichiji;
  if (r.end.reason != EndReason::none) {
    k.winner = r.end.top_won ? Winner::top : Winner::bottom;
    k.resigned = r.end.reason == EndReason::resigned;
  }
  return k;
}

void take_kif_game(Record& r, const KifGame& k) {
  r.kifu_tesu = 0;
  r.cut(0);
  for (std::size_t i = 0; i < k.moves.size(); ++i) r.at(static_cast<int>(i) + 1) = k.moves[i];
  r.saigo_tesu = static_cast<int>(k.moves.size());
  r.kaishi = k.start;
  r.ue_sente = k.top_first;
  r.gote_ban = k.gote_ban;
  r.kaishi_tesu = 1;
  r.kaishi_nichiji = k.started;
  r.taikyoku_mei = k.title;
  r.ue_mei = k.top.name;
  r.sita_mei = k.bottom.name;
  r.comments = k.comments;
  r.end = end_of(k.moves);  // a king taken by the last move
  if (r.end.reason == EndReason::none && k.winner != Winner::none)
    r.end = {k.resigned ? EndReason::resigned : EndReason::mated, k.winner == Winner::top};
}

void start_record_here(Game& g, bool top_first, int move_number) {
  Record& r = g.record;
  r.kifu_tesu = 0;
  r.cut(0);
  r.kaishi = g.pos;
  r.ue_sente = top_first;
  r.gote_ban = false;
  r.kaishi_tesu = move_number;
}

bool sente_is_top(const Game& g) {
  const Record& r = g.record;
  return g.teban != TEBAN_NASI && kif_sides(r.kaishi, r.ue_sente, r.gote_ban).sente_top;
}

std::string sfen_shown(const Game& g) {
  const bool top_to_move = g.teban == TEBAN_NASI ? g.record.ue_sente : g.teban == g.ue;
  return write_sfen(g.pos, sente_is_top(g), top_to_move,
                    g.record.kaishi_tesu + g.record.kifu_tesu);
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
  return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day())), static_cast<int>(hms.hours().count()),
          static_cast<int>(hms.minutes().count()), static_cast<int>(hms.seconds().count())};
}

}  // namespace hakuro
