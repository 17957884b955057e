#include "analysis/bearing.h"
#include "analysis/survey.h"

namespace hakuro {

namespace {

void line_of(Game& g, int code, int x, int y, int dx, int dy) {
  if (code > 0)
    bearing::line<true>(g, code, x, y, dx, dy);
  else
    bearing::line<false>(g, code, x, y, dx, dy);
}

}  // namespace

void 勢力確定上直進(Game& g, int code, int x, int y) { line_of(g, code, x, y, 0, -1); }
void 勢力確定下直進(Game& g, int code, int x, int y) { line_of(g, code, x, y, 0, 1); }
void 勢力確定右直進(Game& g, int code, int x, int y) { line_of(g, code, x, y, 1, 0); }
void 勢力確定左直進(Game& g, int code, int x, int y) { line_of(g, code, x, y, -1, 0); }

void 勢力確定自角(Game& g, int x, int y) { bearing::diagonals<false>(g, -KAKU, x, y); }
void 勢力確定敵角(Game& g, int code, int x, int y) { bearing::diagonals<true>(g, code, x, y); }

}  // namespace hakuro
