#include "calls.h"

#include <stdexcept>

#include "display/clock_text.h"
#include "display/text.h"
#include "format.h"
#include "options/clock.h"

namespace hakuro::replay {

namespace {

double arg_double(const Args& args, std::size_t i) {
  if (i >= args.size()) throw std::invalid_argument("missing argument");
  std::size_t used = 0;
  const double v = std::stod(args[i], &used);
  if (used != args[i].size()) throw std::invalid_argument("not a number: " + args[i]);
  return v;
}

}  // namespace

void add_display_calls(CallTable& t) {
  t["文字列変換"] = [](Form&, const Args& a, std::ostream& out) {
    out << "文字列変換 " << quoted(code_text(arg_int(a, 0))) << '\n';
  };
  t["変換_数字から文字"] = [](Form&, const Args& a, std::ostream& out) {
    out << "変換_数字から文字 " << quoted(two_digits(arg_int(a, 0))) << '\n';
  };
  t["調査_時間秒追加結果"] = [](Form&, const Args& a, std::ostream& out) {
    out << "調査_時間秒追加結果 " << quoted(time_text(arg_double(a, 0))) << '\n';
  };
  t["取得_棋譜のX座標"] = [](Form&, const Args& a, std::ostream& out) {
    if (a.empty()) throw std::invalid_argument("missing argument");
    out << "取得_棋譜のX座標 " << decimal(record_header_x(a[0])) << '\n';
  };
  t["調査_経過秒"] = [](Form&, const Args& a, std::ostream& out) {
    out << "調査_経過秒 " << decimal(elapsed_seconds(arg_double(a, 0), arg_double(a, 1))) << '\n';
  };
}

}  // namespace hakuro::replay
