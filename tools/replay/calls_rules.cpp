#include "calls.h"
#include "control/play.h"
#include "record/columns.h"
#include "rules/legality.h"
#include "rules/mate.h"
#include "rules/move.h"

namespace hakuro::replay {

namespace {

void result(std::ostream& out, const char* name, int r) { out << name << ' ' << r << '\n'; }

// The source the calls name by FX FY: a square, or a hand's column with a drop's row, the kind
// index in the top hand's.
Source source_arg(const Args& a) { return source_of(arg_int(a, 0), arg_int(a, 1), DropRow::kind); }

}  // namespace

void add_rules_calls(CallTable& t) {
  t["移動チェック"] = [](Form& f, const Args& a, std::ostream& out) {
    result(out, "移動チェック",
           may_move(f.g.pos, arg_int(a, 0), arg_int(a, 1), arg_int(a, 2), arg_int(a, 3),
                    arg_int(a, 4)));
  };
  t["移動チェック飛車"] = [](Form& f, const Args& a, std::ostream& out) {
    result(out, "移動チェック飛車",
           may_move_rook(f.g.pos, arg_int(a, 0), arg_int(a, 1), arg_int(a, 2), arg_int(a, 3)));
  };
  t["移動チェック角"] = [](Form& f, const Args& a, std::ostream& out) {
    result(out, "移動チェック角",
           may_move_bishop(f.g.pos, arg_int(a, 0), arg_int(a, 1), arg_int(a, 2), arg_int(a, 3)));
  };
  t["移動後チェック"] = [](Form&, const Args& a, std::ostream& out) {
    result(out, "移動後チェック", may_stay_unpromoted(arg_int(a, 0), arg_int(a, 1)));
  };
  t["調査_駒成"] = [](Form& f, const Args& a, std::ostream& out) {
    const int r = check_promotion(source_arg(a), arg_int(a, 3), arg_int(a, 4));
    if (r == OK) f.promoted_piece = promoted(arg_int(a, 4));
    result(out, "調査_駒成", r);
    out << "nari_koma " << f.promoted_piece << '\n';
  };
  t["調査_2歩フラグ設定"] = [](Form& f, const Args&, std::ostream& out) {
    set_nifu_flags(f.g.pos);
    out << "調査_2歩フラグ設定 done\n";
  };
  t["駒移動"] = [](Form& f, const Args& a, std::ostream& out) {
    const int piece = arg_int(a, 4);
    move_piece(f, {source_arg(a), {arg_int(a, 2), arg_int(a, 3)}, piece, piece, KARA});
    out << "駒移動 done\n";
  };
  t["駒取得"] = [](Form& f, const Args& a, std::ostream& out) {
    take_piece(f.g, arg_int(a, 0), arg_int(a, 1));
    out << "駒取得 done\n";
  };
  t["詰めかMAN_COM移動"] = [](Form& f, const Args&, std::ostream& out) {
    result(out, "詰めかMAN_COM移動", human_king_attacked(f.g));
  };
  t["詰めかMAN"] = [](Form& f, const Args&, std::ostream& out) {
    result(out, "詰めかMAN", human_mated(f.g, f.com.survey));
  };
  t["詰めかCOM"] = [](Form& f, const Args&, std::ostream& out) {
    result(out, "詰めかCOM", computer_mated(f.g, f.com.survey));
  };
}

}  // namespace hakuro::replay
