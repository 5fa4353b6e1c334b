#include "netgen/netgen_options.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Parses a whole decimal integer (optional sign, digits, nothing else) within [low, high].
bool ParseInteger(const char* text, long long low, long long high, long long& value) {
  if (text == nullptr || *text == '\0') {
    return false;
  }
  const char* digits = (*text == '+' || *text == '-') ? text + 1 : text;
  if (*digits < '0' || *digits > '9') {
    return false;  // strtoll would also take leading blanks; this does not
  }
  char* end = nullptr;
  errno = 0;
  const long long parsed = std::strtoll(text, &end, 10);
  if (errno != 0 || *end != '\0' || parsed < low || parsed > high) {
    return false;
  }
  value = parsed;
  return true;
}

struct IntegerOption {
  const char* name;
  long long low;
  long long high;
  long long* value;
};

}  // namespace

const char* NetgenUsage() {
  return "Usage: mst-netgen [--nodes N] [--edges E] [--seed S] [--min A] [--max B]\n"
         "Writes one random connected network in the network file format to standard output.\n"
         "\n"
         "  --nodes N   number of nodes, at least 2 (default 10)\n"
         "  --edges E   number of edges, at least N - 1 (default 2 * N); beyond a spanning tree\n"
         "              edges join random pairs of distinct nodes, so parallel edges can occur\n"
         "  --seed S    seed, 0 to 18446744073709551615 (default 1); the same options give the\n"
         "              same network on every platform\n"
         "  --min A     smallest measure (default 1); negative values are allowed\n"
         "  --max B     largest measure (default 1000)\n"
         "  --help      show this text\n"
         "\n"
         "Example: mst-netgen --nodes 40 --edges 300 --seed 7 > matrix1.txt\n";
}

NetgenCommand ParseNetgenArguments(int argc, const char* const* argv, NetworkRequest& request,
                                   std::string& error) {
  long long nodes = request.nodes;
  long long edges = 0;
  long long minMeasure = request.minMeasure;
  long long maxMeasure = request.maxMeasure;
  bool edgesGiven = false;
  const IntegerOption options[] = {
      {"--nodes", 2, INT32_MAX, &nodes},
      {"--edges", 1, kMaxGeneratedEdges, &edges},
      {"--min", INT32_MIN, INT32_MAX, &minMeasure},
      {"--max", INT32_MIN, INT32_MAX, &maxMeasure},
  };
  for (int a = 1; a < argc; ++a) {
    std::string name = argv[a];
    const char* value = nullptr;
    const std::size_t equals = name.find('=');
    if (name.compare(0, 2, "--") == 0 && equals != std::string::npos) {
      value = argv[a] + equals + 1;
      name.resize(equals);
    }
    if (name == "--help" && value == nullptr) {
      return NetgenCommand::kHelp;
    }
    const bool isSeed = name == "--seed";
    const IntegerOption* option = nullptr;
    for (const IntegerOption& candidate : options) {
      if (name == candidate.name) {
        option = &candidate;
      }
    }
    if (option == nullptr && !isSeed) {
      error = "unknown option '" + std::string(argv[a]) + "' (see --help)";
      return NetgenCommand::kError;
    }
    if (value == nullptr) {
      if (a + 1 >= argc) {
        error = name + " needs a value";
        return NetgenCommand::kError;
      }
      value = argv[++a];
    }
    if (isSeed) {
      // The whole unsigned 64-bit range; strtoull alone would accept "-1" and blanks.
      char* end = nullptr;
      errno = 0;
      const unsigned long long seed = std::strtoull(value, &end, 10);
      if (*value < '0' || *value > '9' || errno != 0 || *end != '\0') {
        error = "--seed: '" + std::string(value) + "' is not a whole number from 0 to 18446744073709551615";
        return NetgenCommand::kError;
      }
      request.seed = seed;
      continue;
    }
    if (!ParseInteger(value, option->low, option->high, *option->value)) {
      error = name + ": '" + value + "' is not a whole number from " + std::to_string(option->low) +
              " to " + std::to_string(option->high);
      return NetgenCommand::kError;
    }
    edgesGiven = edgesGiven || name == "--edges";
  }
  if (!edgesGiven) {
    edges = 2 * nodes;
    if (edges > kMaxGeneratedEdges) {
      error = "--nodes " + std::to_string(nodes) + " needs more than " +
              std::to_string(kMaxGeneratedEdges) + " edges";
      return NetgenCommand::kError;
    }
  }
  if (edges < nodes - 1) {
    error = std::to_string(edges) + " edges cannot connect " + std::to_string(nodes) +
            " nodes: at least " + std::to_string(nodes - 1) + " are needed";
    return NetgenCommand::kError;
  }
  if (minMeasure > maxMeasure) {
    error = "--min " + std::to_string(minMeasure) + " is above --max " + std::to_string(maxMeasure);
    return NetgenCommand::kError;
  }
  request.nodes = static_cast<int>(nodes);
  request.edges = static_cast<int>(edges);
  request.minMeasure = static_cast<std::int32_t>(minMeasure);
  request.maxMeasure = static_cast<std::int32_t>(maxMeasure);
  return NetgenCommand::kGenerate;
}
