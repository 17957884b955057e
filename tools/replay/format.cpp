#include "format.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace hakuro::replay {

std::optional<std::vector<std::string>> split_words(const std::string& line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
      ++i;
      continue;
    }
    std::string w;
    if (line[i] == '"') {
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char c = line[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c == '\\' && i < line.size()) c = line[i++];
        w.push_back(c);
      }
      if (!closed) return std::nullopt;
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
        w.push_back(line[i++]);
    }
    words.push_back(w);
  }
  return words;
}

std::string quoted(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      default: out.push_back(c);
    }
  }
  return out + "\"";
}

std::string decimal(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.4f", v);
  std::string s = buf;
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (!s.empty() && s.back() == '.') s.pop_back();
  if (s == "-0") s = "0";
  return s;
}

int number_in(const std::string& word, int low, int high) {
  std::size_t used = 0;
  int n = 0;
  try {
    n = std::stoi(word, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used == 0 || used != word.size() || n < low || n > high)
    throw std::invalid_argument(word + " is not a whole number from " + std::to_string(low) +
                                " to " + std::to_string(high));
  return n;
}

}  // namespace hakuro::replay
