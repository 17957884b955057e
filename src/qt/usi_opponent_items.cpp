#include "qt/usi_opponent_items.h"

#include <QAction>
#include <QMenu>

#include "control/usi_opponent.h"

namespace hakuro {

void UsiOpponentItems::rebuild(const std::vector<usi::EngineEntry>& engines) {
  for (auto& [name, action] : items_) delete action;
  items_.clear();
  delete separator_;
  separator_ = nullptr;
  if (engines.empty()) return;
  separator_ = levels_->addSeparator();
  for (const usi::EngineEntry& e : engines) {
    const std::string caption = usi_caption(e);
    auto* action = levels_->addAction(QString::fromUtf8(caption.data(), qsizetype(caption.size())));
    action->setObjectName(QString::fromStdString(usi_item(e)));
    action->setCheckable(true);
    QObject::connect(action, &QAction::triggered, levels_, [this, e] { chosen_(e); });
    items_[usi_item(e)] = action;
  }
}

}  // namespace hakuro
