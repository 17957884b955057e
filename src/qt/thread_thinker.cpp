#include "qt/thread_thinker.h"

#include <utility>

namespace hakuro {

ThreadThinker::ThreadThinker(std::function<void(std::function<void()>)> deliver)
    : deliver_(std::move(deliver)) {}

ThreadThinker::~ThreadThinker() { cancel(); }

void ThreadThinker::start(Work work, std::function<void()> done) {
  cancel();  // one job at a time; the program never starts one while another is busy
  stop_ = false;
  busy_ = true;
  done_ = std::move(done);
  const unsigned job = ++job_;
  worker_ = std::thread([this, job, work = std::move(work)] {
    work(stop_);
    QMetaObject::invokeMethod(
        this, [this, job] { finished(job); }, Qt::QueuedConnection);
  });
}

void ThreadThinker::cancel() {
  stop_ = true;
  if (worker_.joinable()) worker_.join();
  busy_ = false;
  done_ = nullptr;
}

void ThreadThinker::finished(unsigned job) {
  if (job != job_ || !busy_) return;  // cancelled
  if (worker_.joinable()) worker_.join();
  // The job stays busy until its end runs: the window may be inside another event now.
  deliver_([this, job] {
    if (job != job_ || !busy_) return;
    busy_ = false;
    const std::function<void()> done = std::move(done_);
    done_ = nullptr;
    done();
  });
}

}  // namespace hakuro
