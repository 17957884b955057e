#include "qt/language/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "qt/language/core_texts.h"

namespace hakuro {

namespace {

constexpr const char* kEnglish = ":/i18n/hakuro_en.qm";

// The locale's language: the first of these that is set and not empty, as the C library takes
// them.
Language locale_language(const Getenv& getenv) {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = getenv(name);
    if (value && *value)
      return std::string_view(value).starts_with("ja") ? Language::japanese : Language::english;
  }
  return Language::english;
}

// Qt's own texts (the file dialog, the standard buttons) in Japanese, from Qt's translations
// (Debian's qt6-translations-l10n); without them they stay English.
void use_qt_japanese(bool on) {
  static QTranslator* qt = nullptr;
  if (!on) {
    if (qt) QCoreApplication::removeTranslator(qt);
    return;
  }
  if (!qt) {
    qt = new QTranslator(QCoreApplication::instance());
    if (!qt->load(QStringLiteral("qtbase_ja"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      delete qt;
      qt = nullptr;
      return;
    }
  }
  QCoreApplication::installTranslator(qt);
}

}  // namespace

std::optional<Language> language_named(std::string_view name) {
  if (name == "ja") return Language::japanese;
  if (name == "en") return Language::english;
  return std::nullopt;
}

Language choose_language(std::optional<Language> option, const Getenv& getenv,
                         std::string* warnings) {
  if (option) return *option;
  if (const char* value = getenv("HAKURO_LANG"); value && *value) {
    if (const auto named = language_named(value)) return *named;
    if (warnings)
      *warnings += "hakuro: HAKURO_LANG=" + std::string(value) +
                   " is neither ja nor en; the locale decides\n";
  }
  return locale_language(getenv);
}

bool use_language(Language language) {
  static QTranslator* english = nullptr;
  use_qt_japanese(language == Language::japanese);
  if (language == Language::japanese) {
    if (english) QCoreApplication::removeTranslator(english);
    set_core_translator(nullptr);
    return true;
  }
  if (!english) {
    english = new QTranslator(QCoreApplication::instance());
    if (!english->load(QString::fromLatin1(kEnglish))) {
      delete english;
      english = nullptr;
      return false;
    }
  }
  QCoreApplication::installTranslator(english);
  set_core_translator(english);
  return true;
}

}  // namespace hakuro
