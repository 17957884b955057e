#include "qt/language/core_texts.h"

#include <vector>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>

namespace hakuro {

namespace {

const QTranslator* active = nullptr;

// Texts the core puts together from a sentence and a number or a position. A new one needs its
// pattern here and the pattern's translation in the "core" context. A part that is a text of
// the core itself (the reason after a line number) is translated as well.
const char* const kPatterns[] = {
    QT_TRANSLATE_NOOP("core", "棋譜ﾌｧｲﾙの%1行目が正しくありません"),
    QT_TRANSLATE_NOOP("core", "KIFﾌｧｲﾙの%1行目が正しくありません"),
    QT_TRANSLATE_NOOP("core", "KIFﾌｧｲﾙの%1行目の指手は指せません"),
    QT_TRANSLATE_NOOP("core", "KIFﾌｧｲﾙの%1行目: 手数が多すぎます(%2手まで)"),
    QT_TRANSLATE_NOOP("core", "KIFﾌｧｲﾙの%1行目: %2"),  // %2 a sentence translated itself
    QT_TRANSLATE_NOOP("core", "KIFﾌｧｲﾙが大きすぎます(%1MBまで)"),
    QT_TRANSLATE_NOOP("core", "局面をｺﾋﾟｰしました\n\n%1"),
    QT_TRANSLATE_NOOP("core", "HAKURO KAISEN将棋\n\nVersion %1"),
    QT_TRANSLATE_NOOP("core", "USIエンジンを起動できません: %1"),
    QT_TRANSLATE_NOOP("core", "USIエンジンの応答が正しくありません: %1"),
    QT_TRANSLATE_NOOP("core", "USIエンジンの指手は指せません: %1"),
    QT_TRANSLATE_NOOP("core", "評価値 %1  読み筋 %2"),
    QT_TRANSLATE_NOOP("core", "評価値 %1"),
    QT_TRANSLATE_NOOP("core", "先手(%1)の勝ちです"),  // %1 the player: LEVEL5, USI: name
    QT_TRANSLATE_NOOP("core", "後手(%1)の勝ちです"),
};

const QRegularExpression& placeholder() {
  static const QRegularExpression re(QStringLiteral("%([1-9])"));
  return re;
}

// A pattern as a regular expression matching the whole text, with the number of the
// placeholder each capture stands for.
struct Matcher {
  QString source;
  QRegularExpression re;
  std::vector<int> numbers;
};

Matcher matcher(const QString& source) {
  Matcher m{source, {}, {}};
  QString re = QStringLiteral("^");
  qsizetype at = 0;
  for (auto it = placeholder().globalMatch(source); it.hasNext();) {
    const QRegularExpressionMatch p = it.next();
    re += QRegularExpression::escape(source.mid(at, p.capturedStart() - at)) + "(.+?)";
    m.numbers.push_back(p.captured(1).toInt());
    at = p.capturedEnd();
  }
  re += QRegularExpression::escape(source.mid(at)) + "$";
  m.re = QRegularExpression(re, QRegularExpression::DotMatchesEverythingOption);
  return m;
}

const std::vector<Matcher>& matchers() {
  static const std::vector<Matcher> all = [] {
    std::vector<Matcher> out;
    for (const QString& p : core_patterns()) out.push_back(matcher(p));
    return out;
  }();
  return all;
}

// The translation with each %n replaced by the n-th part, in one pass.
QString fill(const QString& translation, const std::vector<QString>& parts) {
  QString out;
  qsizetype at = 0;
  for (auto it = placeholder().globalMatch(translation); it.hasNext();) {
    const QRegularExpressionMatch p = it.next();
    const auto n = static_cast<std::size_t>(p.captured(1).toInt());
    out += translation.mid(at, p.capturedStart() - at);
    out += n <= parts.size() ? parts[n - 1] : p.captured();
    at = p.capturedEnd();
  }
  return out + translation.mid(at);
}

std::optional<QString> lookup(const QTranslator& translator, const QString& source, bool question) {
  const QByteArray utf8 = source.toUtf8();
  QString t = translator.translate(kCoreContext, utf8.constData(), question ? kQuestion : nullptr);
  if (t.isEmpty()) return std::nullopt;
  return t;
}

QString from_utf8(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

}  // namespace

const QStringList& core_patterns() {
  static const QStringList all = [] {
    QStringList out;
    for (const char* p : kPatterns) out << QString::fromUtf8(p);
    return out;
  }();
  return all;
}

std::optional<QString> translate_core(const QTranslator& translator, const QString& text,
                                      bool question) {
  if (auto whole = lookup(translator, text, question)) return whole;
  for (const Matcher& m : matchers()) {
    const QRegularExpressionMatch found = m.re.match(text);
    if (!found.hasMatch()) continue;
    const auto t = lookup(translator, m.source, question);
    if (!t) return std::nullopt;
    std::vector<QString> parts(m.numbers.size());
    for (std::size_t i = 0; i < m.numbers.size(); ++i) {
      const auto n = static_cast<std::size_t>(m.numbers[i]);
      if (n > parts.size()) parts.resize(n);
      const QString part = found.captured(static_cast<int>(i) + 1);
      parts[n - 1] = lookup(translator, part, false).value_or(part);
    }
    return fill(*t, parts);
  }
  return std::nullopt;
}

QString core_text(const std::string& text, bool question) {
  QString t = from_utf8(text);
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  if (!active) return t;
  return translate_core(*active, t, question).value_or(t);
}

QString board_text(const std::string& text) {
  return QCoreApplication::translate(kBoardContext, text.c_str());
}

QString menu_text(const char* caption) {
  return QCoreApplication::translate(kMenuContext, caption);
}

void set_core_translator(const QTranslator* translator) { active = translator; }

}  // namespace hakuro
