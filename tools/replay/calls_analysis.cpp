#include "analysis/survey.h"
#include "calls.h"

namespace hakuro::replay {

void add_analysis_calls(CallTable& t) {
  t["勢力調査"] = [](Form& f, const Args&, std::ostream& out) {
    survey_influence(f.g.pos, f.com.survey);
    out << "勢力調査 done\n";
  };
}

}  // namespace hakuro::replay
