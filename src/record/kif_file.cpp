#include "record/kif_file.h"

#include "platform/file_io.h"
#include "platform/text_file.h"
#include "record/file.h"

namespace hakuro {

namespace {

bool ends_with_nocase(const std::string& s, std::string_view tail) {
  if (s.size() < tail.size()) return false;
  for (std::size_t i = 0; i < tail.size(); ++i) {
    char c = s[s.size() - tail.size() + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != tail[i]) return false;
  }
  return true;
}

}  // namespace

std::string kif_save_path(const std::string& chosen) {
  if (ends_with_nocase(chosen, ".kif") || ends_with_nocase(chosen, ".kifu")) return chosen;
  return chosen + ".kif";
}

bool kif_utf8_by_name(const std::string& path) { return ends_with_nocase(path, ".kifu"); }

std::optional<std::string> kif_bytes(const std::string& text, bool utf8) {
  if (utf8) return text;
  std::string sjis = utf8_to_sjis(text);
  if (sjis_to_utf8(sjis) != text) return std::nullopt;
  return sjis;
}

KifSave save_kif(const std::string& path, const KifGame& g) {
  const std::optional<std::string> bytes = kif_bytes(write_kif(g), kif_utf8_by_name(path));
  if (!bytes) return KifSave::unencodable;
  return write_atomically(path, *bytes) ? KifSave::saved : KifSave::failed;
}

KifRead load_kif(const std::string& path) {
  const FileBytes file = read_regular_file(path, kKifMaxBytes);
  if (file.ok()) return read_kif(file.bytes, kif_utf8_by_name(path));
  KifRead r;
  r.problem =
      file.status == FileBytes::Status::too_large ? KifProblem::too_large : KifProblem::unreadable;
  return r;
}

}  // namespace hakuro
