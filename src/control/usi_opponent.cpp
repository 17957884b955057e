#include "control/usi_opponent.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "control/commands.h"
#include "control/computer_turn.h"
#include "control/standard_rules.h"
#include "control/thinking.h"
#include "display/clock_text.h"
#include "engine/convert.h"
#include "record/exchange.h"
#include "record/sfen.h"
#include "usi/usi_move.h"

namespace hakuro {

namespace {

constexpr const char* kTitle = "USI";
constexpr const char* kStandardOnly = "USIエンジンとは本将棋で対局します";
constexpr std::size_t kShownLine = 8;  // moves of the expected line shown

// What the engine's turn needs and brings back: set on the window's thread before the turn,
// read there after it; the thinker's thread has it alone in between.
struct Turn {
  std::shared_ptr<usi::Client> client;
  usi::EngineEntry entry;
  bool starts = false;  // the engine's game begins with this turn
  std::string sfen;
  std::vector<std::string> moves;
  engine::Position pos;  // the position it answers
  bool top = true;       // the engine plays the top player
  bool sente_top = false;
  usi::GoLimits limits;
  usi::GoResult result;
};

// The game's start as SFEN, and the moves played since in USI notation.
void describe_game(const Game& g, Turn& t) {
  const Record& r = g.record;
  t.sente_top = sente_is_top(g);
  t.sfen = write_sfen(r.start(), t.sente_top, r.top_first(), r.start_number());
  for (int n = 1; n <= r.current_move(); ++n)
    t.moves.push_back(usi::move_text(r.move(n).move, t.sente_top));
  t.pos = engine::from_game(g.pos, t.top, Rules::standard);
}

// The time the engine is given: under a time control both players' clocks as they stand, the
// turn's time so far taken off the mover's; otherwise the entry's time per move. The replay
// tool's node bound, when set, bounds it instead.
usi::GoLimits go_limits(const Form& f, const Turn& t) {
  const Game& g = f.g;
  usi::GoLimits l;
  l.nodes = f.search_nodes;
  l.byoyomi_ms = t.entry.byoyomi_ms;
  const TimeControl& c = g.time_control;
  if (!c.on()) return l;
  const double spent = elapsed_seconds(f.clock.turn_start, f.win.time_of_day());
  const auto ms = [](double s) { return static_cast<int>(std::max(0.0, s) * 1000); };
  const int top = ms(g.top_left - (t.top ? spent : 0));
  const int bottom = ms(g.bottom_left - (t.top ? 0 : spent));
  const int inc = ms(c.increment);
  l.clocks =
      usi::GoLimits::Clocks{t.sente_top ? top : bottom, t.sente_top ? bottom : top, inc, inc};
  l.byoyomi_ms = ms(c.byoyomi);
  return l;
}

// The parts of `next` told, over those told before.
void merge(usi::Info& kept, const usi::Info& next) {
  if (next.depth) kept.depth = next.depth;
  if (next.score_cp || next.mate) {
    kept.score_cp = next.score_cp;
    kept.mate = next.mate;
  }
  if (next.nodes) kept.nodes = next.nodes;
  if (!next.pv.empty()) kept.pv = next.pv;
}

void think(Turn& t, UsiOpponent& op, const std::atomic<bool>& stop) {
  if (t.starts) t.result.error = usi::start_game(*t.client, t.entry);
  if (t.result.error) return;
  usi::Info told;
  t.result = usi::engine_move(*t.client, t.limits, t.sfen, t.moves, &stop,
                              [&told, &op](const usi::Info& info) {
                                merge(told, info);
                                const std::lock_guard<std::mutex> lock(op.info_mutex);
                                op.info = told;
                              });
}

// The engine of the player to move: the bottom one's in a watched game, the top one's otherwise.
std::shared_ptr<UsiOpponent>& mover_engine(Form& f) {
  const Game& g = f.g;
  return watched_game(g) && g.side_to_move == g.bottom_side ? f.bottom_usi : f.usi_opponent;
}

// The engine failed: the player is told why, the turn stays unplayed and the levels play again;
// a press on the board lets the level move (in a watched game, the timer's next tick).
Outcome fail(Form& f, const Turn& t, const std::string& why) {
  set_timer1(f, false);
  msg_ok(f, why, kTitle);
  if (t.top) drop_usi_opponent(f);
  else if (const auto op = std::exchange(f.bottom_usi, nullptr); op->client) op->client->quit();
  if (watched_game(f.g)) set_timer1(f, true);
  return Outcome::played;
}

// The engine's answer played: its move through the one move path, or its resignation.
Outcome answer(Form& f, const Turn& t) {
  const usi::GoResult& r = t.result;
  if (r.error) return fail(f, t, r.error.message);
  switch (r.best.kind) {
    case usi::BestMove::Kind::resign:
      set_timer1(f, false);
      f.g.record.cut(f.g.record.current_move());
      return decided(f, EndReason::resigned, !t.top, player_name(f, !t.top));
    case usi::BestMove::Kind::win: return fail(f, t, "USIエンジンの入玉宣言は受け付けません");
    case usi::BestMove::Kind::move: break;
  }
  const engine::Move m = usi::find_move(t.pos, r.best.move, t.sente_top);
  if (m == engine::NO_MOVE) return fail(f, t, "USIエンジンの指手は指せません: " + r.best.move);
  return play_computer_move(f, engine::to_played(t.pos, m));
}

void show_checks(Form& f, const std::string& usi, bool on) {
  for (const char* item : kLevelItems) f.win.set_checked(item, false);
  f.win.set_checked(usi, on);
  if (!on) f.win.set_checked(level_item(f.g.level), true);
}

std::string score_text(const usi::Info& info) {
  if (info.mate) {
    if (*info.mate == usi::Info::kMateUnknown) return "+M";
    if (*info.mate == -usi::Info::kMateUnknown) return "-M";
    return (*info.mate < 0 ? "-M" : "+M") + std::to_string(std::abs(*info.mate));
  }
  if (info.score_cp) return (*info.score_cp > 0 ? "+" : "") + std::to_string(*info.score_cp);
  return "";
}

}  // namespace

std::string usi_item(const usi::EngineEntry& entry) { return "USI:" + entry.path; }
std::string usi_caption(const usi::EngineEntry& entry) { return "USI: " + entry.name; }

void choose_usi_opponent(Form& f, const usi::EngineEntry& entry) {
  if (wait_for_search(f, [&f, entry] { choose_usi_opponent(f, entry); })) return;
  const bool in_game = f.g.side_to_move != TEBAN_NASI;
  if (chosen_rules(f) != Rules::standard || (in_game && f.g.rules != Rules::standard)) {
    msg_ok(f, kStandardOnly, kTitle);
    return;
  }
  if (f.usi_opponent && f.usi_opponent->entry == entry) return;
  drop_usi_opponent(f);
  f.usi_opponent = std::make_shared<UsiOpponent>();
  f.usi_opponent->entry = entry;
  show_checks(f, usi_item(entry), true);
}

void drop_usi_opponent(Form& f) {
  if (!f.usi_opponent) return;
  const std::shared_ptr<UsiOpponent> op = std::exchange(f.usi_opponent, nullptr);
  if (op->client) op->client->quit();
  show_checks(f, usi_item(op->entry), false);
}

void keep_usi_opponent(Form& f, const std::vector<usi::EngineEntry>& kept) {
  if (wait_for_search(f, [&f, kept] { keep_usi_opponent(f, kept); })) return;
  if (!f.usi_opponent) return;
  const std::string item = usi_item(f.usi_opponent->entry);
  for (const usi::EngineEntry& e : kept) {
    if (usi_item(e) != item) continue;
    f.usi_opponent->entry = e;
    f.win.set_checked(item, true);
    return;
  }
  drop_usi_opponent(f);
}

std::optional<Outcome> usi_turn(Form& f) {
  const std::shared_ptr<UsiOpponent> op = mover_engine(f);
  if (!op) return std::nullopt;
  auto turn = std::make_shared<Turn>();
  turn->top = op == f.usi_opponent;
  if (f.g.rules != Rules::standard) {
    msg_ok(f, kStandardOnly, kTitle);
    if (turn->top) drop_usi_opponent(f);
    else f.bottom_usi = nullptr;
    return std::nullopt;
  }
  describe_game(f.g, *turn);
  if (!op->client || op->start_sfen != turn->sfen) {  // a new game for the engine
    if (op->client) op->client->quit();
    op->client = std::make_shared<usi::Client>();
    op->start_sfen = turn->sfen;
    turn->starts = true;
  }
  turn->client = op->client;
  turn->entry = op->entry;
  turn->limits = go_limits(f, *turn);
  auto outcome = std::make_shared<std::optional<Outcome>>();
  f.thinker.start([turn, op](const std::atomic<bool>& stop) { think(*turn, *op, stop); },
                  [&f, turn, outcome] {
                    *outcome = answer(f, *turn);
                    run_waiting(f);
                  });
  return outcome->value_or(Outcome::thinking);
}

void end_usi_game(Form& f) {
  const GameEnd& end = f.g.record.end();
  for (const bool top : {true, false}) {
    const std::shared_ptr<UsiOpponent>& op = top ? f.usi_opponent : f.bottom_usi;
    if (!op || !op->client) continue;
    const std::shared_ptr<usi::Client> client = std::exchange(op->client, nullptr);
    if (end.reason != EndReason::none && client->running()) {
      client->game_over(end.drawn()          ? usi::GameOutcome::draw
                        : end.top_won == top ? usi::GameOutcome::win
                                             : usi::GameOutcome::lose);
    }
    client->quit();
  }
}

void show_usi_info(Form& f) {
  const std::shared_ptr<UsiOpponent> op = mover_engine(f);
  if (!op) return;
  std::optional<usi::Info> info;
  {
    const std::lock_guard<std::mutex> lock(op->info_mutex);
    info = std::exchange(op->info, std::nullopt);
  }
  if (const std::string text = info ? info_text(*info) : ""; !text.empty())
    f.win.notice(text, kTitle);
}

std::string info_text(const usi::Info& info) {
  std::string line;
  for (std::size_t i = 0; i < info.pv.size() && i < kShownLine; ++i)
    line += (i > 0 ? " " : "") + info.pv[i];
  const std::string score = score_text(info);
  if (score.empty()) return "";
  if (line.empty()) return "評価値 " + score;
  return "評価値 " + score + "  読み筋 " + line;
}

}  // namespace hakuro
