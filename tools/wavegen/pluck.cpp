#include "pluck.h"

#include <array>
#include <cmath>

namespace hakuro::wavegen {

void add_pluck(std::vector<float>& out, int rate, std::size_t start, double hz, double amp,
               double t60, double seconds, Noise& noise) {
  // Loop delay = n + 0.5 (the averaging filter) + d (the all-pass), d kept in [0.1, 1.1).
  const double period = rate / hz;
  auto n = static_cast<std::size_t>(period - 0.6);
  const double d = period - 0.5 - static_cast<double>(n);
  const double c = (1 - d) / (1 + d);
  const double loss = std::pow(10.0, -3.0 / (t60 * hz));

  // A noise burst dulled twice over: the pick's attack without a hiss on top.
  std::vector<double> line(n);
  double soft = 0, softer = 0;
  for (double& v : line) {
    soft += 0.5 * (noise.next() - soft);
    softer += 0.5 * (soft - softer);
    v = 2 * softer;
  }
  const auto total = static_cast<std::size_t>(seconds * rate);
  const auto attack = static_cast<std::size_t>(0.0015 * rate);
  const auto fade = static_cast<std::size_t>(0.05 * rate);
  std::size_t pos = 0;
  double last = line[n - 1], ap_in = 0, ap_out = 0;
  for (std::size_t i = 0; i < total && !out.empty(); ++i) {
    const double cur = line[pos];
    const double avg = loss * 0.5 * (cur + last);
    last = cur;
    const double tuned = c * avg + ap_in - c * ap_out;
    ap_in = avg;
    ap_out = tuned;
    line[pos] = tuned;
    pos = (pos + 1) % n;
    double env = 1;
    if (i < attack) env = static_cast<double>(i) / attack;
    if (i + fade > total) env = static_cast<double>(total - i) / fade;
    out[(start + i) % out.size()] += static_cast<float>(amp * env * cur);
  }
}

namespace {

struct Comb {
  std::vector<float> buf;
  std::size_t pos = 0;
  float feedback, damp, store = 0;
  float step(float in) {
    const float y = buf[pos];
    store = y * (1 - damp) + store * damp;
    buf[pos] = in + store * feedback;
    pos = (pos + 1) % buf.size();
    return y;
  }
};

struct Allpass {
  std::vector<float> buf;
  std::size_t pos = 0;
  float step(float in) {
    const float y = buf[pos];
    buf[pos] = in + y * 0.5f;
    pos = (pos + 1) % buf.size();
    return y - in;
  }
};

}  // namespace

void add_room(std::vector<float>& buf, int rate, float wet) {
  const double scale = rate / 44100.0;
  std::array<Comb, 4> combs;
  const std::array<int, 4> comb_len = {1557, 1617, 1491, 1422};
  for (std::size_t i = 0; i < combs.size(); ++i) {
    combs[i].buf.assign(static_cast<std::size_t>(comb_len[i] * scale), 0.0f);
    combs[i].feedback = 0.80f;
    combs[i].damp = 0.3f;
  }
  std::array<Allpass, 2> passes;
  passes[0].buf.assign(static_cast<std::size_t>(556 * scale), 0.0f);
  passes[1].buf.assign(static_cast<std::size_t>(441 * scale), 0.0f);
  // The first round only fills the room (it dies away within a second or two, far shorter
  // than the loop); the second round is kept.
  std::vector<float> wet_part(buf.size());
  for (int round = 0; round < 2; ++round) {
    for (std::size_t i = 0; i < buf.size(); ++i) {
      float r = 0;
      for (Comb& c : combs) r += c.step(buf[i]);
      r *= 0.25f;
      for (Allpass& a : passes) r = a.step(r);
      wet_part[i] = r;
    }
  }
  for (std::size_t i = 0; i < buf.size(); ++i) buf[i] += wet * wet_part[i];
}

}  // namespace hakuro::wavegen
