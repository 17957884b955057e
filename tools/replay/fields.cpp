#include "fields.h"

#include <map>

namespace hakuro::replay {

std::vector<NamedRow> rows(Game& g) {
  return {{"mochi_sita", g.pos.bottom_hand.data(), 1, 7},
          {"mochi_ue", g.pos.top_hand.data(), 1, 7},
          {"nifu_sita", g.pos.bottom_nifu.data(), 1, 9},
          {"nifu_ue", g.pos.top_nifu.data(), 1, 9}};
}

std::optional<NamedHand> hand_named(Game& g, const std::string& name) {
  if (name == "sita") return NamedHand{&g.pos.bottom_hand, &g.pos.bottom_hand_total};
  if (name == "ue") return NamedHand{&g.pos.top_hand, &g.pos.top_hand_total};
  return std::nullopt;
}

namespace {

// `set kifu_tesu` and `set saigo_tesu` take any number; moves after the last one named hide.
RecordNumber current_move(Record& r) {
  return {[&r] { return r.current_move(); }, [&r](int n) { r.set_current_move(n); }};
}
RecordNumber last_move(Record& r) {
  return {[&r] { return r.last_move(); }, [&r](int n) { r.name_last(n); }};
}

}  // namespace

std::vector<NamedField> fields(Form& f) {
  Game& g = f.g;
  ComputerScratch& c = f.com.scratch;
  return {{"mochi_sita_su", &g.pos.bottom_hand_total},
          {"mochi_ue_su", &g.pos.top_hand_total},
          {"teban", &g.side_to_move},
          {"SITA", &g.bottom_side},
          {"UE", &g.top_side},
          {"TEBAN_SENTE", &g.sente_side},
          {"TEBAN_GOTE", &g.gote_side},
          {"taikyoku_mode", &g.play_mode},
          {"tesu", &g.move_number},
          {"level", &g.level},
          {"ou_tori", &g.king_taker},
          {"ou_sita_x", &g.pos.bottom_king_x},
          {"ou_sita_y", &g.pos.bottom_king_y},
          {"ou_ue_x", &g.pos.top_king_x},
          {"ou_ue_y", &g.pos.top_king_y},
          {"sentaku", &f.sel.picked},
          {"sentaku_x", &f.sel.picked_x},
          {"sentaku_y", &f.sel.picked_y},
          {"chudan", &g.suspended},
          {"kifu_mode", &g.record_mode},
          {"hanten", &g.flipped},
          {"hande_level", &g.handicap_level},
          {"hande_settei", &g.handicap_set},
          {"kifu_tesu", current_move(g.record)},
          {"saigo_tesu", last_move(g.record)},
          {"haikei", &f.look.background},
          {"sidou_on", &f.look.guidance_on},
          {"sidou_iro", &f.look.guidance_colour},
          {"haikei_iro", &f.look.background_colour},
          {"masu_iro", &f.look.grid_colour},
          {"moji_iro", &f.look.text_colour},
          {"nari_koma", &f.promoted_piece},
          {"fuka_ue_ari", &c.top_pinned_any},
          {"nigemichi_su", &c.escape_count},
          {"teban_kaishi", &f.clock.turn_start},
          {"keika_byou", &f.clock.turn_seconds},
          {"hyouji_byou", &f.clock.shown_seconds},
          {"mochi_jikan_ue", &g.top_time},
          {"mochi_jikan_sita", &g.bottom_time}};
}

Table* table_named(Form& f, const std::string& name) {
  Survey& s = f.com.survey;
  ComputerScratch& c = f.com.scratch;
  const std::map<std::string, Table*> tables = {{kBoardTable, &f.g.pos.board},
                                                {"seiryoku_sita", &s.bottom_influence},
                                                {"seiryoku_ue", &s.top_influence},
                                                {"kogeki_su_sita", &s.bottom_attack_count},
                                                {"kogeki_koma_sita", &s.bottom_attacker},
                                                {"kogeki_x_sita", &s.bottom_attacker_x},
                                                {"kogeki_y_sita", &s.bottom_attacker_y},
                                                {"mamori_koma_sita", &s.bottom_defender},
                                                {"mamori_koma_ue", &s.top_defender},
                                                {"mamori_x_ue", &s.top_defender_x},
                                                {"mamori_y_ue", &s.top_defender_y},
                                                {"kogeki_koma_ue", &s.top_attacker},
                                                {"kogeki_x_ue", &s.top_attacker_x},
                                                {"kogeki_y_ue", &s.top_attacker_y},
                                                {"oute_sita", &s.bottom_checks},
                                                {"oute_ue", &s.top_checks},
                                                {"kaku_nerai_ue", &c.bishop_aims_at_top},
                                                {"fuka_sita", &c.bottom_pinned},
                                                {"fuka_ue", &c.top_pinned},
                                                {"ban_mae", &c.board_before}};
  auto it = tables.find(name);
  return it == tables.end() ? nullptr : it->second;
}

}  // namespace hakuro::replay
