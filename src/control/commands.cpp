#include "control/commands.h"

#include <algorithm>
#include <array>

#include "control/handicap_menu.h"
#include "control/hint.h"
#include "control/kif_menu.h"
#include "control/last_game.h"
#include "control/menu.h"
#include "control/new_game.h"
#include "control/record_menu.h"
#include "control/resign.h"
#include "control/standard_rules.h"
#include "control/startup.h"
#include "form/option_items.h"
#include "options/clock.h"
#include "options/settings.h"

// Marks a caption for Qt's lupdate; the window translates it in the "menu" context.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace hakuro {

namespace {

void nothing(Form&) {}
void on_usi_engines(Form& f) { f.win.usi_engine_settings(); }
void on_analyse(Form& f) { f.win.analyse_record(); }
void on_live_analysis(Form& f) { f.win.switch_live_analysis(); }
void on_analysis_kif(Form& f) { f.win.switch_analysis_comments(); }

constexpr unsigned kMenu = Command::kMenu, kWaits = Command::kWaits, kCheck = Command::kCheck,
                   kItem = Command::kItem;

// clang-format off
constexpr std::array kCommands = std::to_array<Command>({
    {"TAIKYOKU", nullptr, QT_TRANSLATE_NOOP("menu", "対局"), on_match_menu, kMenu},
    {"NEW_GAME", "TAIKYOKU", QT_TRANSLATE_NOOP("menu", "新規対局…"), on_new_game, kWaits},
    {"MATCH_MAN", "TAIKYOKU", QT_TRANSLATE_NOOP("menu", "対局(人間)"), nothing, kMenu},
    {"START", "MATCH_MAN", QT_TRANSLATE_NOOP("menu", "スタート"), on_start, kWaits},
    {"START2", "TAIKYOKU", QT_TRANSLATE_NOOP("menu", "対局(COM)"), nothing, kMenu},
    {"SENTE", "START2", QT_TRANSLATE_NOOP("menu", "先手"), on_sente, kWaits},
    {"GOTE", "START2", QT_TRANSLATE_NOOP("menu", "後手"), on_gote, kWaits},
    {"LEVEL", "TAIKYOKU", QT_TRANSLATE_NOOP("menu", "COM対局ﾚﾍﾞﾙ"), nothing, kMenu},
    // The levels are captioned with their names, in every language.
    {kLevelItems[0], "LEVEL", kLevelItems[0], on_level1, kWaits | kCheck},
    {kLevelItems[1], "LEVEL", kLevelItems[1], on_level2, kWaits | kCheck},
    {kLevelItems[2], "LEVEL", kLevelItems[2], on_level3, kWaits | kCheck},
    {kLevelItems[3], "LEVEL", kLevelItems[3], on_level4, kWaits | kCheck},
    {kLevelItems[4], "LEVEL", kLevelItems[4], on_level5, kWaits | kCheck},
    {"HINT", "TAIKYOKU", QT_TRANSLATE_NOOP("menu", "ヒント"), on_hint, kWaits},
    {"RESIGN", "TAIKYOKU", QT_TRANSLATE_NOOP("menu", "投了"), on_resign, kWaits},
    {"LAST_GAME", "TAIKYOKU", QT_TRANSLATE_NOOP("menu", "前回の対局"), on_last_game, kWaits},
    {"OWARI", "TAIKYOKU", QT_TRANSLATE_NOOP("menu", "終わり"), on_quit, kItem},

    {"STOP", nullptr, QT_TRANSLATE_NOOP("menu", "局面"), on_position_menu, kMenu},
    {"CANCEL", "STOP", QT_TRANSLATE_NOOP("menu", "最初"), on_to_start, kWaits},
    {"REVERSE", "STOP", QT_TRANSLATE_NOOP("menu", "反転"), on_turn_round, kWaits},
    {"SFEN_COPY", "STOP", QT_TRANSLATE_NOOP("menu", "局面をコピー(SFEN)"), on_sfen_copy, kWaits},
    {"SFEN_PASTE", "STOP", QT_TRANSLATE_NOOP("menu", "局面を貼付(SFEN)"), on_sfen_paste, kWaits},

    {"REPLAY", nullptr, QT_TRANSLATE_NOOP("menu", "戻"), on_back, kWaits},
    {"AFTER", nullptr, QT_TRANSLATE_NOOP("menu", "進"), on_forward, kWaits},
    {"LBEL_UP", nullptr, QT_TRANSLATE_NOOP("menu", "△"), on_handicap_up, kWaits},
    {"LEBEL_DOWN", nullptr, QT_TRANSLATE_NOOP("menu", "▽"), on_handicap_down, kWaits},

    {"KIFU", nullptr, QT_TRANSLATE_NOOP("menu", "棋譜"), nothing, kMenu},
    {"KIFU_READ", "KIFU", QT_TRANSLATE_NOOP("menu", "読込"), on_record_load, kWaits},
    {"KIFU_WRITE", "KIFU", QT_TRANSLATE_NOOP("menu", "書込"), on_record_save, kWaits},
    {"KIF_WRITE", "KIFU", QT_TRANSLATE_NOOP("menu", "KIF形式で書出…"), on_kif_write, kWaits},
    {"KIF_READ", "KIFU", QT_TRANSLATE_NOOP("menu", "KIF形式を読込…"), on_kif_read, kWaits},
    // The analysis runs beside games: the window refuses it while the computer thinks.
    {"ANALYSE", "KIFU", QT_TRANSLATE_NOOP("menu", "解析"), on_analyse, kItem},
    {kLiveAnalysisItem, "KIFU", QT_TRANSLATE_NOOP("menu", "検討"), on_live_analysis, kCheck},
    {kAnalysisKifItem, "KIFU", QT_TRANSLATE_NOOP("menu", "解析結果をKIFに書く"), on_analysis_kif,
     kCheck},

    // The options and その他 go on while the computer thinks.
    {"OPTION", nullptr, QT_TRANSLATE_NOOP("menu", "ｵﾌﾟｼｮﾝ"), on_options_menu, kMenu},
    {"HAIKEI_GA", "OPTION", QT_TRANSLATE_NOOP("menu", "背景画"), nothing, kMenu},
    {kGreenItem, "HAIKEI_GA", QT_TRANSLATE_NOOP("menu", "緑"), on_green, kCheck},
    {kTatamiItem, "HAIKEI_GA", QT_TRANSLATE_NOOP("menu", "畳"), on_tatami, kCheck},
    {kBambooItem, "HAIKEI_GA", QT_TRANSLATE_NOOP("menu", "竹"), on_bamboo, kCheck},
    {kSpaceItem, "HAIKEI_GA", QT_TRANSLATE_NOOP("menu", "宇宙"), on_space, kCheck},
    {kBrickItem, "HAIKEI_GA", QT_TRANSLATE_NOOP("menu", "煉瓦"), on_brick, kCheck},
    {kGuidanceItem, "OPTION", QT_TRANSLATE_NOOP("menu", "移動指導"), on_guidance, kCheck},
    {kShowTimesItem, "OPTION", QT_TRANSLATE_NOOP("menu", "経過時間"), on_elapsed_time, kCheck},
    {kMusicItem, "OPTION", QT_TRANSLATE_NOOP("menu", "BGM"), on_music, kCheck},
    {kCoordinatesItem, "OPTION", QT_TRANSLATE_NOOP("menu", "座標を先手から見る"),
     on_coordinates_from_sente, kCheck},
    {kStandardRulesItem, "OPTION", QT_TRANSLATE_NOOP("menu", "本将棋"), on_standard_rules, kCheck},
    {"USI_ENGINES", "OPTION", QT_TRANSLATE_NOOP("menu", "USIエンジンの設定…"), on_usi_engines, kItem},

    {"VER", nullptr, QT_TRANSLATE_NOOP("menu", "その他"), on_version, kItem},
});
// clang-format on

}  // namespace

std::span<const Command> commands() { return kCommands; }

const Command* find_command(std::string_view name) {
  auto it = std::find_if(kCommands.begin(), kCommands.end(),
                         [name](const Command& c) { return c.name == name; });
  return it == kCommands.end() ? nullptr : &*it;
}

}  // namespace hakuro
