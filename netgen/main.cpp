// mst-netgen: writes one random connected network in the network file format to standard
// output, and with --geometric --positions FILE the nodes' points to FILE. See --help.
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "companion/command_line.h"
#include "netgen/geometric_network.h"
#include "netgen/netgen_options.h"
#include "netgen/network_generator.h"

namespace {

// Writes the points to path; on failure prints why and returns false.
bool SavePositions(const std::string& path, const std::vector<Point>& points) {
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (file == nullptr) {
    std::fprintf(stderr, "mst-netgen: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
    return false;
  }
  WritePositions(file, points);
  const bool written = std::fflush(file) == 0 && !std::ferror(file);
  if (std::fclose(file) != 0 || !written) {
    std::fprintf(stderr, "mst-netgen: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

// Writes the network to path through a new file beside it, which then takes path's place: path
// is replaced only by a whole network, and left as it was on any error. On failure prints why
// and returns false.
bool SaveNetwork(const std::string& path, const std::vector<Edges>& edges, int nodes) {
  const std::string partial =
      path + ".partial-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
  std::FILE* file = std::fopen(partial.c_str(), "w");
  if (file == nullptr) {
    std::fprintf(stderr, "mst-netgen: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
    return false;
  }
  WriteNetwork(file, edges, nodes);
  const bool written = std::fflush(file) == 0 && !std::ferror(file);
  if (std::fclose(file) != 0 || !written) {
    std::remove(partial.c_str());
    std::fprintf(stderr, "mst-netgen: cannot write %s\n", path.c_str());
    return false;
  }
#ifdef _WIN32
  std::remove(path.c_str());  // rename does not replace an existing file there
#endif
  if (std::rename(partial.c_str(), path.c_str()) != 0) {
    const int why = errno;
    std::remove(partial.c_str());
    std::fprintf(stderr, "mst-netgen: cannot write %s: %s\n", path.c_str(), std::strerror(why));
    return false;
  }
  return true;
}

// Writes the network where the request says: standard output or the --output file.
bool Deliver(const NetworkRequest& request, const std::vector<Edges>& edges) {
  if (!request.outputPath.empty()) {
    return SaveNetwork(request.outputPath, edges, request.nodes);
  }
  WriteNetwork(stdout, edges, request.nodes);
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "mst-netgen: cannot write the network to standard output\n");
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  NetworkRequest request;
  std::string error;
  switch (ParseNetgenArguments(argc, argv, request, error)) {
    case NetgenCommand::kHelp:
      std::fputs(NetgenUsage(), stdout);
      return 0;
    case NetgenCommand::kVersion:
      std::printf("mst-netgen %s\n", kProgramVersion);
      return 0;
    case NetgenCommand::kError:
      std::fprintf(stderr, "mst-netgen: %s\n", error.c_str());
      return 2;
    case NetgenCommand::kGenerate:
      break;
  }
  const GeneratedNetwork network = Generate(request);
  // The points first: a network whose points could not be written is not written either.
  if (!request.positionsPath.empty() && !SavePositions(request.positionsPath, network.points)) {
    return 1;
  }
  return Deliver(request, network.edges) ? 0 : 1;
}
