// hakuro-analyse --json: one valid document, every move with every field, the summary counting
// the marks the moves carry.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "game.h"
#include "unit/test_folder.h"

namespace hakuro::analyse {
namespace {

TEST(AnalyseJson, IsOneCompleteDocument) {
  testing::TestFolder folder;
  testing::TestFolder::write("rook.kifu", kHungRookKif);
  const Ran r = run_tool({"rook.kifu", "--rules", "standard", "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(r.out), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << r.out;
  const QJsonObject root = doc.object();
  EXPECT_EQ(root["rules"].toString(), "standard");
  EXPECT_EQ(root["budget"].toObject()["nodes"].toInt(), 100000);
  EXPECT_EQ(root["start"].toObject()["best_usi"].toString().size(), 4);

  const QJsonArray moves = root["moves"].toArray();
  ASSERT_EQ(moves.size(), 10);
  int blunders[2] = {}, dubious[2] = {};
  for (int i = 0; i < moves.size(); ++i) {
    const QJsonObject m = moves[i].toObject();
    for (const char* key : {"number", "mover", "move", "usi", "score", "score_text", "mate", "best",
                            "best_usi", "loss", "mark", "pv"})
      EXPECT_TRUE(m.contains(key)) << "move " << i + 1 << " lacks " << key;
    EXPECT_EQ(m["number"].toInt(), i + 1);
    EXPECT_EQ(m["mover"].toString(), i % 2 ? "gote" : "sente");
    EXPECT_EQ(m["pv"].toArray().first().toString(), m["best"].toString());
    const int side = i % 2;
    blunders[side] += m["mark"].toString() == "悪手";
    dubious[side] += m["mark"].toString() == "疑問手";
  }
  const QJsonObject nine = moves[kBlunder - 1].toObject();
  EXPECT_EQ(nine["move"].toString(), "▲７六歩");
  EXPECT_EQ(nine["usi"].toString(), "7g7f");
  EXPECT_GE(nine["loss"].toInt(), 300);
  EXPECT_EQ(nine["mark"].toString(), "悪手");
  EXPECT_EQ(moves[kBlunder].toObject()["usi"].toString(), "2c2d");

  const QJsonObject summary = root["summary"].toObject();
  const char* sides[2] = {"sente", "gote"};
  for (int side = 0; side < 2; ++side) {
    EXPECT_EQ(summary[sides[side]].toObject()["blunders"].toInt(), blunders[side]);
    EXPECT_EQ(summary[sides[side]].toObject()["dubious"].toInt(), dubious[side]);
  }
  EXPECT_EQ(blunders[0], 1);
}

}  // namespace
}  // namespace hakuro::analyse
