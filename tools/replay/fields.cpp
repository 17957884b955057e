#include "fields.h"

#include <map>

namespace hakuro::replay {

std::vector<NamedField> fields(Game& g) {
  return {{"mochi_sita_su", &g.mochi_sita_su}, {"mochi_ue_su", &g.mochi_ue_su},
          {"teban", &g.teban},                 {"SITA", &g.SITA},
          {"UE", &g.UE},                       {"TEBAN_SENTE", &g.TEBAN_SENTE},
          {"TEBAN_GOTE", &g.TEBAN_GOTE},       {"taikyoku_mode", &g.taikyoku_mode},
          {"tesu", &g.tesu},                   {"level", &g.level},
          {"ou_tori", &g.ou_tori},             {"ou_sita_x", &g.ou_sita_x},
          {"ou_sita_y", &g.ou_sita_y},         {"ou_ue_x", &g.ou_ue_x},
          {"ou_ue_y", &g.ou_ue_y},             {"sentaku", &g.sentaku},
          {"sentaku_x", &g.sentaku_x},         {"sentaku_y", &g.sentaku_y},
          {"chudan", &g.chudan},               {"kifu_mode", &g.kifu_mode},
          {"hanten", &g.hanten},               {"hande_level", &g.hande_level},
          {"hande_settei", &g.hande_settei},   {"kifu_tesu", &g.kifu_tesu},
          {"saigo_tesu", &g.saigo_tesu},       {"haikei", &g.haikei},
          {"sidou_on", &g.sidou_on},           {"sidou_iro", &g.sidou_iro},
          {"haikei_iro", &g.haikei_iro},       {"masu_iro", &g.masu_iro},
          {"moji_iro", &g.moji_iro},           {"nari_koma", &g.nari_koma},
          {"fuka_ue_ari", &g.fuka_ue_ari},     {"nigemichi_su", &g.nigemichi_su},
          {"teban_kaishi", &g.teban_kaishi},   {"keika_byou", &g.keika_byou},
          {"hyouji_byou", &g.hyouji_byou},     {"mochi_jikan_ue", &g.mochi_jikan_ue},
          {"mochi_jikan_sita", &g.mochi_jikan_sita}};
}

Table* table_named(Game& g, const std::string& name) {
  const std::map<std::string, Table*> tables = {
      {"ban", &g.ban},
      {"seiryoku_sita", &g.seiryoku_sita},
      {"seiryoku_ue", &g.seiryoku_ue},
      {"kogeki_su_sita", &g.kogeki_su_sita},
      {"kogeki_koma_sita", &g.kogeki_koma_sita},
      {"kogeki_x_sita", &g.kogeki_x_sita},
      {"kogeki_y_sita", &g.kogeki_y_sita},
      {"mamori_koma_sita", &g.mamori_koma_sita},
      {"mamori_koma_ue", &g.mamori_koma_ue},
      {"mamori_x_ue", &g.mamori_x_ue},
      {"mamori_y_ue", &g.mamori_y_ue},
      {"kogeki_koma_ue", &g.kogeki_koma_ue},
      {"kogeki_x_ue", &g.kogeki_x_ue},
      {"kogeki_y_ue", &g.kogeki_y_ue},
      {"oute_sita", &g.oute_sita},
      {"oute_ue", &g.oute_ue},
      {"kaku_nerai_ue", &g.kaku_nerai_ue},
      {"fuka_sita", &g.fuka_sita},
      {"fuka_ue", &g.fuka_ue},
      {"ban_mae", &g.ban_mae}};
  auto it = tables.find(name);
  return it == tables.end() ? nullptr : it->second;
}

}  // namespace hakuro::replay
