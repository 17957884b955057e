// The English translation: the language chosen from the command line, HAKURO_LANG and the locale;
// every text the core can show translated (a missing one fails here, never shows blank); texts
// put together from a sentence and a number translated whole; captions that fit the board.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QTranslator>
#include <QXmlStreamReader>

#include "display/geometry.h"
#include "display/text.h"
#include "qt/command_line.h"
#include "qt/language/core_texts.h"
#include "qt/language/language.h"
#include "qt/view/canvas.h"
#include "qt_app.h"

namespace hakuro::test {

namespace {

const QString kSource = QStringLiteral(HAKURO_SOURCE_DIR);

// Kana, kanji, Japanese punctuation and the full- and half-width forms.
bool japanese(const QString& s) {
  for (const QChar c : s) {
    const char16_t u = c.unicode();
    if ((u >= 0x3000 && u <= 0x30ff) || (u >= 0x3400 && u <= 0x9fff) ||
        (u >= 0xff00 && u <= 0xffef))
      return true;
  }
  return false;
}

// A text less the names that stay as they are in every language: the program's, its settings
// file's and the record files' extension.
QString words(QString s) {
  for (const char* name : {"HAKURO KAISEN将棋", "HAKURO将棋1.ini", ".棋譜"})
    s.remove(QString::fromUtf8(name));
  return s;
}

QString with_line_breaks(QString s) {
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return s;
}

QString read_text(const QString& path) {
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
  return QString::fromUtf8(f.readAll());
}

// ---- translations/hakuro_en.ts

struct TsMessage {
  QString context, source, disambiguation, translation;
  bool finished = true;
};

std::vector<TsMessage> ts_messages() {
  std::vector<TsMessage> out;
  QXmlStreamReader xml(read_text(kSource + "/translations/hakuro_en.ts"));
  QString context;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const auto name = xml.name();
    if (name == QLatin1String("name")) context = xml.readElementText();
    else if (name == QLatin1String("message")) out.push_back({context, {}, {}, {}, true});
    else if (name == QLatin1String("source")) out.back().source = xml.readElementText();
    else if (name == QLatin1String("comment")) out.back().disambiguation = xml.readElementText();
    else if (name == QLatin1String("translation")) {
      out.back().finished = xml.attributes().value(QLatin1String("type")).isEmpty();
      out.back().translation = xml.readElementText();
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return out;
}

// ---- the core's string literals

// A string literal's escapes read: \r, \n, \t, \", \', \\.
std::string unescaped(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\\' || i + 1 == s.size()) {
      out += s[i];
      continue;
    }
    const char c = s[++i];
    out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
  }
  return out;
}

// The string literals of a C++ source, comments and character literals passed over.
std::vector<std::string> string_literals(const std::string& src) {
  std::vector<std::string> out;
  const auto hex = [&](std::size_t i) {
    return i < src.size() && std::isxdigit(static_cast<unsigned char>(src[i])) != 0;
  };
  std::size_t i = 0;
  while (i < src.size()) {
    if (src.compare(i, 2, "//") == 0) {
      i = src.find('\n', i);
    } else if (src.compare(i, 2, "/*") == 0) {
      i = src.find("*/", i + 2);
      if (i != std::string::npos) i += 2;
    } else if (src[i] == '"' && i > 0 && src[i - 1] == 'R') {  // R"delim( … )delim"
      const std::size_t open = src.find('(', i);
      const std::string end = ")" + src.substr(i + 1, open - i - 1) + "\"";
      const std::size_t close = src.find(end, open);
      out.push_back(src.substr(open + 1, close - open - 1));
      i = close == std::string::npos ? close : close + end.size();
    } else if (src[i] == '"' || (src[i] == '\'' && !(i > 0 && hex(i - 1) && hex(i + 1)))) {
      const char quote = src[i];
      std::size_t j = i + 1;
      while (j < src.size() && src[j] != quote) j += src[j] == '\\' ? 2 : 1;
      if (quote == '"') out.push_back(unescaped(src.substr(i + 1, j - i - 1)));
      i = j + 1;
    } else {
      ++i;
    }
    if (i == std::string::npos) break;
  }
  return out;
}

// The move notation and the board's coordinates stay in kanji in every language.
bool notation_only(const QString& s) {
  static const QString kanji = QString::fromUtf8(
      "一二三四五六七八九十０１２３４５６７８９歩香桂銀金角飛王玉と馬龍竜杏圭全仝成不打同▲△▽・"
      "　（）：");
  for (const QChar c : s)
    if (c.unicode() >= 0x80 && !kanji.contains(c)) return false;
  return true;
}

struct Literal {
  QString text, file;
};

// Every literal of the core (src/ less the window and the sound library) that holds words.
std::vector<Literal> core_literals() {
  std::vector<Literal> out;
  const QDir src(kSource + "/src");
  for (const QString& folder : src.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    if (folder == "qt" || folder == "sound") continue;
    const QDir dir(src.filePath(folder));
    for (const QString& name : dir.entryList({"*.cpp", "*.h"}, QDir::Files)) {
      std::ifstream in(dir.filePath(name).toStdString());
      std::stringstream text;
      text << in.rdbuf();
      for (const std::string& s : string_literals(text.str())) {
        const QString q = with_line_breaks(QString::fromStdString(s));
        if (japanese(q) && !notation_only(q)) out.push_back({q, "src/" + folder + "/" + name});
      }
    }
  }
  return out;
}

// translations/kept_in_japanese.txt: one quoted literal a line.
QStringList kept_in_japanese() {
  QStringList out;
  for (const QString& line :
       read_text(kSource + "/translations/kept_in_japanese.txt").split('\n')) {
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith('#')) continue;
    EXPECT_TRUE(t.size() >= 2 && t.startsWith('"') && t.endsWith('"')) << t.toStdString();
    out << with_line_breaks(
        QString::fromStdString(unescaped(t.mid(1, t.size() - 2).toStdString())));
  }
  return out;
}

