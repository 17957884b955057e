// KIF files: Shift-JIS for a name ending in .kif, UTF-8 for one ending in .kifu; CR LF line ends.
#pragma once

#include <optional>
#include <string>

#include "record/kif.h"

namespace hakuro {

// The name a chosen file name is saved under: as it is when it ends in .kif or .kifu (in any
// case), else with ".kif" added.
std::string kif_save_path(const std::string& chosen);
// Whether a file of that name is written in UTF-8 (.kifu) rather than Shift-JIS.
bool kif_utf8_by_name(const std::string& path);

// The file's bytes for the text; nothing when Shift-JIS cannot hold a character of it.
std::optional<std::string> kif_bytes(const std::string& text, bool utf8);

enum class KifSave { saved, unencodable, failed };
// Writes the game atomically (an existing file is replaced only by a complete new one).
KifSave save_kif(const std::string& path, const KifGame& g);

// Reads the file, only a regular one; a file larger than kKifMaxBytes is refused before it is
// read.
KifRead load_kif(const std::string& path);

}  // namespace hakuro
