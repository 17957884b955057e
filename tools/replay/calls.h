// The procedures that `call NAME ARG ...` reaches. Each subsystem adds its own in its own file.
#pragma once

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "form/form.h"

namespace hakuro::replay {

// The arguments as given in the script: numbers, or one text. A call prints its own lines.
using Args = std::vector<std::string>;
using Call = std::function<void(Form& f, const Args& args, std::ostream& out)>;
using CallTable = std::map<std::string, Call>;

// Whole-number argument i (0-based); throws std::invalid_argument when missing or not a number.
int arg_int(const Args& args, std::size_t i);

void add_display_calls(CallTable& t);   // 文字列変換
void add_rules_calls(CallTable& t);     // 移動チェック … 駒取得
void add_analysis_calls(CallTable& t);  // 勢力調査
void add_computer_calls(CallTable& t);  // 調査_自王逃道 … 調査_香狙い

}  // namespace hakuro::replay
