#include "qt/usi_engines.h"

#include <QSettings>

#include "qt/window_settings.h"

namespace hakuro {

namespace {

const QString kEngines = QStringLiteral("usi_engines");

void keep_spin(QSettings& s, const QString& key,
               const std::optional<usi::EngineEntry::Spin>& spin) {
  if (!spin) return;
  s.setValue(key, spin->value);
  s.setValue(key + "_min", spin->min);
  s.setValue(key + "_max", spin->max);
}

std::optional<usi::EngineEntry::Spin> kept_spin(const QSettings& s, const QString& key) {
  if (!s.contains(key)) return std::nullopt;
  usi::EngineEntry::Spin spin;
  spin.min = s.value(key + "_min").toInt();
  spin.max = std::max(spin.min, s.value(key + "_max").toInt());
  spin.value = std::clamp(s.value(key).toInt(), spin.min, spin.max);
  return spin;
}

}  // namespace

std::vector<usi::EngineEntry> kept_engines() {
  const auto s = window_settings_store();
  std::vector<usi::EngineEntry> out;
  const int n = s->beginReadArray(kEngines);
  for (int i = 0; i < n; ++i) {
    s->setArrayIndex(i);
    usi::EngineEntry e;
    e.name = s->value("name").toString().toStdString();
    e.path = s->value("path").toString().toStdString();
    e.hash_mb = kept_spin(*s, QStringLiteral("hash"));
    e.threads = kept_spin(*s, QStringLiteral("threads"));
    e.byoyomi_ms = std::max(1, s->value("byoyomi_ms", e.byoyomi_ms).toInt());
    if (!e.path.empty()) out.push_back(std::move(e));
  }
  s->endArray();
  return out;
}

void keep_engines(const std::vector<usi::EngineEntry>& engines) {
  const auto s = window_settings_store();
  s->remove(kEngines);
  s->beginWriteArray(kEngines, static_cast<int>(engines.size()));
  for (int i = 0; i < static_cast<int>(engines.size()); ++i) {
    const usi::EngineEntry& e = engines[static_cast<std::size_t>(i)];
    s->setArrayIndex(i);
    s->setValue("name", QString::fromStdString(e.name));
    s->setValue("path", QString::fromStdString(e.path));
    keep_spin(*s, QStringLiteral("hash"), e.hash_mb);
    keep_spin(*s, QStringLiteral("threads"), e.threads);
    s->setValue("byoyomi_ms", e.byoyomi_ms);
  }
  s->endArray();
}

}  // namespace hakuro
