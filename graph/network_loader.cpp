#include "graph/network_loader.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "graph/connectivity.h"
#include "graph/integer_scanner.h"
#include "text/encoding.h"

namespace mst {

namespace {

// The edge list starts small and doubles, so a header announcing billions of edges costs
// nothing until the rows are really there.
constexpr int kFirstCapacity = 1024;

const char* const kRowFields[3] = {"first end node", "second end node", "measure"};

// Where the integers come from: a file, or text in memory (whose offset it keeps).
struct FileIntegers {
  std::FILE* file;
  ScanResult Next(std::int32_t& value) { return ScanInteger(file, value); }
};

struct TextIntegers {
  std::string_view text;
  std::size_t at = 0;
  ScanResult Next(std::int32_t& value) { return ScanInteger(text, at, value); }
};

template <typename Integers>
bool ReadHeaderValue(Integers& file, const char* what, std::int32_t& value, char (&reason)[kReasonSize]) {
  switch (file.Next(value)) {
    case ScanResult::kInteger:
      return true;
    case ScanResult::kEnd:
      std::snprintf(reason, kReasonSize, "header: the file ends before the %s", what);
      return false;
    case ScanResult::kNotInteger:
      std::snprintf(reason, kReasonSize, "header: the %s is not a decimal integer", what);
      return false;
    case ScanResult::kOutOfRange:
      std::snprintf(reason, kReasonSize, "header: the %s is outside the signed 32-bit range", what);
      return false;
  }
  return false;
}

// Reads edge row `row` (1-based) into values, checking each end against 1..nON.
template <typename Integers>
bool ReadRow(Integers& file, int row, int nOE, int nON, std::int32_t (&values)[3], char (&reason)[kReasonSize]) {
  for (int f = 0; f < 3; ++f) {
    switch (file.Next(values[f])) {
      case ScanResult::kInteger:
        break;
      case ScanResult::kEnd:
        if (f == 0) {
          std::snprintf(reason, kReasonSize, "the file ends before edge row %d of %d", row, nOE);
        } else {
          std::snprintf(reason, kReasonSize, "edge row %d: the file ends before its %s", row, kRowFields[f]);
        }
        return false;
      case ScanResult::kNotInteger:
        std::snprintf(reason, kReasonSize, "edge row %d: the %s is not a decimal integer", row, kRowFields[f]);
        return false;
      case ScanResult::kOutOfRange:
        std::snprintf(reason, kReasonSize, "edge row %d: the %s is outside the signed 32-bit range", row,
                      kRowFields[f]);
        return false;
    }
    if (f < 2 && (values[f] < 1 || values[f] > nON)) {
      std::snprintf(reason, kReasonSize, "edge row %d: the %s %ld is outside 1 to %d", row, kRowFields[f],
                    static_cast<long>(values[f]), nON);
      return false;
    }
  }
  return true;
}

// Reads all nOE rows into a new edge list of exactly nOE records, or returns nullptr.
template <typename Integers>
Edges* ReadEdgeRows(Integers& file, int nOE, int nON, char (&reason)[kReasonSize]) {
  int capacity = nOE < kFirstCapacity ? nOE : kFirstCapacity;
  Edges* edges = static_cast<Edges*>(std::malloc(static_cast<std::size_t>(capacity) * sizeof(Edges)));
  if (edges == nullptr) {
    std::snprintf(reason, kReasonSize, "out of memory for %d edges", capacity);
    return nullptr;
  }
  for (int i = 0; i < nOE; ++i) {
    if (i == capacity) {
      const int grown = capacity > nOE / 2 ? nOE : capacity * 2;
      void* moved = std::realloc(edges, static_cast<std::size_t>(grown) * sizeof(Edges));
      if (moved == nullptr) {
        std::free(edges);
        std::snprintf(reason, kReasonSize, "out of memory for %d edges", grown);
        return nullptr;
      }
      edges = static_cast<Edges*>(moved);
      capacity = grown;
    }
    std::int32_t values[3];
    if (!ReadRow(file, i + 1, nOE, nON, values, reason)) {
      std::free(edges);
      return nullptr;
    }
    edges[i].set(values[0] - 1, values[1] - 1, values[2]);
  }
  return edges;
}

// Passes over a UTF-8 byte order mark at the start of the file (EF BB BF, as some Windows
// editors save plain text), and refuses UTF-16 text (a byte order mark FF FE or FE FF): its
// digits are two bytes each. Anything else is left for the header to read.
bool SkipByteOrderMark(std::FILE* file, char (&reason)[kReasonSize]) {
  const int first = std::getc(file);
  if (first == 0xFF || first == 0xFE) {
    const int second = std::getc(file);
    if (second == (first == 0xFF ? 0xFE : 0xFF)) {
      std::snprintf(reason, kReasonSize, "the file is UTF-16 text; save it as plain text (ASCII or UTF-8)");
      return false;
    }
    std::snprintf(reason, kReasonSize, "header: the edge count is not a decimal integer");
    return false;
  }
  if (first != 0xEF) {
    if (first != EOF) {
      std::ungetc(first, file);
    }
    return true;
  }
  if (std::getc(file) != 0xBB || std::getc(file) != 0xBF) {
    std::snprintf(reason, kReasonSize, "header: the edge count is not a decimal integer");
    return false;
  }
  return true;
}

// The same over text in memory: the offset past a UTF-8 byte order mark, or false for UTF-16.
bool SkipByteOrderMark(std::string_view text, std::size_t& at, char (&reason)[kReasonSize]) {
  const ByteOrderMark mark = MarkOf(text);
  if (mark == ByteOrderMark::kUtf16LittleEndian || mark == ByteOrderMark::kUtf16BigEndian) {
    std::snprintf(reason, kReasonSize, "the file is UTF-16 text; save it as plain text (ASCII or UTF-8)");
    return false;
  }
  if (mark == ByteOrderMark::kUtf8) at = 3;
  return true;
}

// Reads the header and the rows from integers (the byte order mark already passed).
template <typename Integers>
bool LoadFrom(Integers& file, Edges** in, Edges** out, int& nOE, int& nON, char (&reason)[kReasonSize]) {
  std::int32_t edgeCount = 0;
  std::int32_t nodeCount = 0;
  if (!ReadHeaderValue(file, "edge count", edgeCount, reason) ||
      !ReadHeaderValue(file, "node count", nodeCount, reason)) {
    return false;
  }
  if (edgeCount < 1) {
    std::snprintf(reason, kReasonSize, "header: the edge count %ld is below 1", static_cast<long>(edgeCount));
    return false;
  }
  if (nodeCount < 2) {
    std::snprintf(reason, kReasonSize, "header: the node count %ld is below 2", static_cast<long>(nodeCount));
    return false;
  }

  Edges* edges = ReadEdgeRows(file, edgeCount, nodeCount, reason);
  if (edges == nullptr) {
    return false;
  }
  // Fewer than nodes - 1 edges can never join all nodes; checking this first also keeps the
  // node-sized arrays below within what the file really holds.
  if (edgeCount < nodeCount - 1) {
    std::free(edges);
    std::snprintf(reason, kReasonSize, "the network is not connected: %ld edges cannot join %ld nodes",
                  static_cast<long>(edgeCount), static_cast<long>(nodeCount));
    return false;
  }
  const int unreachable = FirstUnreachableNode(edges, edgeCount, nodeCount);
  if (unreachable != nodeCount) {
    std::free(edges);
    if (unreachable < 0) {
      std::snprintf(reason, kReasonSize, "out of memory for %ld nodes", static_cast<long>(nodeCount));
    } else {
      std::snprintf(reason, kReasonSize, "the network is not connected: node %d cannot be reached from node 1",
                    unreachable + 1);
    }
    return false;
  }
  Edges* tree = static_cast<Edges*>(std::malloc(static_cast<std::size_t>(nodeCount) * sizeof(Edges)));
  if (tree == nullptr) {
    std::free(edges);
    std::snprintf(reason, kReasonSize, "out of memory for a tree of %ld nodes", static_cast<long>(nodeCount));
    return false;
  }
  *in = edges;
  *out = tree;
  nOE = edgeCount;
  nON = nodeCount;
  return true;
}

}  // namespace

bool LoadNetwork(std::FILE* file, Edges** in, Edges** out, int& nOE, int& nON, char (&reason)[kReasonSize]) {
  errno = 0;
  FileIntegers integers{file};
  if (SkipByteOrderMark(file, reason) && LoadFrom(integers, in, out, nOE, nON, reason)) {
    return true;
  }
  // A read error looks like an early end to the scanner; say what really happened.
  if (std::ferror(file)) {
    std::snprintf(reason, kReasonSize, "%s", ReadFailureReason(errno));
  }
  return false;
}

bool LoadNetworkText(std::string_view text, Edges** in, Edges** out, int& nOE, int& nON, std::size_t& end,
                     char (&reason)[kReasonSize]) {
  TextIntegers integers{text};
  if (!SkipByteOrderMark(text, integers.at, reason) || !LoadFrom(integers, in, out, nOE, nON, reason)) return false;
  end = integers.at;
  return true;
}

const char* ReadFailureReason(int error) {
  return error == EISDIR ? "it is a directory, not a file" : "the file cannot be read";
}

}  // namespace mst
