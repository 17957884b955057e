// The core's texts in the window's language. The core speaks Japanese only; the window's ports
// turn what it hands them into the language chosen, so that the core and everything it writes
// stay as they are. A text without a translation shows as it is, in Japanese.
#pragma once

#include <optional>
#include <string>

#include <QString>
#include <QStringList>

class QTranslator;

namespace hakuro {

// The translation contexts of the core's texts in translations/hakuro_en.ts: "core" for message
// boxes (texts and titles), file dialogs and the names shown beside the board, "board" for the
// captions the core draws on the board itself, "menu" for the captions of the menu bar
// (control/commands.h).
inline constexpr const char* kCoreContext = "core";
inline constexpr const char* kBoardContext = "board";
inline constexpr const char* kMenuContext = "menu";
// The disambiguation of a text's translation for a Yes/No box, where it is a question.
inline constexpr const char* kQuestion = "question";

// A message box's text or title, or a file dialog's, in the window's language; carriage
// returns break lines.
QString core_text(const std::string& text, bool question = false);
// A caption the core draws on the board, in the window's language.
QString board_text(const std::string& text);
// A menu's or a menu item's caption, in the window's language.
QString menu_text(const char* caption);

// What `translator` makes of a text of the core: the whole text's own translation, else that of
// the pattern it matches, whose %1, %2 … parts (numbers, a position) are kept as they are;
// nothing when it has neither.
std::optional<QString> translate_core(const QTranslator& translator, const QString& text,
                                      bool question = false);

// The translator core_text uses; none for Japanese.
void set_core_translator(const QTranslator* translator);

// The core's texts that carry a number or a position, with %1, %2 … in their place.
const QStringList& core_patterns();

}  // namespace hakuro
