#include "qt/background_job.h"

#include <utility>

namespace hakuro {

void BackgroundJob::start(Work work) {
  cancel();
  stop_ = false;
  busy_ = true;
  const unsigned job = ++job_;
  const Post post = [this, job](std::function<void()> f) {
    QMetaObject::invokeMethod(
        this,
        [this, job, f = std::move(f)] {
          if (job == job_) f();
        },
        Qt::QueuedConnection);
  };
  worker_ = std::thread([this, post, work = std::move(work)] {
    work(stop_, post);
    post([this] { busy_ = false; });
  });
}

void BackgroundJob::cancel() {
  stop_ = true;
  if (worker_.joinable()) worker_.join();
  ++job_;
  busy_ = false;
}

}  // namespace hakuro
