#include "calls.h"
#include "computer/surveys.h"

namespace hakuro::replay {

namespace {

void result(std::ostream& out, const char* name, int r) { out << name << ' ' << r << '\n'; }

}  // namespace

void add_computer_calls(CallTable& t) {
  t["調査_自王逃道"] = [](Form& f, const Args&, std::ostream& out) {
    result(out, "調査_自王逃道", human_king_escapes(f.g, f.com.survey));
  };
  t["調査_持角狙座標"] = [](Form& f, const Args&, std::ostream& out) {
    mark_bishop_aims(f.g, f.com);
    out << "調査_持角狙座標 done\n";
  };
  t["調査_移動不可駒"] = [](Form& f, const Args&, std::ostream& out) {
    mark_pinned_pieces(f.g.pos, f.com.scratch);
    out << "調査_移動不可駒 done\n";
  };
  t["調査_移動可場所数"] = [](Form& f, const Args& a, std::ostream& out) {
    result(out, "調査_移動可場所数",
           safe_move_count(f.g, f.com.survey, arg_int(a, 0), arg_int(a, 1), arg_int(a, 2)));
  };
  t["調査_周辺状況"] = [](Form& f, const Args& a, std::ostream& out) {
    result(out, "調査_周辺状況", surroundings(f.g, arg_int(a, 0), arg_int(a, 1)));
  };
  t["調査_自守駒MAN_直進駒"] = [](Form& f, const Args& a, std::ostream& out) {
    result(out, "調査_自守駒MAN_直進駒", human_straight_guard(f.g, arg_int(a, 0), arg_int(a, 1)));
  };
  t["調査_桂狙い"] = [](Form& f, const Args& a, std::ostream& out) {
    result(out, "調査_桂狙い", knight_aim(f.g, f.com.survey, arg_int(a, 0), arg_int(a, 1)));
  };
  t["調査_香狙い"] = [](Form& f, const Args& a, std::ostream& out) {
    result(out, "調査_香狙い", lance_aim(f.g, f.com.survey, arg_int(a, 0), arg_int(a, 1)));
  };
}

}  // namespace hakuro::replay