// ---- the scenarios' message boxes: msgbox "TITLE" "TEXT" ok|yesno -> …

struct Box {
  QString title, text;
  bool yes_no;
};

// The quoted word at `at`, moving past it.
QString quoted(const std::string& line, std::size_t& at) {
  std::string out;
  at = line.find('"', at) + 1;
  for (; at < line.size() && line[at] != '"'; ++at) {
    if (line[at] == '\\') {
      const char c = line[++at];
      out += c == 'r' ? '\r' : c == 'n' ? '\n' : c;
    } else {
      out += line[at];
    }
  }
  ++at;
  return with_line_breaks(QString::fromStdString(out));
}

std::vector<Box> scenario_boxes() {
  std::vector<Box> out;
  const QDir dir(kSource + "/tests/scenarios");
  for (const QString& name : dir.entryList({"*.expected"}, QDir::Files)) {
    std::ifstream in(dir.filePath(name).toStdString());
    for (std::string line; std::getline(in, line);) {
      if (!line.starts_with("msgbox \"")) continue;
      std::size_t at = 0;
      Box b;
      b.title = quoted(line, at);
      b.text = quoted(line, at);
      b.yes_no = line.compare(at, 7, " yesno ") == 0;
      out.push_back(b);
    }
  }
  return out;
}

class TranslationTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { app(); }
  void SetUp() override {
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/hakuro_en.qm")));
    for (const TsMessage& m : ts_messages())
      if (m.context == kCoreContext || m.context == kBoardContext || m.context == kMenuContext)
        sources << m.source;
  }
  std::optional<QString> english_of(const QString& text, bool question = false) {
    return translate_core(english, text, question);
  }

  QTranslator english;
  QStringList sources;  // of the core's contexts
};

TEST_F(TranslationTest, EveryEntryIsTranslatedAndBuiltIn) {
  const std::vector<TsMessage> messages = ts_messages();
  ASSERT_GT(messages.size(), 150u);
  std::map<QString, int> seen;
  for (const TsMessage& m : messages) {
    const std::string where = (m.context + " / " + m.source).toStdString();
    EXPECT_TRUE(m.finished && !m.translation.isEmpty()) << where;
    EXPECT_FALSE(japanese(words(m.translation))) << where << " -> " << m.translation.toStdString();
    EXPECT_EQ(++seen[m.context + '\x1f' + m.source + '\x1f' + m.disambiguation], 1) << where;
    const QByteArray ctx = m.context.toUtf8(), src = m.source.toUtf8(),
                     dis = m.disambiguation.toUtf8();
    EXPECT_EQ(english.translate(ctx.constData(), src.constData(),
                                dis.isEmpty() ? nullptr : dis.constData()),
              m.translation)
        << where;
  }
}

// A new text in the core fails here until hakuro_en.ts translates it (or, for a word of a file,
// kept_in_japanese.txt lists it).
TEST_F(TranslationTest, EveryTextOfTheCoreIsTranslatedOrKeptOnPurpose) {
  const QStringList kept = kept_in_japanese();
  const std::vector<Literal> literals = core_literals();
  ASSERT_GT(literals.size(), 150u);
  QStringList used;
  for (const Literal& l : literals) {
    used << l.text;
    const bool translated = std::any_of(sources.begin(), sources.end(),
                                        [&](const QString& s) { return s.contains(l.text); });
    EXPECT_TRUE(translated || kept.contains(l.text))
        << l.file.toStdString() << ": \"" << l.text.toStdString()
        << "\" is neither in translations/hakuro_en.ts nor in translations/kept_in_japanese.txt";
  }
  for (const QString& k : kept)
    EXPECT_TRUE(used.contains(k)) << "kept_in_japanese.txt: \"" << k.toStdString()
                                  << "\" is no longer in the core";
}

