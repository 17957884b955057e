#include "fields.h"

#include <map>

namespace hakuro::replay {

std::vector<NamedField> fields(Game& g) {
  return {{"mochi_sita_su", &g.pos.mochi_sita_su}, {"mochi_ue_su", &g.pos.mochi_ue_su},
          {"teban", &g.teban},                 {"SITA", &g.sita},
          {"UE", &g.ue},                       {"TEBAN_SENTE", &g.teban_sente},
          {"TEBAN_GOTE", &g.teban_gote},       {"taikyoku_mode", &g.taikyoku_mode},
          {"tesu", &g.tesu},                   {"level", &g.level},
          {"ou_tori", &g.ou_tori},             {"ou_sita_x", &g.pos.ou_sita_x},
          {"ou_sita_y", &g.pos.ou_sita_y},         {"ou_ue_x", &g.pos.ou_ue_x},
          {"ou_ue_y", &g.pos.ou_ue_y},             {"sentaku", &g.sel.sentaku},
          {"sentaku_x", &g.sel.sentaku_x},         {"sentaku_y", &g.sel.sentaku_y},
          {"chudan", &g.chudan},               {"kifu_mode", &g.kifu_mode},
          {"hanten", &g.hanten},               {"hande_level", &g.hande_level},
          {"hande_settei", &g.hande_settei},   {"kifu_tesu", &g.record.kifu_tesu},
          {"saigo_tesu", &g.record.saigo_tesu},       {"haikei", &g.look.haikei},
          {"sidou_on", &g.look.sidou_on},           {"sidou_iro", &g.look.sidou_iro},
          {"haikei_iro", &g.look.haikei_iro},       {"masu_iro", &g.look.masu_iro},
          {"moji_iro", &g.look.moji_iro},           {"nari_koma", &g.nari_koma},
          {"fuka_ue_ari", &g.com.fuka_ue_ari},     {"nigemichi_su", &g.com.nigemichi_su},
          {"teban_kaishi", &g.clock.teban_kaishi},   {"keika_byou", &g.clock.keika_byou},
          {"hyouji_byou", &g.clock.hyouji_byou},     {"mochi_jikan_ue", &g.clock.mochi_jikan_ue},
          {"mochi_jikan_sita", &g.clock.mochi_jikan_sita}};
}

Table* table_named(Game& g, const std::string& name) {
  const std::map<std::string, Table*> tables = {
      {"ban", &g.pos.ban},
      {"seiryoku_sita", &g.survey.seiryoku_sita},
      {"seiryoku_ue", &g.survey.seiryoku_ue},
      {"kogeki_su_sita", &g.survey.kogeki_su_sita},
      {"kogeki_koma_sita", &g.survey.kogeki_koma_sita},
      {"kogeki_x_sita", &g.survey.kogeki_x_sita},
      {"kogeki_y_sita", &g.survey.kogeki_y_sita},
      {"mamori_koma_sita", &g.survey.mamori_koma_sita},
      {"mamori_koma_ue", &g.survey.mamori_koma_ue},
      {"mamori_x_ue", &g.survey.mamori_x_ue},
      {"mamori_y_ue", &g.survey.mamori_y_ue},
      {"kogeki_koma_ue", &g.survey.kogeki_koma_ue},
      {"kogeki_x_ue", &g.survey.kogeki_x_ue},
      {"kogeki_y_ue", &g.survey.kogeki_y_ue},
      {"oute_sita", &g.survey.oute_sita},
      {"oute_ue", &g.survey.oute_ue},
      {"kaku_nerai_ue", &g.com.kaku_nerai_ue},
      {"fuka_sita", &g.com.fuka_sita},
      {"fuka_ue", &g.com.fuka_ue},
      {"ban_mae", &g.com.ban_mae}};
  auto it = tables.find(name);
  return it == tables.end() ? nullptr : it->second;
}

}  // namespace hakuro::replay
