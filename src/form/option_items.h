// The names of the ｵﾌﾟｼｮﾝ menu's check-marked items: the command table names its items by them
// and the options set their check marks by them.
#pragma once

namespace hakuro {

inline constexpr const char* kGuidanceItem = "SIDOU";          // 移動指導
inline constexpr const char* kShowTimesItem = "KEIKA";         // 経過時間
inline constexpr const char* kMusicItem = "BGM";               // BGM
inline constexpr const char* kCoordinatesItem = "ZAHYO";       // 座標を先手から見る
inline constexpr const char* kStandardRulesItem = "HONSHOGI";  // 本将棋
// The backgrounds (背景画): 緑, 畳, 竹, 宇宙, 煉瓦.
inline constexpr const char* kGreenItem = "MIDORI";
inline constexpr const char* kTatamiItem = "TATAMI";
inline constexpr const char* kBambooItem = "TAKE";
inline constexpr const char* kSpaceItem = "UCHU";
inline constexpr const char* kBrickItem = "RENGA";

}  // namespace hakuro
