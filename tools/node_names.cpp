#include "tools/node_names.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "graph/network_loader.h"
#include "tools/exit_status.h"

namespace mst {

namespace {

// True when text is well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF):
// the names go into JSON and web pages, which must be UTF-8.
bool IsUtf8(const std::string& text) {
  for (std::size_t k = 0; k < text.size();) {
    const auto c = static_cast<unsigned char>(text[k]);
    std::size_t more = 0;
    unsigned int value = 0;
    if (c < 0x80) {
      ++k;
      continue;
    } else if (c >= 0xC2 && c <= 0xDF) {
      more = 1;
      value = c & 0x1Fu;
    } else if (c >= 0xE0 && c <= 0xEF) {
      more = 2;
      value = c & 0x0Fu;
    } else if (c >= 0xF0 && c <= 0xF4) {
      more = 3;
      value = c & 0x07u;
    } else {
      return false;
    }
    if (k + more >= text.size()) return false;
    for (std::size_t m = 1; m <= more; ++m) {
      const auto next = static_cast<unsigned char>(text[k + m]);
      if ((next & 0xC0u) != 0x80u) return false;
      value = (value << 6) | (next & 0x3Fu);
    }
    const unsigned int least[] = {0, 0x80, 0x800, 0x10000};
    if (value < least[more] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
    k += more + 1;
  }
  return true;
}

// A node number: decimal digits only, 1 to nON.
bool NodeNumber(const std::string& text, int nON, int& node) {
  if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  const long long value = std::stoll(text);
  if (value < 1 || value > nON) return false;
  node = static_cast<int>(value);
  return true;
}

}  // namespace

bool ReadNodeNames(const std::string& path, int nON, std::vector<std::string>& names, std::string& reason) {
  names.assign(static_cast<std::size_t>(nON), std::string());
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    reason = std::string("cannot open the file (") + std::strerror(errno) + ")";
    return false;
  }
  const char* const kWhatItHolds = " (a names file holds one line per node: its number, a tab, its name)";
  std::vector<long long> lineOf(static_cast<std::size_t>(nON), 0);
  int named = 0;
  std::string line;
  long long number = 0;
  while (std::getline(file, line)) {
    ++number;
    // Windows editors start a UTF-8 file with a byte-order mark; it is not part of the number.
    if (number == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
    if (!line.empty() && line.back() == '\r') line.pop_back();
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
    if (std::any_of(name.begin(), name.end(), [](char c) { return (c >= 0 && c < 0x20 && c != '\t') || c == 0x7F; })) {
      reason = where + "the name holds a control character";
      return false;
    }
    first = number;
    ++named;
  }
  if (file.bad()) {
    reason = ReadFailureReason(errno);
    return false;
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

int ReadNamesArgument(const char* program, const std::string& namesOption, const std::string& networkFile, int nON,
                      std::vector<std::string>& names) {
  names.clear();
  std::string path = namesOption;
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
