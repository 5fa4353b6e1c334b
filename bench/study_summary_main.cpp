// mst-study-summary: the statistics of the density and scaling studies, from their CSV, for the
// scripts that run them. See kUsage.
#include <cstdio>
#include <string>
#include <vector>

#include "bench/study_summary.h"
#include "graph/whole_file.h"
#include "tools/command_line.h"
#include "tools/exit_status.h"
#include "tools/output_file.h"

using namespace mst;

namespace {

const char* const kUsage =
    "Usage: mst-study-summary (--density | --map | --scaling) CSV_FILE\n"
    "Writes the summary of the density study (from density.csv), the points of its chart's map,\n"
    "or the fit of the scaling study (from scaling.csv) to standard output.\n"
    "  --help, --version\n";

}  // namespace

int main(int argc, char** argv) {
  bool density = false;
  bool scaling = false;
  bool map = false;
  std::vector<std::string> files;
  CommandLine line("mst-study-summary", kUsage);
  line.Flag("--density", density);
  line.Flag("--scaling", scaling);
  line.Flag("--map", map);
  line.Exclusive("--density", "--scaling");
  line.Exclusive("--density", "--map");
  line.Exclusive("--map", "--scaling");
  line.Files(files);
  if (const int ended = line.Parse(argc, argv); ended >= 0) return ended;
  if (files.size() != 1 || !(density || scaling || map)) {
    std::fprintf(stderr, "mst-study-summary: give --density, --map or --scaling and one CSV file\n%s", kUsage);
    return kExitBadUsage;
  }
  std::string csv;
  std::string why;
  if (!ReadWholeFile(files[0], csv, why)) {
    std::fprintf(stderr, "mst-study-summary: %s: %s\n", files[0].c_str(), why.c_str());
    return kExitUnusableInput;
  }
  const std::string text = density ? DensitySummary(csv) : map ? DensityMap(csv) : ScalingFit(csv);
  return WriteOutput("mst-study-summary", "", [&text](std::FILE* out) { std::fputs(text.c_str(), out); })
             ? kExitDone
             : kExitUnusableInput;
}
