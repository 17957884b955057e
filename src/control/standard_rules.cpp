#include "control/standard_rules.h"

#include "control/resign.h"
#include "engine/convert.h"
#include "engine/movegen.h"
#include "form/option_items.h"
#include "options/settings.h"
#include "options/sound.h"
#include "record/fit.h"

namespace hakuro {

namespace {

constexpr const char* kTitle = "本将棋";

// A game is on the board and not decided.
bool game_runs(const Game& g) {
  return g.side_to_move != TEBAN_NASI && g.record_mode != OK && !game_over(g);
}

bool same_place(const hakuro::Move& a, const hakuro::Move& b) {
  return a.from == b.from && a.to == b.to;
}

}  // namespace

void on_standard_rules(Form& f) {
  if (game_runs(f.g)) {
    play(f, f.refused_sound);
    msg_ok(f, "対局中は変更できません", kTitle);
    return;
  }
  set_option(f, kStandardRulesItem, !f.look.options.standard_rules);
}

Rules chosen_rules(const Form& f) {
  return f.look.options.standard_rules ? Rules::standard : Rules::own;
}

std::optional<MoveFilter> rules_filter(const Position& p, bool top, Rules rules) {
  if (rules != Rules::standard) return std::nullopt;
  return MoveFilter(engine::legal_moves(p, top, Rules::standard));
}

std::string king_refusal(const Position& p, const Move& m) {
  const bool top = m.by_top();
  const int there = p.board[m.to.x][m.to.y];
  if (top ? is_top(there) : is_bottom(there)) return {};  // an own capture, refused for itself
  engine::Position pos = engine::from_game(p, top);
  engine::MoveList list;
  engine::generate_all(pos, list);
  for (engine::Move e : list) {
    const Move played = engine::to_played(pos, e);
    if (!same_place(played, m) || played.placed != m.placed) continue;
    engine::Undo u;
    const bool in_check = pos.in_check();
    pos.do_move(e, u);
    const bool exposed = pos.can_take_king();
    pos.undo_move(e, u);
    if (!exposed) return {};
    return in_check ? "王手がかかっています" : "王が取られます";
  }
  return {};
}

std::vector<engine::Earlier> game_history(const Game& g) {
  std::vector<engine::Earlier> history;
  Game scratch = scratch_game(g.record.start());
  for (int n = 1; n <= g.record.current_move() && g.record.holds(n); ++n) {
    const RecordMove& m = g.record.move(n);
    if (!move_fits(scratch, m)) break;
    history.push_back(engine::earlier(engine::from_game(scratch.pos, m.move.by_top(), g.rules)));
    play_fitting(scratch, m);
  }
  return history;
}

GameEnd standing(const Game& g, bool top) {
  if (g.rules != Rules::standard) return {};
  if (engine::legal_moves(g.pos, top, Rules::standard).empty()) return {EndReason::mated, !top};
  const engine::Position now = engine::from_game(g.pos, top, Rules::standard);
  switch (engine::repetition(game_history(g), engine::earlier(now))) {
    case engine::Repetition::none: return {};
    case engine::Repetition::draw: return {EndReason::repetition, false};
    case engine::Repetition::side_to_move_wins: return {EndReason::perpetual_check, top};
    case engine::Repetition::side_to_move_loses: return {EndReason::perpetual_check, !top};
  }
  return {};
}

std::optional<Outcome> standard_end(Form& f, bool top) {
  const GameEnd end = standing(f.g, top);
  switch (end.reason) {
    case EndReason::mated: msg_ok(f, "詰みです", "詰み"); break;
    case EndReason::perpetual_check: msg_ok(f, "連続王手の千日手です", "千日手"); break;
    case EndReason::repetition: return drawn(f, "千日手です。引き分けです", "千日手");
    default: return std::nullopt;
  }
  return decided(f, end.reason, end.top_won, player_name(f, end.top_won));
}

}  // namespace hakuro
