// The window's thinker: each job's work runs on a thread of its own while the window goes on
// taking events; its end comes back to the window's thread.
#pragma once

#include <atomic>
#include <functional>
#include <thread>

#include <QObject>

#include "platform/ports.h"

namespace hakuro {

class ThreadThinker : public QObject, public Thinker {
 public:
  // `deliver` runs a finished job's end as one of the window's events, now or once the event
  // in progress is over.
  explicit ThreadThinker(std::function<void(std::function<void()>)> deliver);
  ~ThreadThinker() override;
  ThreadThinker(const ThreadThinker&) = delete;
  ThreadThinker& operator=(const ThreadThinker&) = delete;

  void start(Work work, std::function<void()> done) override;
  bool busy() const override { return busy_; }
  void cancel() override;

 private:
  // On the window's thread, once job `job`'s work has returned.
  void finished(unsigned job);

  std::function<void(std::function<void()>)> deliver_;
  std::thread worker_;
  std::atomic<bool> stop_{false};
  std::function<void()> done_;
  unsigned job_ = 0;  // the job started last; the ends of older ones are dropped
  bool busy_ = false;
};

}  // namespace hakuro
