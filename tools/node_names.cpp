#include "tools/node_names.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "graph/integer_text.h"
#include "graph/network_loader.h"
#include "graph/whole_file.h"
#include "import/names.h"
#include "text/encoding.h"
#include "text/lines.h"
#include "tools/exit_status.h"

namespace mst {

namespace {

// A node number: decimal digits only, 1 to nON.
bool NodeNumber(const std::string& text, int nON, int& node) {
  long long value = 0;
  if (text.find_first_not_of("0123456789") != std::string::npos || !WholeNumber(text, value, 1, nON)) return false;
  node = static_cast<int>(value);
  return true;
}

}  // namespace

bool ReadNodeNames(const std::string& path, int nON, std::vector<std::string>& names, std::string& reason) {
  names.assign(static_cast<std::size_t>(nON), std::string());
  std::string whole;
  if (!ReadWholeFile(path, whole, reason, Content::kText)) return false;
  // Read as every input is: a byte-order mark passed over, UTF-16 refused, any line end.
  std::string_view text = whole;
  const ByteOrderMark mark = MarkOf(text);
  if (mark == ByteOrderMark::kUtf16LittleEndian || mark == ByteOrderMark::kUtf16BigEndian) {
    reason = "the file is UTF-16 text: save it as UTF-8 (for example with iconv -f UTF-16 -t UTF-8)";
    return false;
  }
  if (mark == ByteOrderMark::kUtf8) text.remove_prefix(3);
  const char* const kWhatItHolds = " (a names file holds one line per node: its number, a tab, its name)";
  std::vector<long long> lineOf(static_cast<std::size_t>(nON), 0);
  int named = 0;
  Lines lines(text);
  for (std::string_view view; lines.Next(view);) {
    const long long number = lines.Number();
    const std::string line(view);
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    const std::string where = "line " + std::to_string(number) + ": ";
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) {
      reason = where + "no tab between the number and the name" + kWhatItHolds;
      return false;
    }
    int node = 0;
    if (!NodeNumber(line.substr(0, tab), nON, node)) {
      reason = where + "'" + line.substr(0, std::min<std::size_t>(tab, 40)) + "' is not a node number from 1 to " +
               std::to_string(nON) + kWhatItHolds;
      return false;
    }
    std::string& name = names[static_cast<std::size_t>(node - 1)];
    long long& first = lineOf[static_cast<std::size_t>(node - 1)];
    if (first > 0) {
      reason = where + "node " + std::to_string(node) + " is named twice (first on line " + std::to_string(first) + ")";
      return false;
    }
    name = line.substr(tab + 1);
    if (name.find_first_not_of(" \t") == std::string::npos) {
      reason = where + "node " + std::to_string(node) + " has an empty name";
      return false;
    }
    if (!IsUtf8(name)) {
      reason = where + "the name is not UTF-8 text (convert the file, for example with iconv -t UTF-8)";
      return false;
    }
    std::string untabbed = name;  // a tab after the first is part of the name
    std::replace(untabbed.begin(), untabbed.end(), '\t', ' ');
    if (HasControl(untabbed)) {
      reason = where + "the name holds a control character";
      return false;
    }
    first = number;
    ++named;
  }
  if (named < nON) {
    int missing = 0;
    while (lineOf[static_cast<std::size_t>(missing)] > 0) ++missing;
    reason = "it names " + std::to_string(named) + " of the network's " + std::to_string(nON) + " nodes; node " +
             std::to_string(missing + 1) + " has no line";
    return false;
  }
  return true;
}

std::string NamesBeside(const std::string& network) {
  if (network == "-" || network.empty()) return "";
  const std::size_t slash = network.find_last_of("/\\");
  const std::size_t dot = network.rfind('.');
  const bool extension = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
  return (extension ? network.substr(0, dot) : network) + ".names";
}

int ReadNamesArgument(const char* program, const std::string& namesOption, const std::string& networkFile,
                      const ImportedNetwork& imported, std::vector<std::string>& names) {
  names.clear();
  const int nON = imported.network.nON;
  std::string path = namesOption;
  if (path.empty() && imported.named) {
    names = imported.names;
    return -1;
  }
  if (path.empty()) {
    path = NamesBeside(networkFile);
    std::ifstream probe(path);
    if (path.empty() || !probe) return -1;
  }
  std::string reason;
  if (!ReadNodeNames(path, nON, names, reason)) {
    names.clear();
    std::fprintf(stderr, "%s: %s: %s\n", program, path.c_str(), reason.c_str());
    return kExitUnusableInput;
  }
  return -1;
}

}  // namespace mst
