// A routine without its working memory ends the process with its line and status -1, and
// prints no tree.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>

#include "mst/out_of_memory.h"

using namespace mst;

namespace {

TEST(OutOfMemoryDeathTest, PrintsItsLineAndExitsMinusOne) {
  for (const char* routine : {"PRIM", "KRUSKAL"}) {
    // The line goes to standard output; the death test reads standard error, so join them.
    EXPECT_EXIT(
        {
          dup2(STDERR_FILENO, STDOUT_FILENO);
          OutOfMemory(routine);
        },
        testing::ExitedWithCode(255), std::string("^ERROR in ") + routine + " : out of memory\n$");
  }
}

}  // namespace
#endif
