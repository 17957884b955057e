// The replay commands of the file dialog, the new-game dialog, the clipboard and the time
// control, and `sfen`.
#include <stdexcept>

#include "format.h"
#include "record/exchange.h"
#include "replay.h"

namespace hakuro::replay {

bool Replay::exchange(const std::vector<std::string>& w) {
  const std::string& c = w[0];
  if (c == "file_answer") {
    if (w.size() < 2) throw std::invalid_argument("file_answer needs 1 arguments");
    window_.queue_file_answer(w[1]);
  } else if (c == "clipboard") {
    if (w.size() > 1) window_.set_clipboard_text(w[1]);
    else out_ << "clipboard " << quoted(window_.clipboard_text()) << '\n';
  } else if (c == "dialog") {
    if (w.size() < 3) throw std::invalid_argument("dialog needs 2 arguments");
    window_.queue_dialog(w[1], w[2]);
  } else if (c == "timecontrol") {
    if (w.size() < 4) throw std::invalid_argument("timecontrol needs 3 arguments");
    constexpr int kMost = 99 * 3600;
    form_->next_time_control = {number_in(w[1], 0, kMost), number_in(w[2], 0, kMost),
                                number_in(w[3], 0, kMost)};
  } else if (c == "sfen") {
    out_ << "sfen " << sfen_shown(form_->g) << '\n';
  } else {
    return false;
  }
  return true;
}

}  // namespace hakuro::replay
