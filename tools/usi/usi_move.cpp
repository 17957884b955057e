#include "usi_move.h"

#include "engine/movegen.h"
#include "record/notation.h"

namespace hakuro::usi {

namespace {

constexpr std::string_view kDropLetters = " PLNSGBR";

std::string square_text(int sq) {
  const FileRank fr = file_rank({engine::file_of(sq), engine::rank_of(sq)}, SENTE_TOP);
  return {char('0' + fr.file), char('a' + fr.rank - 1)};
}

}  // namespace

std::string move_text(engine::Move m) {
  if (engine::is_drop(m))
    return std::string{kDropLetters[engine::drop_kind(m)], '*'} + square_text(engine::to_sq(m));
  return square_text(engine::from_sq(m)) + square_text(engine::to_sq(m)) +
         (engine::is_promotion(m) ? "+" : "");
}

engine::Move find_move(const engine::Position& pos, std::string_view text) {
  engine::MoveList list;
  engine::generate_all(pos, list);
  for (engine::Move m : list)
    if (move_text(m) == text) return m;
  return engine::NO_MOVE;
}

}  // namespace hakuro::usi
