#include "graph/whole_file.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "graph/network_loader.h"

namespace mst {

bool ReadWhole(std::FILE* file, std::string& text, std::string& why, Content content) {
  char buffer[1 << 16];
  errno = 0;
  const std::size_t start = text.size();
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
    text.append(buffer, got);
    if (content == Content::kText) {
      const bool sixteen = text.size() - start >= 2 &&
                           (text.compare(start, 2, "\xFF\xFE") == 0 || text.compare(start, 2, "\xFE\xFF") == 0);
      const std::size_t nul = sixteen ? std::string::npos : text.find('\0', text.size() - got);
      if (nul != std::string::npos) {
        why = "binary content at byte " + std::to_string(nul - start) + " (a NUL byte, which no text file holds)";
        return false;
      }
    }
  }
  if (std::ferror(file)) {
    why = ReadFailureReason(errno);
    return false;
  }
  return true;
}

bool ReadWholeFile(const std::string& path, std::string& text, std::string& why, Content content) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    why = std::string("cannot open the file (") + std::strerror(errno) + ")";
    return false;
  }
  // A plain file is read into room made once (a 50 MB file otherwise moves a few times as the
  // text grows).
  std::error_code error;
  if (std::filesystem::is_regular_file(path, error)) {
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error) text.reserve(text.size() + static_cast<std::size_t>(size));
  }
  const bool read = ReadWhole(file, text, why, content);
  std::fclose(file);
  return read;
}

}  // namespace mst