// Every box the scenarios show, the texts with numbers and positions among them.
TEST_F(TranslationTest, EveryBoxOfTheScenariosHasItsEnglish) {
  const std::vector<Box> boxes = scenario_boxes();
  ASSERT_GT(boxes.size(), 100u);
  for (const Box& b : boxes)
    for (const QString& text : {b.title, b.text}) {
      if (!japanese(text)) continue;
      const auto e = english_of(text, b.yes_no);
      ASSERT_TRUE(e.has_value()) << "no English for \"" << text.toStdString() << "\"";
      EXPECT_FALSE(japanese(words(*e))) << e->toStdString();
    }
}

TEST_F(TranslationTest, SentencesWithANumberOrAPositionAreTranslatedWhole) {
  EXPECT_EQ(english_of(QString::fromUtf8("棋譜ﾌｧｲﾙの12行目が正しくありません")),
            QStringLiteral("Line 12 of the record file is not valid"));
  EXPECT_EQ(english_of(QString::fromUtf8("KIFﾌｧｲﾙの7行目: 手数が多すぎます(10000手まで)")),
            QStringLiteral("Line 7 of the KIF file: too many moves (10000 at most)"));
  // A reason after the line number is a sentence of its own.
  EXPECT_EQ(english_of(QString::fromUtf8("KIFﾌｧｲﾙの3行目: 先手の玉が2枚あります")),
            QStringLiteral("Line 3 of the KIF file: Sente has two kings"));
  // The position copied is shown as it is, whatever it holds.
  const QString sfen = QStringLiteral("4k4/9/4P4/9/9/9/9/9/4K4 w G %1 37");
  EXPECT_EQ(english_of(QString::fromUtf8("局面をｺﾋﾟｰしました\n\n") + sfen),
            QStringLiteral("Position copied\n\n") + sfen);
  // The pattern's words must match whole: a longer text is not that sentence.
  EXPECT_FALSE(english_of(QString::fromUtf8("棋譜ﾌｧｲﾙの12行目が正しくありませんでした")));
  // A question has a translation of its own where the box asks Yes or No.
  const QString step = QString::fromUtf8("棋譜を '進 'で進めて下さい");
  EXPECT_EQ(english_of(step), QStringLiteral("Step through the record with Forward"));
  EXPECT_TRUE(english_of(step, true)->endsWith(QStringLiteral("No leaves the record.")));
  EXPECT_EQ(english_of(QString::fromUtf8("先手の番です"), true), QStringLiteral("Sente to move"));
  for (const QString& p : core_patterns())
    EXPECT_FALSE(english.translate(kCoreContext, p.toUtf8().constData()).isEmpty())
        << p.toStdString();
}

// At run time a text without a translation shows in Japanese, never blank; the program's
// carriage returns break lines in either language.
TEST_F(TranslationTest, AMissingTranslationFallsBackToTheJapanese) {
  ASSERT_TRUE(use_language(Language::english));
  EXPECT_EQ(core_text("続けますか？"), QStringLiteral("Play again?"));
  EXPECT_EQ(core_text("まだ訳のない文"), QString::fromUtf8("まだ訳のない文"));
  EXPECT_EQ(core_text("KIFﾌｧｲﾙの5行目が正しくありません\r\rx"),
            QString::fromUtf8("KIFﾌｧｲﾙの5行目が正しくありません\n\nx"));
  EXPECT_EQ(board_text("思考中"), QStringLiteral("Thinking"));
  EXPECT_EQ(board_text("歩"), QString::fromUtf8("歩"));  // pieces stay in kanji
  ASSERT_TRUE(use_language(Language::japanese));
  EXPECT_EQ(core_text("続けますか？"), QString::fromUtf8("続けますか？"));
  EXPECT_EQ(core_text("ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定\r\n"), QString::fromUtf8("ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定\n"));
  EXPECT_EQ(board_text("思考中"), QString::fromUtf8("思考中"));
}

