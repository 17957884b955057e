// The analysis tests' game: 先手 takes 後手's pawn on 2四 with the rook, 後手 attacks the rook
// with a dropped pawn, and 先手 leaves the rook hanging with move 9 (standard rules).
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli.h"

namespace hakuro::analyse {

inline const std::string kHungRookKif =
    "手合割：平手\n"
    "手数----指手---------消費時間--\n"
    "1 ２六歩(27)\n2 ８四歩(83)\n3 ２五歩(26)\n4 ８五歩(84)\n5 ２四歩(25)\n6 同　歩(23)\n"
    "7 同　飛(28)\n8 ２三歩打\n9 ７六歩(77)\n10 ２四歩(23)\n";
inline constexpr int kBlunder = 9;

struct Ran {
  int status = 0;
  std::string out, err;
};
inline Ran run_tool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = run(args, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace hakuro::analyse
