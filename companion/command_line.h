#pragma once

#include <map>
#include <string>
#include <vector>

#include "graph/network_vectors.h"

// The command line every companion that reads one network file shares (mst-draw, mst-trace,
// mst-race): options, then one NETWORK_FILE, where "-" is standard input, "./-" a file so
// named, and after "--" every word is a file name.

struct CommandLineOption {
  const char* name;                // e.g. "--positions"
  bool takesValue;                 // as "--name VALUE" or "--name=VALUE"; else a flag
  const char* excludes = nullptr;  // an option that may not be given with this one
};

struct CommandLine {
  std::string network;                        // the file name as given
  std::map<std::string, std::string> values;  // options given with a value
  std::vector<std::string> flags;             // flags given
  bool Has(const std::string& flag) const;
};

enum class Parsed { kRun, kHelp, kVersion, kBadUsage };

// The version of the programs, the project's (from CMake), e.g. "1.0.0".
constexpr const char* kProgramVersion = MST_VERSION;

// Reads argv against options (--help and --version are always known). On bad usage, why holds what was wrong,
// in one line: an unknown option, a missing or empty value, an option given twice, two options
// that exclude each other, no file or more than one, an empty file name.
[[nodiscard]] Parsed ParseCommandLine(int argc, const char* const* argv, const std::vector<CommandLineOption>& options,
                                      CommandLine& line, std::string& why);

// How every such companion starts: reads the command line, then the network it names (standard
// input for "-"). Returns -1 to go on, with line, network and title (the name to show:
// "standard input" for "-") filled; else the exit status to end with, having printed what
// ends it: --help's usage on standard output (0); --version's "<program> <version>" (0); "<program>: <why>" and the usage on standard
// error (2); "<program>: <file>: <reason>" for a file that cannot be used (1).
[[nodiscard]] int StartCompanion(int argc, const char* const* argv, const std::vector<CommandLineOption>& options,
                                 const char* program, const char* usage, CommandLine& line, Network& network,
                                 std::string& title);
