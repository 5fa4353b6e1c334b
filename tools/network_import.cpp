#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <numeric>

#include "tools/detail/import_builder.h"
#include "tools/network_formats.h"

namespace mst {

bool LineReader::Next(std::string& line) {
  line.clear();
  for (;;) {
    if (start_ == end_) {
      if (ended_) {
        if (line.empty()) return false;
        break;  // the last line, without an end
      }
      end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
      start_ = 0;
      if (end_ < buffer_.size()) {
        ended_ = true;
        failed_ = std::ferror(file_) != 0;
        if (failed_) return false;
      }
      continue;
    }
    const char* from = buffer_.data() + start_;
    const void* found = std::memchr(from, '\n', end_ - start_);
    if (found == nullptr) {
      line.append(from, end_ - start_);
      start_ = end_;
      continue;
    }
    const std::size_t length = static_cast<std::size_t>(static_cast<const char*>(found) - from);
    line.append(from, length);
    start_ += length + 1;
    break;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  ++number_;
  return true;
}

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t k = 0;
  while (k < line.size()) {
    while (k < line.size() && (line[k] == ' ' || line[k] == '\t')) ++k;
    const std::size_t start = k;
    while (k < line.size() && line[k] != ' ' && line[k] != '\t') ++k;
    if (k > start) words.push_back(line.substr(start, k - start));
  }
  return words;
}

bool WholeNumber(std::string_view text, long long& value) {
  if (!text.empty() && text[0] == '+' && (text.size() < 2 || text[1] != '-')) text.remove_prefix(1);
  const char* last = text.data() + text.size();
  const std::from_chars_result result = std::from_chars(text.data(), last, value);
  return !text.empty() && result.ec == std::errc() && result.ptr == last;
}

std::string AtLine(long long line) { return "line " + std::to_string(line) + ": "; }

void NetworkBuilder::Declare(long long count) {
  declared_ = count;  // nothing is set aside for it: a header may announce more than the file holds
}

bool NetworkBuilder::NodeById(std::string_view text, int& node, std::string& why) {
  long long id = 0;
  if (!WholeNumber(text, id)) {
    why = "'" + std::string(text) + "' is not a node number";
    return false;
  }
  if (id < 1 || id > declared_) {
    why = "node " + std::to_string(id) + " is outside 1 to " + std::to_string(declared_);
    return false;
  }
  const auto [at, added] = byId_.emplace(id, static_cast<int>(idOf_.size()));
  if (added) idOf_.push_back(id);
  node = at->second;
  return true;
}

int NetworkBuilder::NodeByName(std::string_view name) {
  const auto [at, added] = byName_.emplace(std::string(name), static_cast<int>(imported_.names.size()));
  if (added) imported_.names.emplace_back(name);
  return at->second;
}

void NetworkBuilder::Label(long long id, std::string label) { labels_[id] = std::move(label); }

bool NetworkBuilder::ScaleMeasure(std::string_view text, long long line, int& measure, std::string& why) {
  double value = 1;
  long long whole = 1;
  bool isWhole = true;
  if (!text.empty() && !WholeNumber(text, whole)) {
    std::string_view number = text;
    if (number.size() > 1 && number[0] == '+' && number[1] != '-') number.remove_prefix(1);
    const char* last = number.data() + number.size();
    const std::from_chars_result result = std::from_chars(number.data(), last, value);
    if (number.empty() || result.ptr != last ||
        (result.ec != std::errc() && result.ec != std::errc::result_out_of_range)) {
      why = AtLine(line) + "the measure '" + std::string(text) + "' is not a number";
      return false;
    }
    if (result.ec == std::errc::result_out_of_range) value = std::copysign(HUGE_VAL, number[0] == '-' ? -1.0 : 1.0);
    if (!std::isfinite(value)) {
      why = AtLine(line) + "the measure '" + std::string(text) + "' is not a finite number";
      return false;
    }
    isWhole = std::floor(value) == value && std::fabs(value) < 9.0e18;
    whole = isWhole ? static_cast<long long>(value) : 0;
  } else {
    value = static_cast<double>(whole);
  }
  if (options_.scale > 0) {
    const double scaled = value * options_.scale;
    // Beyond any 32-bit measure (refused below, as out of range), llround is not asked.
    const bool near = std::fabs(scaled) <= 4.0e9;
    whole = near ? std::llround(scaled) : (scaled < 0 ? INT64_MIN / 2 : INT64_MAX / 2);
    const double error = near ? std::fabs(scaled - static_cast<double>(whole)) : 0;
    if (error > imported_.largestRounding) {
      imported_.largestRounding = error;
      imported_.roundingLine = line;
    }
  } else if (!isWhole) {
    why = AtLine(line) + "the measure '" + std::string(text) +
          "' is not a whole number (--scale F multiplies every measure by F and rounds it)";
    return false;
  }
  if (options_.maximum) whole = -whole;
  if (whole < INT32_MIN || whole > INT32_MAX) {
    why = AtLine(line) + "the measure '" + std::string(text) + "' is outside -2147483648 to 2147483647" +
          (options_.scale > 0 ? " after --scale" : "") + (options_.maximum ? " once negated for --maximum" : "");
    return false;
  }
  measure = static_cast<int>(whole);
  return true;
}

bool NetworkBuilder::AddEdge(int a, int b, std::string_view measure, long long line, std::string& why) {
  int value = 0;
  if (!ScaleMeasure(measure, line, value, why)) return false;
  ++imported_.listed;
  if (a == b) {
    ++imported_.selfLoops;
    return true;
  }
  listed_.push_back({a, b, value});
  return true;
}

namespace {

int Root(std::vector<int>& parent, int node) {
  while (parent[static_cast<std::size_t>(node)] != node) {
    parent[static_cast<std::size_t>(node)] = parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(node)])];
    node = parent[static_cast<std::size_t>(node)];
  }
  return node;
}

}  // namespace

