#include "graph/whole_file.h"

#include <cerrno>
#include <cstring>

#include "graph/network_loader.h"

namespace mst {

bool ReadWhole(std::FILE* file, std::string& text, std::string& why) {
  // A file that can tell its size is read into room made once (a 50 MB file otherwise moves a
  // few times as the text grows); a pipe grows as it comes.
  const long at = std::ftell(file);
  if (at >= 0 && std::fseek(file, 0, SEEK_END) == 0) {
    const long end = std::ftell(file);
    if (end > at) text.reserve(text.size() + static_cast<std::size_t>(end - at));
    std::fseek(file, at, SEEK_SET);
  }
  char buffer[1 << 16];
  errno = 0;
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, got);
  if (std::ferror(file)) {
    why = ReadFailureReason(errno);
    return false;
  }
  return true;
}

bool ReadWholeFile(const std::string& path, std::string& text, std::string& why) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    why = std::string("cannot open the file (") + std::strerror(errno) + ")";
    return false;
  }
  const bool read = ReadWhole(file, text, why);
  std::fclose(file);
  return read;
}

}  // namespace mst
