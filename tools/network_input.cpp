#include "tools/network_input.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "graph/network_loader.h"
#include "tools/exit_status.h"
#include "tools/network_formats.h"

namespace mst {

std::vector<std::string> FormatNames() {
  std::vector<std::string> names;
  for (const FormatEntry& entry : NetworkFormats()) names.push_back(entry.name);
  return names;
}

int ReadNetworkArgument(const char* program, const std::string& file, const std::string& format, Network& network,
                        std::string& title) {
  const bool fromInput = file == "-";
  title = fromInput ? "standard input" : file;
  const auto refuse = [&](const std::string& reason) {
    std::fprintf(stderr, "%s: %s: %s\n", program, title.c_str(), reason.c_str());
    return kExitUnusableInput;
  };
  std::string reason;
  ImportOptions options;
  if (!format.empty()) {
    (void)FormatNamed(format, options.format);
  } else if (!fromInput) {
    // The first line tells the format where the name does not.
    std::FILE* peek = std::fopen(file.c_str(), "rb");
    std::string firstLine;
    if (peek != nullptr) {
      for (int c; (c = std::fgetc(peek)) != EOF && c != '\n' && firstLine.size() < 4096;)
        firstLine += static_cast<char>(c);
      std::fclose(peek);
    }
    options.format = FormatOfFile(file, firstLine);
  }
  if (options.format == NetworkFormat::kNetwork) {
    // mst-bench's own reader, with its reasons.
    if (!(fromInput ? LoadNetworkFrom(stdin, network, reason) : LoadNetworkFile(file, network, reason))) {
      return refuse(reason);
    }
    return -1;
  }
  std::FILE* input = fromInput ? stdin : std::fopen(file.c_str(), "rb");
  if (input == nullptr) return refuse(std::string("cannot open the file (") + std::strerror(errno) + ")");
  ImportedNetwork imported;
  const bool read = ImportNetwork(input, options, imported, reason);
  if (!fromInput) std::fclose(input);
  if (!read) return refuse(reason);
  network = std::move(imported.network);
  return -1;
}

}  // namespace mst
