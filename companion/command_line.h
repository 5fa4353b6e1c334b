#pragma once

#include <map>
#include <string>
#include <vector>

#include "graph/network_vectors.h"

// The command line every companion that reads one network file shares (mst-draw, mst-trace,
// mst-race): options, then one NETWORK_FILE, where "-" is standard input, "./-" a file so
// named, and after "--" every word is a file name.

struct CommandLineOption {
  const char* name;  // e.g. "--positions"
  bool takesValue;   // as "--name VALUE" or "--name=VALUE"; else a flag
};

struct CommandLine {
  std::string network;                        // the file name as given
  std::map<std::string, std::string> values;  // options given with a value
  std::vector<std::string> flags;             // flags given
  bool Has(const std::string& flag) const;
};

enum class Parsed { kRun, kHelp, kBadUsage };

// Reads argv against options (--help is always known). On bad usage, why holds what was wrong,
// in one line: an unknown option, a missing or empty value, an option given twice, no file or
// more than one, an empty file name.
[[nodiscard]] Parsed ParseCommandLine(int argc, const char* const* argv, const std::vector<CommandLineOption>& options,
                                      CommandLine& line, std::string& why);

// What a companion does with a command line it cannot run: for kHelp the usage on standard
// output (status 0); for kBadUsage "<program>: <why>" then the usage on standard error
// (status 2). Returns the exit status.
int AnswerCommandLine(Parsed parsed, const char* program, const std::string& why, const char* usage);

// Loads the network the command line names, standard input for "-". On failure prints
// "<program>: <file>: <reason>" on standard error and returns false (exit status 1). title
// receives the name to show for it ("standard input" for "-").
[[nodiscard]] bool LoadNamedNetwork(const char* program, const std::string& name, Network& network,
                                    std::string& title);
