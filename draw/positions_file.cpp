#include "draw/positions_file.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "graph/network_loader.h"
#include "text/decimal.h"

namespace mst {

namespace {

const char* const kWhatItHolds = " (a positions file holds one 'x y' line per node, node 1 first)";

enum class Token { kNumber, kEnd, kBad };

// Reads the next whitespace-separated word and parses it as one finite number.
Token NextNumber(std::FILE* file, double& value, std::string& word) {
  int c = std::fgetc(file);
  while (c != EOF && std::isspace(c)) c = std::fgetc(file);
  if (c == EOF) return Token::kEnd;
  word.clear();
  while (c != EOF && !std::isspace(c)) {
    if (word.size() < 64) word.push_back(static_cast<char>(c));
    c = std::fgetc(file);
  }
  // A decimal number as every reader takes one (text/decimal.h): no hexadecimal, no words.
  const bool number = word.size() < 64 && ParseDecimal(word, value) == Decimal::kNumber;
  return number && std::isfinite(value) ? Token::kNumber : Token::kBad;
}

}  // namespace

bool ReadPositions(std::FILE* file, int nON, std::vector<Position>& positions, std::string& reason) {
  positions.clear();
  errno = 0;
  double values[2] = {0, 0};
  std::string word;
  for (int node = 1; node <= nON; ++node) {
    for (double& value : values) {
      const Token token = NextNumber(file, value, word);
      if (token == Token::kBad) {
        reason = "point of node " + std::to_string(node) + ": '" + word + "' is not a number";
        return false;
      }
      if (token == Token::kEnd) {
        reason = std::ferror(file) ? ReadFailureReason(errno)
                                   : "it holds " + std::to_string(node - 1) + " points for " + std::to_string(nON) +
                                         " nodes" + kWhatItHolds;
        return false;
      }
    }
    positions.push_back({values[0], values[1]});
  }
  double extra = 0;
  if (NextNumber(file, extra, word) != Token::kEnd || std::ferror(file)) {
    reason = std::ferror(file) ? ReadFailureReason(errno)
                               : "it holds more than " + std::to_string(nON) + " points for " + std::to_string(nON) +
                                     " nodes" + kWhatItHolds;
    return false;
  }
  return true;
}

bool ReadPositionsFile(const std::string& path, int nON, std::vector<Position>& positions, std::string& reason) {
  std::FILE* points = std::fopen(path.c_str(), "r");
  if (points == nullptr) {
    reason = std::string("cannot open the file (") + std::strerror(errno) + ")";
    return false;
  }
  const bool read = ReadPositions(points, nON, positions, reason);
  std::fclose(points);
  return read;
}

}  // namespace mst
