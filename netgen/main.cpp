// mst-netgen: writes one random connected network in the network file format to standard
// output. See --help.
#include <cstdio>
#include <string>

#include "netgen/netgen_options.h"
#include "netgen/network_generator.h"

int main(int argc, char** argv) {
  NetworkRequest request;
  std::string error;
  switch (ParseNetgenArguments(argc, argv, request, error)) {
    case NetgenCommand::kHelp:
      std::fputs(NetgenUsage(), stdout);
      return 0;
    case NetgenCommand::kError:
      std::fprintf(stderr, "mst-netgen: %s\n", error.c_str());
      return 2;
    case NetgenCommand::kGenerate:
      break;
  }
  WriteNetwork(stdout, GenerateNetwork(request), request.nodes);
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "mst-netgen: cannot write the network to standard output\n");
    return 1;
  }
  return 0;
}
