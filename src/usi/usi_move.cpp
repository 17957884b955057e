#include "usi/usi_move.h"

#include "engine/movegen.h"
#include "record/notation.h"

namespace hakuro::usi {

namespace {

// By kind index, as the hands count pieces.
constexpr std::string_view kDropLetters = " PLNSGBR";

std::string square_text(Square s, bool sente_top) {
  const FileRank fr = file_rank(s, sente_top);
  return {char('0' + fr.file), char('a' + fr.rank - 1)};
}

Square board_square(int sq) { return {engine::file_of(sq), engine::rank_of(sq)}; }

std::string drop_text(int kind, Square to, bool sente_top) {
  return std::string{kDropLetters[std::size_t(kind)], '*'} + square_text(to, sente_top);
}

}  // namespace

std::string move_text(engine::Move m, bool sente_top) {
  const Square to = board_square(engine::to_sq(m));
  if (engine::is_drop(m)) return drop_text(engine::drop_kind(m), to, sente_top);
  return square_text(board_square(engine::from_sq(m)), sente_top) + square_text(to, sente_top) +
         (engine::is_promotion(m) ? "+" : "");
}

std::string move_text(const hakuro::Move& m, bool sente_top) {
  if (m.is_drop()) return drop_text(m.kind(), m.to, sente_top);
  return square_text(m.square(), sente_top) + square_text(m.to, sente_top) +
         (m.promotes() ? "+" : "");
}

engine::Move find_move(const engine::Position& pos, std::string_view text, bool sente_top) {
  engine::MoveList list;
  engine::generate_all(pos, list);
  for (engine::Move m : list)
    if (move_text(m, sente_top) == text) return m;
  return engine::NO_MOVE;
}

}  // namespace hakuro::usi