bool NetworkBuilder::Finish(std::string& why, long long expectedEdges, const char* expectedWhat) {
  // Declared nodes: names are their ids (or labels). Those the file declares but never names
  // are parts of one node each, counted but not kept: the header may announce any number.
  long long unseen = 0;
  if (declared_ >= 0) {
    unseen = declared_ - static_cast<long long>(idOf_.size());
    byId_.clear();
    imported_.names.clear();
    for (const long long id : idOf_) {
      const auto label = labels_.find(id);
      imported_.names.push_back(label != labels_.end() ? label->second : std::to_string(id));
    }
  }
  // Merge the listings of each pair into the first, with the smallest measure: sort by pair,
  // then by place in the file.
  std::vector<std::uint32_t> order(listed_.size());
  std::iota(order.begin(), order.end(), 0u);
  const auto pair = [this](std::uint32_t k) {
    const Listed& e = listed_[k];
    return std::make_pair(std::min(e.a, e.b), std::max(e.a, e.b));
  };
  std::sort(order.begin(), order.end(), [&](std::uint32_t x, std::uint32_t y) {
    const auto px = pair(x);
    const auto py = pair(y);
    return px != py ? px < py : x < y;
  });
  std::vector<bool> kept(listed_.size(), false);
  for (std::size_t k = 0; k < order.size();) {
    std::size_t next = k + 1;
    int smallest = listed_[order[k]].measure;
    while (next < order.size() && pair(order[next]) == pair(order[k])) {
      smallest = std::min(smallest, listed_[order[next]].measure);
      ++next;
    }
    listed_[order[k]].measure = smallest;
    kept[order[k]] = true;
    imported_.merged += static_cast<long long>(next - k - 1);
    k = next;
  }
  std::vector<Listed> edges;
  for (std::size_t k = 0; k < listed_.size(); ++k) {
    if (kept[k]) edges.push_back(listed_[k]);
  }
  listed_.clear();
  listed_.shrink_to_fit();
  if (expectedEdges >= 0 && static_cast<long long>(edges.size()) != expectedEdges) {
    why = "the header announces " + std::to_string(expectedEdges) + " " + expectedWhat + ", the file holds " +
          std::to_string(edges.size());
    return false;
  }
  const int nodes = static_cast<int>(imported_.names.size());
  if (nodes + unseen < 2) {
    why = "a network needs at least 2 nodes; this one has " + std::to_string(nodes + unseen);
    return false;
  }
  // The parts, by union-find; each part's size and first node (in order of appearance).
  std::vector<int> parent(static_cast<std::size_t>(nodes));
  std::iota(parent.begin(), parent.end(), 0);
  for (const Listed& e : edges) {
    const int x = Root(parent, e.a);
    const int y = Root(parent, e.b);
    if (x != y) parent[static_cast<std::size_t>(std::max(x, y))] = std::min(x, y);  // the root: the part's first node
  }
  std::vector<int> size(static_cast<std::size_t>(nodes), 0);
  long long parts = unseen;
  for (int v = 0; v < nodes; ++v) {
    if (size[static_cast<std::size_t>(Root(parent, v))]++ == 0) ++parts;
  }
  int keep = 0;  // the largest part's root; the first met among equals
  for (int v = 1; v < nodes; ++v) {
    if (size[static_cast<std::size_t>(v)] > size[static_cast<std::size_t>(keep)]) keep = v;
  }
  if (parts > 1) {
    if (!options_.largestPart) {
      why = "the network is in " + std::to_string(parts) + " parts; the largest has " +
            std::to_string(nodes > 0 ? size[static_cast<std::size_t>(keep)] : 1) + " of its " +
            std::to_string(nodes + unseen) + " nodes (--largest-part keeps that one)";
      return false;
    }
    std::vector<int> renumbered(static_cast<std::size_t>(nodes), -1);
    std::vector<std::string> names;
    for (int v = 0; v < nodes; ++v) {
      if (Root(parent, v) == keep) {
        renumbered[static_cast<std::size_t>(v)] = static_cast<int>(names.size());
        names.push_back(std::move(imported_.names[static_cast<std::size_t>(v)]));
      }
    }
    std::vector<Listed> within;
    for (const Listed& e : edges) {
      if (renumbered[static_cast<std::size_t>(e.a)] >= 0) {
        within.push_back(
            {renumbered[static_cast<std::size_t>(e.a)], renumbered[static_cast<std::size_t>(e.b)], e.measure});
      }
    }
    imported_.partsLeft = parts - 1;
    imported_.nodesLeft = nodes + unseen - static_cast<long long>(names.size());
    imported_.edgesLeft = static_cast<long long>(edges.size() - within.size());
    imported_.names = std::move(names);
    edges = std::move(within);
  }
  if (edges.empty()) {
    why = "the network has no edges between two different nodes";
    return false;
  }
  imported_.network.nON = static_cast<int>(imported_.names.size());
  imported_.network.edges.reserve(edges.size());
  for (const Listed& e : edges) imported_.network.edges.push_back({e.a, e.b, e.measure});
  return true;
}

