#include "driver/report_output.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/console_hold.h"

namespace mst {

void DeliverReport() {
  errno = 0;
  if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0) {
    return;
  }
  const int cause = errno;
  std::fprintf(stderr, "mst-bench: the report could not be written to standard output%s%s\n", cause != 0 ? ": " : "",
               cause != 0 ? std::strerror(cause) : "");
  HoldConsole();
  std::exit(-1);
}

}  // namespace mst
