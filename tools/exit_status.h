#pragma once

// The exit statuses of every program but mst-bench (which keeps its own -1 for a file it cannot
// use): what a script calling them can rely on.
namespace mst {

enum ExitStatus : int {
  kExitDone = 0,           // the work was done and written
  kExitUnusableInput = 1,  // an input could not be read or used, or an output not written
  kExitBadUsage = 2,       // the command line asked for something the program cannot do
};

// The programs' version, the project's (from CMake), e.g. "1.0.0"; --version prints it.
constexpr const char* kProgramVersion = MST_VERSION;

}  // namespace mst
