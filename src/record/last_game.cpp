#include "record/last_game.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <tuple>
#include <utility>
#include <vector>

#include "record/exchange.h"
#include "record/fit.h"
#include "record/kifu.h"
#include "record/position_check.h"

namespace hakuro {

namespace {

constexpr std::string_view kStandingWord = "HAKURO ";

std::string joined(const std::vector<std::string>& lines) {
  std::string s;
  for (const std::string& l : lines) s += (s.empty() ? "" : "\n") + l;
  return s;
}

// The standing line taken out of the start's comment.
std::optional<Standing> take_standing(std::vector<std::string>& comments) {
  if (comments.empty()) return std::nullopt;
  std::vector<std::string> lines = lines_of(comments[0]), rest;
  std::optional<Standing> found;
  for (const std::string& l : lines) {
    if (std::optional<Standing> s = read_standing(l); s && !found) found = s;
    else rest.push_back(l);
  }
  comments[0] = joined(rest);
  return found;
}

// jikan=MAIN,BYOYOMI,INCREMENT (seconds) or nokori=TOP,BOTTOM (milliseconds), none negative.
bool read_numbers(const std::string& text, Standing& s, bool control) {
  std::istringstream in(text);
  std::vector<int> v;
  for (int n = 0; in >> n;) {
    if (n < 0) return false;
    v.push_back(n);
    if (in.peek() == ',') in.get();
  }
  if (!in.eof() || v.size() != (control ? 3u : 2u)) return false;
  if (control) s.time_control = {v[0], v[1], v[2]};
  else std::tie(s.top_left_ms, s.bottom_left_ms) = std::tie(v[0], v[1]);
  return true;
}

bool side_value(int v) { return v == 1 || v == -1; }

RecordMove turned(const RecordMove& m) {
  RecordMove t = m;
  Move& u = t.move;
  u.piece = -m.move.piece;
  u.placed = -m.move.placed;
  u.captured = -m.move.captured;
  u.to = {10 - m.move.to.x, 10 - m.move.to.y};
  // A drop comes from the other hand, its row named by the hand's cell.
  if (m.move.is_drop()) u.from = FromHand{kind_index(m.move.piece)};
  else u.from = Square{10 - m.move.square().x, 10 - m.move.square().y};
  t.drop_row = DropRow::cell;
  std::swap(t.bottom_time_before, t.top_time_before);
  std::swap(t.bottom_time_after, t.top_time_after);
  return t;
}

// A file without a standing: the computer, if any, plays the top player, and 先手 moved first.
Standing standing_by_roles(const KifGame& k) {
  Standing s;
  s.play_mode = k.top.role == Role::computer ? MODE_COM : MODE_MAN;
  s.bottom_side = k.top_first ? -1 : 1;
  s.top_side = -s.bottom_side;
  s.move_number = static_cast<int>(k.moves.size());
  s.top_first = k.top_first;
  return s;
}

}  // namespace

Standing standing_of(const Game& g) {
  Standing s;
  s.play_mode = g.play_mode;
  s.bottom_side = g.bottom_side;
  s.top_side = g.top_side;
  s.sente_side = g.sente_side;
  s.move_number = g.move_number;
  s.handicap_level = g.handicap_level;
  s.handicap_set = g.handicap_set;
  s.flipped = g.flipped;
  s.start_number = g.record.start_number();
  s.top_first = g.record.top_first();
  s.rules = g.rules;
  if (g.play_mode == MODE_COM) s.bottom_level = g.bottom_level;
  if (g.time_control.on()) {
    s.time_control = g.time_control;
    s.top_left_ms = static_cast<int>(std::lround(std::clamp(g.top_left, 0.0, 1e6) * 1000));
    s.bottom_left_ms = static_cast<int>(std::lround(std::clamp(g.bottom_left, 0.0, 1e6) * 1000));
  }
  return s;
}

std::string standing_line(const Standing& s) {
  std::ostringstream out;
  out << kStandingWord << "taikyoku_mode=" << s.play_mode << " sita=" << s.bottom_side
      << " ue=" << s.top_side << " teban_sente=" << s.sente_side << " tesu=" << s.move_number
      << " hande_level=" << s.handicap_level << " hande_settei=" << s.handicap_set
      << " hanten=" << s.flipped << " kaishi_tesu=" << s.start_number
      << " ue_sente=" << (s.top_first ? 1 : 0);
  if (s.rules == Rules::standard) out << " honshogi=1";
  if (const TimeControl& c = s.time_control; c.on())
    out << " jikan=" << c.main << ',' << c.byoyomi << ',' << c.increment
        << " nokori=" << s.top_left_ms << ',' << s.bottom_left_ms;
  if (s.bottom_level > 0) out << " sita_level=" << s.bottom_level;
  return out.str();
}

std::optional<Standing> read_standing(std::string_view line) {
  if (line.substr(0, kStandingWord.size()) != kStandingWord) return std::nullopt;
  Standing s;
  std::istringstream in{std::string(line.substr(kStandingWord.size()))};
  for (std::string word; in >> word;) {
    const std::size_t eq = word.find('=');
    if (eq == std::string::npos) return std::nullopt;
    const std::string key = word.substr(0, eq);
    if (key == "jikan" || key == "nokori") {
      if (!read_numbers(word.substr(eq + 1), s, key == "jikan")) return std::nullopt;
      continue;
    }
    int v = 0;
    std::istringstream number(word.substr(eq + 1));
    if (!(number >> v) || !number.eof()) return std::nullopt;
    if (key == "taikyoku_mode") s.play_mode = v;
    else if (key == "sita") s.bottom_side = v;
    else if (key == "ue") s.top_side = v;
    else if (key == "teban_sente") s.sente_side = v;
    else if (key == "tesu") s.move_number = v;
    else if (key == "hande_level") s.handicap_level = v;
    else if (key == "hande_settei") s.handicap_set = v;
    else if (key == "hanten") s.flipped = v;
    else if (key == "kaishi_tesu") s.start_number = v;
    else if (key == "ue_sente") s.top_first = v != 0;
    else if (key == "honshogi") s.rules = v != 0 ? Rules::standard : Rules::own;
    else if (key == "sita_level") s.bottom_level = v;
  }
  const bool sound = (s.play_mode == MODE_MAN || s.play_mode == MODE_COM) &&
                     side_value(s.bottom_side) && s.top_side == -s.bottom_side &&
                     side_value(s.sente_side) && s.move_number >= 0 && s.handicap_level >= -10 &&
                     s.handicap_level <= 10 && (s.handicap_set == OK || s.handicap_set == NG) &&
                     (s.flipped == OK || s.flipped == NG) && s.start_number >= 1 &&
                     s.top_left_ms >= 0 && s.bottom_left_ms >= 0 && s.bottom_level >= 0 &&
                     s.bottom_level <= 5 && (s.bottom_level == 0 || s.play_mode == MODE_COM);
  if (!sound) return std::nullopt;
  return s;
}

KifGame last_game_of(const Game& g) {
  KifGame k = kif_game_of(g, {});
  k.comments = g.record.comments();
  if (k.comments.empty()) k.comments.resize(1);
  std::string& start = k.comments[0];
  start = standing_line(standing_of(g)) + (start.empty() ? "" : "\n" + start);
  return k;
}

LastGame last_game_from(KifGame k) {
  LastGame last;
  const std::optional<Standing> standing = take_standing(k.comments);
  // The file has 先手 at the bottom; without a standing, the computer plays the top player.
  const bool turn = standing ? standing->top_first != k.top_first : k.bottom.role == Role::computer;
  if (turn) k = turned_round(k);
  for (KifPlayer* p : {&k.top, &k.bottom})
    if (p->role != Role::person) p->name.clear();
  last.standing = standing ? *standing : standing_by_roles(k);
  k.rules = last.standing.rules;
  Game scratch = scratch_game(k.start);
  for (const RecordMove& m : k.moves) play_fitting(scratch, m);
  last.end = scratch.pos;
  last.finished = k.winner != Winner::none || k.end == KifEnd::repetition ||
                  end_of(k.moves).reason != EndReason::none;
  last.game = std::move(k);
  return last;
}

KifGame turned_round(const KifGame& k) {
  KifGame t = k;
  t.start = turned_round(k.start);
  complete_position(t.start);
  t.top_first = !k.top_first;
  t.top = k.bottom;
  t.bottom = k.top;
  for (RecordMove& m : t.moves) m = turned(m);
  if (k.winner != Winner::none) t.winner = k.winner == Winner::top ? Winner::bottom : Winner::top;
  return t;
}

int header_level(const KifGame& k, int otherwise) {
  if (k.top.role == Role::computer) return k.top.level;
  if (k.bottom.role == Role::computer) return k.bottom.level;
  return otherwise;
}

int level_after(const KifGame& k, int n, int otherwise) {
  int level = header_level(k, otherwise);
  for (int i = 0; i <= n && i < static_cast<int>(k.comments.size()); ++i)
    for (const std::string& l : lines_of(k.comments[static_cast<std::size_t>(i)]))
      if (const int v = level_told(l); v > 0) level = v;
  return level;
}

}  // namespace hakuro
