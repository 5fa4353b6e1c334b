#include "tools/output_file.h"

#include <cerrno>
#include <chrono>
#include <cstring>

#include <sys/stat.h>
#include <sys/types.h>

namespace mst {
namespace {

bool Refuse(const char* program, const std::string& path, int error) {
  if (error != 0) {
    std::fprintf(stderr, "%s: cannot write %s: %s\n", program, path.c_str(), std::strerror(error));
  } else {
    std::fprintf(stderr, "%s: cannot write %s\n", program, path.c_str());
  }
  return false;
}

// Writes through write into file and closes it; false when any byte may be missing.
bool WriteAndClose(std::FILE* file, const std::function<void(std::FILE*)>& write, int& error) {
  errno = 0;
  write(file);
  const bool written = std::fflush(file) == 0 && !std::ferror(file);
  error = errno;
  return std::fclose(file) == 0 && written;
}

// Whether path names a plain file or nothing at all (not a device, pipe, folder or link).
bool PlainFileOrNone(const std::string& path) {
#ifdef _WIN32
  struct _stat64 info;
  return _stat64(path.c_str(), &info) != 0 || (info.st_mode & _S_IFMT) == _S_IFREG;
#else
  struct stat info;
  return lstat(path.c_str(), &info) != 0 || S_ISREG(info.st_mode);
#endif
}

}  // namespace

bool WriteOutput(const char* program, const std::string& path, const std::function<void(std::FILE*)>& write) {
  if (path.empty()) {
    write(stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
      std::fprintf(stderr, "%s: cannot write to standard output\n", program);
      return false;
    }
    return true;
  }
  if (!PlainFileOrNone(path)) {
    // A device (/dev/stdout), a pipe or a symbolic link: renaming a new file over it would
    // replace the device or the link itself, so it is written in place.
    return WriteFile(program, path, write);
  }
  const std::string partial =
      path + ".partial-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
  std::FILE* file = std::fopen(partial.c_str(), "wb");
  if (file == nullptr) {
    return Refuse(program, path, errno);
  }
  int error = 0;
  if (!WriteAndClose(file, write, error)) {
    std::remove(partial.c_str());
    return Refuse(program, path, error);
  }
#ifdef _WIN32
  std::remove(path.c_str());  // rename does not replace an existing file there
#else
  // The file replaced keeps its permissions (a private 600 file stays private).
  struct stat old;
  if (stat(path.c_str(), &old) == 0) (void)chmod(partial.c_str(), old.st_mode & 07777);
#endif
  if (std::rename(partial.c_str(), path.c_str()) != 0) {
    error = errno;
    std::remove(partial.c_str());
    return Refuse(program, path, error);
  }
  return true;
}

bool WriteFile(const char* program, const std::string& path, const std::function<void(std::FILE*)>& write) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    return Refuse(program, path, errno);
  }
  int error = 0;
  return WriteAndClose(file, write, error) || Refuse(program, path, error);
}

}  // namespace mst