const std::vector<FormatEntry>& NetworkFormats() {
  static const std::vector<FormatEntry> formats = {
      {NetworkFormat::kNetwork, "network", ".txt", "mst-bench's own: 'E N', then 'u v w' rows"},
      {NetworkFormat::kDimacs, "dimacs", ".gr", "DIMACS shortest path: 'p sp N M', then 'a u v w' arcs"},
      {NetworkFormat::kMtx, "mtx", ".mtx", "Matrix Market coordinate: integer, real or pattern; general or symmetric"},
      {NetworkFormat::kEdgelist, "edgelist", ".edges .edgelist .el .tsv",
       "'u v [w]' rows (SNAP, KONECT, NetworkX); # or % comments; ids any words"},
      {NetworkFormat::kCsv, "csv", ".csv", "a header naming source, target and weight columns (or --columns)"},
      {NetworkFormat::kMetis, "metis", ".graph .metis", "METIS: 'N M [FMT]', then each node's neighbours"},
      {NetworkFormat::kPajek, "pajek", ".net .paj", "Pajek: *Vertices N with labels, then *Edges or *Arcs"},
      {NetworkFormat::kGraphml, "graphml", ".graphml .xml", "GraphML (NetworkX, igraph, Gephi, yEd)"},
  };
  return formats;
}

bool FormatNamed(const std::string& name, NetworkFormat& format) {
  for (const FormatEntry& entry : NetworkFormats()) {
    if (name == entry.name) {
      format = entry.format;
      return true;
    }
  }
  return false;
}

NetworkFormat FormatOfFile(const std::string& path, const std::string& firstLine) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::size_t dot = path.find_last_of('.');
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
    std::string extension = path.substr(dot);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const FormatEntry& entry : NetworkFormats()) {
      if (entry.format == NetworkFormat::kNetwork) continue;
      for (const std::string_view known : Words(entry.extensions)) {
        if (extension == known) return entry.format;
      }
    }
  }
  const std::vector<std::string_view> words = Words(firstLine);
  long long number = 0;
  if (words.size() == 2 && WholeNumber(words[0], number) && WholeNumber(words[1], number)) {
    return NetworkFormat::kNetwork;
  }
  if (!words.empty() && (words[0][0] == '#' || words[0][0] == '%')) return NetworkFormat::kEdgelist;
  return NetworkFormat::kNetwork;
}

bool ImportNetwork(std::FILE* file, const ImportOptions& options, ImportedNetwork& imported, std::string& why) {
  imported = ImportedNetwork();
  NetworkBuilder builder(options, imported);
  switch (options.format) {
    case NetworkFormat::kNetwork:
      // mst-bench's own rules, parallel edges and self-loops kept; --scale and --maximum apply.
      if (!LoadNetworkFrom(file, imported.network, why)) return false;
      for (int v = 1; v <= imported.network.nON; ++v) imported.names.push_back(std::to_string(v));
      imported.listed = static_cast<long long>(imported.network.edges.size());
      if (options.scale > 0 || options.maximum) {
        long long row = 1;  // the header is line 1 where the rows are one a line
        for (Edges& edge : imported.network.edges) {
          int measure = 0;
          if (!builder.ScaleMeasure(std::to_string(edge.measure), ++row, measure, why)) return false;
          edge.measure = measure;
        }
      }
      return true;
    case NetworkFormat::kDimacs:
      return ReadDimacs(file, builder, why);
    case NetworkFormat::kMtx:
      return ReadMtx(file, builder, why);
    case NetworkFormat::kEdgelist:
      return ReadEdgelist(file, builder, why);
    case NetworkFormat::kCsv:
      return ReadCsv(file, builder, options.columns, why);
    case NetworkFormat::kMetis:
      return ReadMetis(file, builder, why);
    case NetworkFormat::kPajek:
      return ReadPajek(file, builder, why);
    case NetworkFormat::kGraphml:
      return ReadGraphml(file, builder, why);
  }
  return false;
}

}  // namespace mst
