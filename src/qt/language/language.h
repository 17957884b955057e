// The language of the window: Japanese, the program's own, or English for those who do not read
// it. Chosen once at start-up, before the window is made.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace hakuro {

enum class Language { japanese, english };

// "ja" or "en"; nothing for anything else.
std::optional<Language> language_named(std::string_view name);

// Reads an environment variable: its value, or null when it is not set.
using Getenv = std::function<const char*(const char*)>;

// The language asked for: the command line's --lang, else HAKURO_LANG (ja or en; any other
// value is passed over with a warning on `warnings`), else the locale, whose first set variable
// of LC_ALL, LC_MESSAGES and LANG gives Japanese when it starts with "ja" and English otherwise.
// With none of them set the locale is C, and so English.
Language choose_language(std::optional<Language> option, const Getenv& getenv,
                         std::string* warnings = nullptr);

// Makes the window's texts `language` from now on: English installs the translator (from the
// program's resources), Japanese removes it and gives Qt's own dialogs and buttons Qt's
// Japanese translation where it is installed. False when the translation could not be loaded;
// the texts then stay Japanese.
bool use_language(Language language);

}  // namespace hakuro
