#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "tools/network_formats.h"

// What the format readers share: a line reader, the splitting of a line into words, and the
// builder that applies the import rules (numbering, measures, merging, parts) to what a reader
// finds. See tools/network_formats.h for the rules.
namespace mst {

// Reads a file line by line through a buffer of its own: each line without its end ("\n" or
// "\r\n"), the last one also without an end. Costs one copy of each line.
class LineReader {
 public:
  explicit LineReader(std::FILE* file) : file_(file) {}
  // The next line, false at the end of the file or on a read error (then Failed()).
  bool Next(std::string& line);
  [[nodiscard]] long long Number() const { return number_; }  // of the line last read, from 1
  [[nodiscard]] bool Failed() const { return failed_; }

 private:
  std::FILE* file_;
  std::vector<char> buffer_ = std::vector<char>(1 << 16);
  std::size_t start_ = 0;
  std::size_t end_ = 0;
  long long number_ = 0;
  bool failed_ = false;
  bool ended_ = false;
};

// The words of a line, split at blanks (spaces, tabs); views into line.
std::vector<std::string_view> Words(std::string_view line);

// A whole number in text (an optional sign, digits, nothing else).
bool WholeNumber(std::string_view text, long long& value);

// "line L: " for messages.
std::string AtLine(long long line);

class NetworkBuilder {
 public:
  NetworkBuilder(const ImportOptions& options, ImportedNetwork& imported) : options_(options), imported_(imported) {}

  // Formats whose nodes are 1..count by number (DIMACS, Matrix Market, METIS, Pajek): each id
  // is checked against the count; declared nodes in no edge still count as nodes.
  void Declare(long long count);
  [[nodiscard]] bool Declared() const { return declared_ >= 0; }
  [[nodiscard]] long long DeclaredCount() const { return declared_; }
  // The node of a declared id (1..count), or false with why.
  bool NodeById(std::string_view text, int& node, std::string& why);
  // The node of a name (edge lists, CSV, GraphML), numbered on first sight.
  int NodeByName(std::string_view name);
  // A named node's label (GraphML's), kept as its name instead of its id.
  void Name(int node, std::string name) { imported_.names[static_cast<std::size_t>(node)] = std::move(name); }
  // A declared node's label (Pajek's), kept as its name.
  void Label(long long id, std::string label);
  // One listed edge; measure empty where the file gives none. False with why (naming line) for
  // a measure that cannot be used.
  bool AddEdge(int a, int b, std::string_view measure, long long line, std::string& why);
  // A measure as the rules make it (missing: 1; --scale; --maximum), or false with why.
  bool ScaleMeasure(std::string_view text, long long line, int& measure, std::string& why);
  // Applies the rules to everything added and fills the imported network. expectedEdges >= 0:
  // the count of distinct pairs (self-loops aside) the file's header announced.
  bool Finish(std::string& why, long long expectedEdges = -1, const char* expectedWhat = "edges");

 private:
  struct Listed {
    int a;
    int b;
    int measure;
  };

  const ImportOptions& options_;
  ImportedNetwork& imported_;
  long long declared_ = -1;
  std::unordered_map<long long, int> byId_;      // declared formats: id -> node, for the ids seen
  std::vector<long long> idOf_;                  // declared formats: node -> id
  std::unordered_map<std::string, int> byName_;  // the others
  std::unordered_map<long long, std::string> labels_;
  std::vector<Listed> listed_;
};

// The readers, one per format; each reads the whole file into builder and calls Finish.
bool ReadDimacs(std::FILE* file, NetworkBuilder& builder, std::string& why);
bool ReadMtx(std::FILE* file, NetworkBuilder& builder, std::string& why);
bool ReadEdgelist(std::FILE* file, NetworkBuilder& builder, std::string& why);
bool ReadCsv(std::FILE* file, NetworkBuilder& builder, const std::vector<std::string>& columns, std::string& why);
bool ReadMetis(std::FILE* file, NetworkBuilder& builder, std::string& why);
bool ReadPajek(std::FILE* file, NetworkBuilder& builder, std::string& why);
bool ReadGraphml(std::FILE* file, NetworkBuilder& builder, std::string& why);

}  // namespace mst
