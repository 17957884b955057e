// Work that runs on a thread of its own beside the window's events, one job at a time: what it
// posts runs on the window's thread, unless the job was cancelled or replaced meanwhile.
#pragma once

#include <atomic>
#include <functional>
#include <thread>

#include <QObject>

namespace hakuro {

class BackgroundJob : public QObject {
 public:
  using Post = std::function<void(std::function<void()>)>;
  using Work = std::function<void(const std::atomic<bool>& stop, const Post& post)>;

  using QObject::QObject;
  ~BackgroundJob() override { cancel(); }

  // Cancels the job running and starts `work`; once it returns, the job is no longer busy.
  void start(Work work);
  // Stops the job and waits for it: nothing it posted runs any more.
  void cancel();
  bool busy() const { return busy_; }

 private:
  std::thread worker_;
  std::atomic<bool> stop_{false};
  unsigned job_ = 0;
  bool busy_ = false;
};

}  // namespace hakuro
