#include "analysis/bearing.h"
#include "analysis/survey.h"

namespace hakuro {

void 勢力確定自金(Game& g, int code, int x, int y) { bearing::gold_bottom(g, code, x, y); }
void 勢力確定敵金(Game& g, int x, int y) { bearing::gold_top(g, x, y); }

}  // namespace hakuro
