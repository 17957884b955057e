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

  // A softened noise burst, plucked a little off the end of the string.
  std::vector<double> line(n);
  double prev = 0;
  for (double& v : line) {
    v = 0.5 * (noise.next() + prev);
    prev = v;
  }
  const std::size_t total = static_cast<std::size_t>(seconds * rate);
  const std::size_t fade = static_cast<std::size_t>(0.05 * rate);
  std::size_t pos = 0;
  double last = line[n - 1], ap_in = 0, ap_out = 0;
  for (std::size_t i = 0; i < total && start + i < out.size(); ++i) {
    const double cur = line[pos];
    const double avg = loss * 0.5 * (cur + last);
    last = cur;
    const double tuned = c * avg + ap_in - c * ap_out;
    ap_in = avg;
    ap_out = tuned;
    line[pos] = tuned;
    pos = (pos + 1) % n;
    double env = 1;
    if (i + fade > total) env = static_cast<double>(total - i) / fade;
    out[start + i] += static_cast<float>(amp * env * cur);
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
  for (float& v : buf) {
    float r = 0;
    for (Comb& c : combs) r += c.step(v);
    r *= 0.25f;
    for (Allpass& a : passes) r = a.step(r);
    v += wet * r;
  }
}

}  // namespace hakuro::wavegen
