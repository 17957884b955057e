// What the window keeps between starts in its own settings, beside the game's options in the run
// folder's HAKURO将棋1.ini: its size and place, the move list's dock, the computer's level,
// 座標を先手から見る, and the language last named on the command line or in HAKURO_LANG. They
// live in the QSettings file of the organisation and application "hakuro" (on Linux
// ~/.config/hakuro/hakuro.conf).
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "qt/language/language.h"

class QSettings;

namespace hakuro {

class MainWindow;

// The settings store the window keeps all this in.
std::unique_ptr<QSettings> window_settings_store();

// Makes the loaded window as it was when it last closed, its title bar on a screen; the first
// time, large enough for 60-pixel squares where the screen allows, and centred on it.
void restore_window(MainWindow& w);
// Keeps what restore_window restores.
void keep_window(MainWindow& w);

// The window's language: --lang, else HAKURO_LANG, else the one kept from the last start that
// named one of them, else the locale (choose_language). A language named is kept.
Language start_language(std::optional<Language> option, const Getenv& getenv,
                        std::string* warnings);

}  // namespace hakuro
