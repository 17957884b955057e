// hakuro-analyse FILE [--movetime MS | --nodes N] [--rules own|standard] [--json]
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace hakuro::analyse {

// Runs the command with its arguments (the program's name left out): the report to `out`, what
// went wrong to `err`. The exit status: 0 done, 2 for bad arguments or a file it cannot analyse.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace hakuro::analyse