// The captions the core draws beside the board fit where it paints them over (1x, the board's
// own font): 思考中 between the picture's left edge and the board, the handicap level within
// the four cells draw_handicap_level repaints, 手目 after the move number within the picture.
TEST_F(TranslationTest, BoardCaptionsFitTheirRoom) {
  const auto width = [](const QString& s, int points) {
    QFont f;
    f.setFamilies(view::gothic_families());
    f.setBold(true);
    f.setPixelSize(static_cast<int>(std::ceil(points * 20.0 / TWIPS_PER_PIXEL)));
    return QFontMetricsF(f).horizontalAdvance(s);
  };
  const auto caption = [&](const std::string& s) {
    const QByteArray utf8 = QByteArray::fromStdString(s);
    const QString e = english.translate(kBoardContext, utf8.constData());
    EXPECT_FALSE(e.isEmpty()) << s;
    return e;
  };
  // The shadow is printed a tenth of a cell right of the caption.
  const auto room = [](double from_cell, double offset, double to_twips) {
    return (to_twips - cell_x(from_cell + 0.1) - offset) / TWIPS_PER_PIXEL;
  };
  EXPECT_LE(width(caption("思考中"), 12), room(-1.6, 0, cell_x(1)));
  EXPECT_LE(width(caption("手目"), 10), room(13.8, 120, view::kClientWidth));
  for (int level = -10; level <= 10; ++level) {
    const QString e = caption(handicap_name(level));
    EXPECT_LE(width(e, 10), room(11, 120, cell_x(15))) << e.toStdString();
  }
}

// ---- the command line and the environment

struct Env {
  std::map<std::string, std::string> vars;
  Getenv get() const {
    return [this](const char* name) -> const char* {
      const auto it = vars.find(name);
      return it == vars.end() ? nullptr : it->second.c_str();
    };
  }
};

TEST(LanguageChoice, OptionThenHakuroLangThenTheLocale) {
  const auto choose = [](std::optional<Language> option, Env env) {
    return choose_language(option, env.get());
  };
  constexpr Language ja = Language::japanese, en = Language::english;
  EXPECT_EQ(choose({}, {}), en);  // the C locale
  EXPECT_EQ(choose({}, {{{"LANG", "ja_JP.UTF-8"}}}), ja);
  EXPECT_EQ(choose({}, {{{"LANG", "en_GB.UTF-8"}}}), en);
  EXPECT_EQ(choose({}, {{{"LANG", "de_DE.UTF-8"}}}), en);
  EXPECT_EQ(choose({}, {{{"LANG", "ja_JP.UTF-8"}, {"LC_MESSAGES", "C.UTF-8"}}}), en);
  EXPECT_EQ(choose({}, {{{"LANG", "en_US.UTF-8"}, {"LC_ALL", "ja_JP.eucJP"}}}), ja);
  EXPECT_EQ(choose({}, {{{"LANG", "ja_JP.UTF-8"}, {"LC_ALL", ""}}}), ja);  // empty is unset
  EXPECT_EQ(choose({}, {{{"LANG", "ja_JP.UTF-8"}, {"HAKURO_LANG", "en"}}}), en);
  EXPECT_EQ(choose({}, {{{"LC_ALL", "C"}, {"HAKURO_LANG", "ja"}}}), ja);
  EXPECT_EQ(choose(ja, {{{"LANG", "C"}, {"HAKURO_LANG", "en"}}}), ja);
  EXPECT_EQ(choose(en, {{{"LANG", "ja_JP.UTF-8"}, {"HAKURO_LANG", "ja"}}}), en);
  // A value it does not know is said and passed over.
  std::string warnings;
  const Env french{{{"LANG", "ja_JP.UTF-8"}, {"HAKURO_LANG", "fr"}}};
  EXPECT_EQ(choose_language({}, french.get(), &warnings), ja);
  EXPECT_NE(warnings.find("HAKURO_LANG=fr"), std::string::npos);
}

TEST(LanguageChoice, CommandLineTakesLang) {
  const auto read = [](std::vector<std::string> args, std::string* out = nullptr) {
    args.insert(args.begin(), "hakuro");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    std::stringstream printed, errors;
    std::streambuf* cout = std::cout.rdbuf(printed.rdbuf());
    std::streambuf* cerr = std::cerr.rdbuf(errors.rdbuf());
    const CommandLine line = read_command_line(int(argv.size()), argv.data());
    std::cout.rdbuf(cout);
    std::cerr.rdbuf(cerr);
    if (out) *out = printed.str() + errors.str();
    return line;
  };
  EXPECT_EQ(read({"--lang", "en"}).language, Language::english);
  EXPECT_EQ(read({"--lang=ja"}).language, Language::japanese);
  EXPECT_FALSE(read({}).language.has_value());
  EXPECT_FALSE(read({"--lang", "en"}).exit_status.has_value());
  std::string said;
  EXPECT_EQ(read({"--lang", "fr"}, &said).exit_status, 2);
  EXPECT_NE(said.find("ja or en"), std::string::npos);
  EXPECT_EQ(read({"--lang"}).exit_status, 2);
  EXPECT_EQ(read({"--lang", "en", "--help"}, &said).exit_status, 0);
  EXPECT_NE(said.find("--lang"), std::string::npos);
  EXPECT_NE(said.find("HAKURO_LANG"), std::string::npos);
  EXPECT_EQ(read({"--version"}, &said).exit_status, 0);
  EXPECT_EQ(read({"--colour"}).exit_status, 2);
}

}  // namespace

}  // namespace hakuro::test
