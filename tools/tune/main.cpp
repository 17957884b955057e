// hakuro-tune OUT.h [--own DIR]... [--standard DIR]... [--skip N] [--epochs N] [--share F]
// Fits the king relations' weights (src/engine/relation_weights.h) to the games saved in each DIR
// (hakuro-match --save, played under the rules named before it) and writes them to OUT.h. Every
// tenth game is held out, and the loss on those games before and after the fit is reported.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "engine/relation_weights.h"
#include "fit.h"
#include "game_file.h"

namespace {

using namespace hakuro;

int usage() {
  std::cerr << "usage: hakuro-tune OUT.h [--own DIR]... [--standard DIR]... [--skip N]"
               " [--epochs N] [--share F]\n"
               "  DIR holds games saved by hakuro-match under the rules named before it\n"
               "  --skip N: leave out each game's first N positions (default 16)\n"
               "  --epochs N: full passes of the fit (default 300)\n"
               "  --share F: the share of the fitted change that is written (default 0.3)\n";
  return 2;
}

struct GameDir {
  std::string dir;
  engine::Rules rules;
};

std::vector<std::filesystem::path> game_files(const std::string& dir) {
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(std::filesystem::u8path(dir), ec))
    if (e.is_regular_file()) files.push_back(e.path());
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc % 2 != 0) return usage();
  const std::string out_path = argv[1];
  std::vector<GameDir> dirs;
  int skip = 16;
  double share = 0.3;
  tune::FitOptions fit;
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string flag = argv[i], arg = argv[i + 1];
    try {
      if (flag == "--own") dirs.push_back({arg, engine::Rules::own});
      else if (flag == "--standard") dirs.push_back({arg, engine::Rules::standard});
      else if (flag == "--skip") skip = std::max(0, std::stoi(arg));
      else if (flag == "--epochs") fit.epochs = std::max(1, std::stoi(arg));
      else if (flag == "--share") share = std::clamp(std::stod(arg), 0.0, 1.0);
      else return usage();
    } catch (...) {
      return usage();
    }
  }
  if (dirs.empty()) return usage();

  tune::Samples train, held;
  int games = 0;
  for (const GameDir& dir : dirs)
    for (const auto& file : game_files(dir.dir)) {
      const analyse::GameRead read = analyse::read_game_file(file.string());
      if (!read.error.empty()) {
        std::cerr << file.string() << ": " << read.error << '\n';
        continue;
      }
      tune::add_game(read.game, dir.rules, skip, ++games % 10 == 0 ? held : train);
    }
  std::cerr << games << " games, " << train.list.size() << " positions to fit, " << held.list.size()
            << " held out\n";
  if (train.list.empty()) return 1;

  std::vector<double> start(static_cast<std::size_t>(tune::feature_count()));
  for (int k = 0; k < 2; ++k)
    for (int g = 0; g < engine::relation::GROUP_N; ++g)
      for (int p = 0; p < engine::relation::PLACE_N; ++p)
        start[std::size_t(tune::feature_index(k, g, p))] = engine::weights::RELATION[k][g][p];
  const double scale = tune::fit_scale(train, start);
  std::cerr << "scale " << scale << "; held-out loss " << tune::loss(held, start, scale);
  const std::vector<double> fitted = tune::fit_weights(train, start, scale, fit);
  std::cerr << " -> " << tune::loss(held, fitted, scale)
            << " (fitted: " << tune::loss(train, fitted, scale) << ")\n";

  // The curve fitted to these games is flat: a search does best with a share of the change.
  std::vector<double> w = start;
  for (std::size_t i = 0; i < w.size(); ++i) w[i] += share * (fitted[i] - start[i]);
  std::ofstream out(std::filesystem::u8path(out_path), std::ios::binary);
  out << tune::table_header(w);
  return out ? 0 : 1;
}
