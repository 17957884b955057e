#include "calls.h"
#include "control/play.h"
#include "rules/mate.h"
#include "rules/legality.h"
#include "rules/move.h"

namespace hakuro::replay {

namespace {

void result(std::ostream& out, const char* name, int r) { out << name << ' ' << r << '\n'; }

}  // namespace

void add_rules_calls(CallTable& t) {
  t["移動チェック"] = [](Form& f, const Args& a, std::ostream& out) {
    result(out, "移動チェック",
           移動チェック(f.g.pos, arg_int(a, 0), arg_int(a, 1), arg_int(a, 2), arg_int(a, 3), arg_int(a, 4)));
  };
  t["移動チェック飛車"] = [](Form& f, const Args& a, std::ostream& out) {
    result(out, "移動チェック飛車",
           移動チェック飛車(f.g.pos, arg_int(a, 0), arg_int(a, 1), arg_int(a, 2), arg_int(a, 3)));
  };
  t["移動チェック角"] = [](Form& f, const Args& a, std::ostream& out) {
    result(out, "移動チェック角",
           移動チェック角(f.g.pos, arg_int(a, 0), arg_int(a, 1), arg_int(a, 2), arg_int(a, 3)));
  };
  t["移動後チェック"] = [](Form&, const Args& a, std::ostream& out) {
    result(out, "移動後チェック", 移動後チェック(arg_int(a, 0), arg_int(a, 1)));
  };
  t["調査_駒成"] = [](Form& f, const Args& a, std::ostream& out) {
    result(out, "調査_駒成",
           調査_駒成(f.g, arg_int(a, 0), arg_int(a, 1), arg_int(a, 2), arg_int(a, 3), arg_int(a, 4)));
    out << "nari_koma " << f.g.nari_koma << '\n';
  };
  t["調査_2歩フラグ設定"] = [](Form& f, const Args&, std::ostream& out) {
    調査_2歩フラグ設定(f.g.pos);
    out << "調査_2歩フラグ設定 done\n";
  };
  t["駒移動"] = [](Form& f, const Args& a, std::ostream& out) {
    駒移動(f, arg_int(a, 0), arg_int(a, 1), arg_int(a, 2), arg_int(a, 3), arg_int(a, 4));
    out << "駒移動 done\n";
  };
  t["駒取得"] = [](Form& f, const Args& a, std::ostream& out) {
    駒取得(f.g, arg_int(a, 0), arg_int(a, 1));
    out << "駒取得 done\n";
  };
  t["詰めかMAN_COM移動"] = [](Form& f, const Args&, std::ostream& out) {
    result(out, "詰めかMAN_COM移動", 詰めかMAN_COM移動(f.g));
  };
  t["詰めかMAN"] = [](Form& f, const Args&, std::ostream& out) {
    result(out, "詰めかMAN", 詰めかMAN(f.g));
  };
  t["詰めかCOM"] = [](Form& f, const Args&, std::ostream& out) {
    result(out, "詰めかCOM", 詰めかCOM(f.g));
  };
}

}  // namespace hakuro::replay
