#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "import/network_import.h"

// The builder every format reader hands its nodes and edges to. It applies the rules of
// import/network_import.h: numbering, measures (missing, --scale, --maximum, the 32-bit range),
// the merging of pairs listed twice, self-loops, parts.
namespace mst {

class NetworkBuilder {
 public:
  NetworkBuilder(const ImportOptions& options, ImportedNetwork& imported) : options_(options), imported_(imported) {}
  NetworkBuilder(const NetworkBuilder&) = delete;
  NetworkBuilder& operator=(const NetworkBuilder&) = delete;

  [[nodiscard]] const ImportOptions& Options() const { return options_; }
  // Whether the format is being told from the content: readers whose content another format
  // shares then take only what their format's writers write (an edge list's comments at the
  // top, as LGL's node lines are not).
  [[nodiscard]] bool ByContent() const { return byContent_; }
  void SetByContent() { byContent_ = true; }
  // Measuring: no measure is refused for its range, and the largest magnitude is kept, so that
  // a refusal for one measure out of range can name the --scale that brings every one within.
  void SetMeasuring() { measuring_ = true; }
  [[nodiscard]] double LargestMeasure() const { return largest_; }
  // Whether the last refusal was of a measure out of range.
  [[nodiscard]] bool OutOfRange() const { return outOfRange_; }
  // Whether the reader took the text for its format and refused only what it holds: a measure
  // (out of range, not a number, not whole), or names it cannot tell apart (Recognized).
  [[nodiscard]] bool MeasureRefused() const { return measureRefused_; }
  void Recognized() { measureRefused_ = true; }

  // Formats whose nodes are 1..count by number (DIMACS, Matrix Market, METIS, Pajek): each id is
  // checked against the count; declared nodes in no edge still count as nodes. Nothing is set
  // aside for them: a header may announce more than the file holds.
  void Declare(long long count) { declared_ = count; }
  // The file's size: ids are kept in a table of the declared count where that count is within
  // it (a table costs 4 bytes a node, what the file's own text of them costs at the least).
  void TextSize(std::size_t bytes) { denseBound_ = static_cast<long long>(bytes); }
  [[nodiscard]] bool Declared() const { return declared_ >= 0; }
  // The node of a declared id (1..count), or false with why.
  bool NodeById(std::string_view text, int& node, std::string& why);
  // The node of a name (edge lists, CSV, GraphML), numbered on first sight.
  int NodeByName(std::string_view name);
  // The named nodes so far.
  [[nodiscard]] std::size_t NodeCount() const { return imported_.names.size(); }
  // A named node's label (GraphML's), kept as its name instead of its id.
  void Name(int node, std::string name) { imported_.names[static_cast<std::size_t>(node)] = std::move(name); }
  // A declared node's label (Pajek's), kept as its name.
  void Label(long long id, std::string label) { labels_[id] = std::move(label); }

  // One listed edge; measure empty where the file gives none (it is then 1, and counted). False
  // with why (naming line) for a measure that cannot be used.
  bool AddEdge(int a, int b, std::string_view measure, long long line, std::string& why);
  // Where a measure stands, for messages: "line 7" or "edge row 6" (made only when needed: a
  // file has millions of measures).
  struct Place {
    const char* unit;
    long long number;
    [[nodiscard]] std::string Text() const { return std::string(unit) + " " + std::to_string(number); }
  };
  // A measure as the rules make it (missing: 1; --scale; --maximum), or false with why, which
  // starts with where it stands ("line 7: ").
  bool ScaleMeasure(std::string_view text, Place place, int& measure, std::string& why);
  // One comment line passed over, for the notes.
  void CountComment() { ++imported_.comments; }
  // A note for the user (import/network_import.h's ImportNotes).
  void Note(std::string note) { imported_.notes.push_back(std::move(note)); }

  // mst-bench's own format: the network as the file holds it, its rows kept as they are.
  void Keep(Network network);

  // Merges every pair's listings into its first, with the smallest measure, and names the nodes;
  // returns the number of distinct pairs (self-loops aside). Idempotent; Finish calls it.
  long long Merge();
  // Whether two builders read the same network (after Merge): the same edges and names.
  [[nodiscard]] bool SameAs(const NetworkBuilder& other) const;
  // Applies the rest of the rules (the parts) and fills the imported network, or returns false
  // with why.
  bool Finish(std::string& why);

 private:
  struct Listed {
    int a;
    int b;
    int measure;
  };

  const ImportOptions& options_;
  ImportedNetwork& imported_;
  long long declared_ = -1;
  bool kept_ = false;
  bool byContent_ = false;
  bool measuring_ = false;
  bool outOfRange_ = false;
  bool measureRefused_ = false;
  double largest_ = 0;
  bool merged_ = false;
  std::unordered_map<long long, int> byId_;  // declared formats: id -> node, for the ids seen
  std::vector<int> dense_;                   // or, within denseBound_, id -> node (-1: not seen)
  long long denseBound_ = 0;
  std::vector<long long> idOf_;                  // declared formats: node -> id
  std::unordered_map<std::string, int> byName_;  // the others
  std::unordered_map<long long, std::string> labels_;
  std::vector<Listed> listed_;
};

}  // namespace mst
