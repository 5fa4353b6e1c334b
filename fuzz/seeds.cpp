// mst-fuzz-seeds DIR: writes the fuzzer's seed for every format of the registry into DIR, from
// the registry's examples: format-NAME.txt (the format given, first byte 'A' + its place) and
// told-NAME.txt (the format told from the content, first byte '?'), so that every reader is
// fuzzed from a file it reads, whatever formats are added.
#include <cstdio>
#include <string>

#include "import/formats.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: mst-fuzz-seeds DIR\n");
    return 2;
  }
  const std::vector<mst::Format>& formats = mst::Formats();
  for (std::size_t k = 0; k < formats.size(); ++k) {
    const std::string given = std::string(1, static_cast<char>('A' + k)) + formats[k].example;
    const std::string told = std::string("?") + formats[k].example;
    for (const auto& [prefix, text] : {std::make_pair("format-", given), std::make_pair("told-", told)}) {
      const std::string path = std::string(argv[1]) + "/" + prefix + formats[k].name + ".txt";
      std::FILE* file = std::fopen(path.c_str(), "wb");
      if (file == nullptr || std::fwrite(text.data(), 1, text.size(), file) != text.size() || std::fclose(file) != 0) {
        std::fprintf(stderr, "mst-fuzz-seeds: cannot write %s\n", path.c_str());
        return 1;
      }
    }
  }
  return 0;
}
