#include "graph/whole_file.h"

#include <cerrno>
#include <cstring>

#include "graph/network_loader.h"

namespace mst {

bool ReadWhole(std::FILE* file, std::string& text, std::string& why) {
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
