#include "tools/network_input.h"

#include <cstdio>

#include "tools/exit_status.h"

namespace mst {

int ReadNetworkArgument(const char* program, const std::string& file, Network& network, std::string& title) {
  std::string reason;
  const bool fromInput = file == "-";
  title = fromInput ? "standard input" : file;
  if (!(fromInput ? LoadNetworkFrom(stdin, network, reason) : LoadNetworkFile(file, network, reason))) {
    std::fprintf(stderr, "%s: %s: %s\n", program, title.c_str(), reason.c_str());
    return kExitUnusableInput;
  }
  return -1;
}

}  // namespace mst
