#include "mst/out_of_memory.h"

#include <cstdio>
#include <cstdlib>

namespace mst {

void OutOfMemory(const char* routine) {
  std::printf("ERROR in %s : out of memory\n", routine);
  std::fflush(stdout);
  std::exit(-1);
}

}  // namespace mst
