// mst-netgen: writes one random connected network in the network file format to standard
// output, and with --geometric --positions FILE the nodes' points to FILE. See --help.
#include <cstdio>
#include <string>
#include <vector>

#include "graph/network_vectors.h"
#include "netgen/geometric_network.h"
#include "netgen/netgen_options.h"
#include "netgen/network_generator.h"
#include "tools/command_line.h"
#include "tools/exit_status.h"
#include "tools/output_file.h"

using namespace mst;

int main(int argc, char** argv) {
  NetworkRequest request;
  std::string error;
  switch (ParseNetgenArguments(argc, argv, request, error)) {
    case NetgenCommand::kHelp:
      return WriteAnswer("mst-netgen", NetgenUsage());
    case NetgenCommand::kVersion:
      return WriteAnswer("mst-netgen", std::string("mst-netgen ") + kProgramVersion + "\n");
    case NetgenCommand::kError:
      std::fprintf(stderr, "mst-netgen: %s\n", error.c_str());
      return kExitBadUsage;
    case NetgenCommand::kGenerate:
      break;
  }
  const GeneratedNetwork network = Generate(request);
  // The points first: a network whose points could not be written is not written either.
  if (!request.positionsPath.empty() && !WriteFile("mst-netgen", request.positionsPath, [&network](std::FILE* out) {
        WritePositions(out, network.points);
      })) {
    return kExitUnusableInput;
  }
  const auto write = [&](std::FILE* out) { WriteNetwork(out, network.edges, request.nodes); };
  return WriteOutput("mst-netgen", request.outputPath, write) ? kExitDone : kExitUnusableInput;
}
