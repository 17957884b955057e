// Reading script lines and writing numbers and texts in the replay tool's output forms.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace hakuro::replay {

// Words separated by blanks; a word in double quotes may hold blanks, \" and \\.
// Nothing when a quote is left open.
std::optional<std::vector<std::string>> split_words(const std::string& line);

// A text in double quotes with ", \, CR and LF escaped.
std::string quoted(const std::string& s);

// A whole number from low to high; std::invalid_argument when the word is anything else.
int number_in(const std::string& word, int low, int high);

// At most four places after the point, trailing zeros and a trailing point removed.
std::string decimal(double v);

}  // namespace hakuro::replay
