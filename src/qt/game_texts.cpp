#include "qt/game_texts.h"

#include <QCoreApplication>

#include "control/resign.h"
#include "display/text.h"
#include "qt/language/core_texts.h"

namespace hakuro {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("hakuro::GameTexts", text); }

const QString kDash = QStringLiteral(" — ");

enum class Stage { none, playing, record, over };

Stage stage(const Game& g) {
  if (g.side_to_move == TEBAN_NASI) return Stage::none;
  if (game_over(g)) return Stage::over;
  if (g.record_mode == OK || g.suspended == OK) return Stage::record;
  return Stage::playing;
}

bool against_computer(const Game& g) { return g.play_mode == MODE_COM && g.record_mode != OK; }

// ▲先手 or △後手 (▲下手, △上手 after one of the usual handicaps), as the move list marks them.
QString side(const KifSides& sides, bool top) {
  const bool handicap = sides.handicap != nullptr;
  if (top == sides.sente_top) return handicap ? tr("▲下手") : tr("▲先手");
  return handicap ? tr("△上手") : tr("△後手");
}

QString player(const Game& g, bool top) {
  if (!against_computer(g)) return tr("人間");
  return top ? tr("コンピュータ LEVEL%1").arg(g.level) : tr("あなた");
}

QString record_place(const Game& g) {
  return tr("棋譜 %1/%2").arg(g.record.current_move()).arg(g.record.last_move());
}

QString turn(const Game& g, const KifSides& sides) {
  const bool top = g.side_to_move == g.top_side;
  QString s = tr("%1の番").arg(side(sides, top));
  if (g.record_mode != OK) s += kDash + player(g, top);
  return s;
}

QString reason(EndReason r) {
  switch (r) {
    case EndReason::mated: return tr("詰み");
    case EndReason::no_move: return tr("指し手なし");
    case EndReason::resigned: return tr("投了");
    case EndReason::repetition: return tr("千日手");
    case EndReason::perpetual_check: return tr("連続王手の千日手");
    case EndReason::time_out: return tr("時間切れ");
    case EndReason::king_taken:
    case EndReason::none: break;
  }
  return tr("王取り");
}

// Whole sentences for each winner, as a language other than Japanese needs them.
QString result(const Game& g, const KifSides& sides) {
  GameEnd end = g.record.end();
  if (end.reason == EndReason::none) end = {EndReason::king_taken, g.king_taker == g.top_side};
  const QString why = reason(end.reason);
  if (end.drawn()) return tr("終局") + kDash + tr("引き分け（%1）").arg(why);
  QString won;
  if (!against_computer(g)) won = tr("%1の勝ち（%2）").arg(side(sides, end.top_won), why);
  else if (end.top_won) won = tr("コンピュータの勝ち（%1）").arg(why);
  else won = tr("あなたの勝ち（%1）").arg(why);
  return tr("終局") + kDash + won;
}

}  // namespace

QString window_title(const Game& g) {
  QString s = QStringLiteral("HAKURO KAISEN将棋");
  switch (stage(g)) {
    case Stage::none: return s;
    case Stage::over: return s + kDash + tr("終局");
    case Stage::record: return s + kDash + record_place(g);
    case Stage::playing: break;
  }
  if (g.play_mode != MODE_COM) return s + kDash + tr("対局中");
  return s + kDash + tr("対局中 (LEVEL%1)").arg(g.level);
}

QString status_text(const Game& g, const KifSides& sides) {
  const Stage now = stage(g);
  if (now == Stage::none) return tr("対局していません");
  const bool stepping = g.record_mode == OK || g.suspended == OK;
  QString s = stepping ? record_place(g) + kDash : QString();
  return s + (now == Stage::over ? result(g, sides) : turn(g, sides));
}

QString handicap_text(const Game& g, const KifSides& sides) {
  const QString level =
      g.handicap_set == OK ? board_text(handicap_name(g.handicap_level)) : QString();
  const QString usual = sides.handicap ? core_text(sides.handicap) : QString();
  if (level.isEmpty() || usual.isEmpty()) return level + usual;
  return tr("%1 %2").arg(level, usual);  // the level, then the usual handicap's name
}

}  // namespace hakuro
