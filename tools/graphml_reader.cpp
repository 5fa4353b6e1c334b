// GraphML, read with pugixml (a real XML parser: entities, CDATA, namespaces and comments are
// its business). Built without pugixml, the format is refused with what to install.
#include <algorithm>
#include <cstring>
#include <string>

#include "tools/detail/import_builder.h"

#ifdef MST_HAVE_PUGIXML
#include <pugixml.hpp>
#endif

namespace mst {

#ifdef MST_HAVE_PUGIXML
namespace {

// An element's name without its namespace prefix.
std::string LocalName(const pugi::xml_node& node) {
  const char* name = node.name();
  const char* colon = std::strrchr(name, ':');
  return colon != nullptr ? colon + 1 : name;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The line of a byte offset into text, from 1.
long long LineOf(const std::string& text, std::ptrdiff_t offset) {
  if (offset < 0) return 0;
  const auto end = text.begin() + std::min<std::ptrdiff_t>(offset, static_cast<std::ptrdiff_t>(text.size()));
  return 1 + std::count(text.begin(), end, '\n');
}

// The text of the <data key="key"> child of element, or nullptr.
const char* DataOf(const pugi::xml_node& element, const std::string& key) {
  for (const pugi::xml_node data : element.children()) {
    if (LocalName(data) == "data" && key == data.attribute("key").value()) return data.text().get();
  }
  return nullptr;
}

}  // namespace

bool ReadGraphml(std::FILE* file, NetworkBuilder& builder, std::string& why) {
  std::string text;
  char buffer[1 << 16];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
  if (std::ferror(file)) {
    why = "the file cannot be read";
    return false;
  }
  pugi::xml_document document;
  const pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size());
  if (!parsed) {
    why = AtLine(LineOf(text, parsed.offset)) + "not well-formed XML (" + parsed.description() + ")";
    return false;
  }
  pugi::xml_node root;
  for (const pugi::xml_node child : document.children()) {
    if (child.type() == pugi::node_element && LocalName(child) == "graphml") root = child;
  }
  if (!root) {
    why = "not a GraphML file: no <graphml> element";
    return false;
  }
  // The keys: the edges' measure (attr.name weight, or cost, length, distance) with its
  // default, and the nodes' labels (label or name).
  std::string weightKey, labelKey, weightDefault;
  int weightRank = 99;
  int labelRank = 99;
  static const char* const kWeights[] = {"weight", "cost", "length", "distance"};
  static const char* const kLabels[] = {"label", "name"};
  pugi::xml_node graph;
  for (const pugi::xml_node child : root.children()) {
    const std::string name = LocalName(child);
    if (name == "graph" && !graph) graph = child;
    if (name != "key") continue;
    const std::string domain = child.attribute("for").value();
    const std::string attribute = Lower(child.attribute("attr.name").value());
    for (int rank = 0; rank < 4; ++rank) {
      if ((domain == "edge" || domain == "all") && attribute == kWeights[rank] && rank < weightRank) {
        weightRank = rank;
        weightKey = child.attribute("id").value();
        weightDefault.clear();
        for (const pugi::xml_node part : child.children()) {
          if (LocalName(part) == "default") weightDefault = part.text().get();
        }
      }
    }
    for (int rank = 0; rank < 2; ++rank) {
      if ((domain == "node" || domain == "all") && attribute == kLabels[rank] && rank < labelRank) {
        labelRank = rank;
        labelKey = child.attribute("id").value();
      }
    }
  }
  if (!graph) {
    why = "the GraphML file holds no <graph>";
    return false;
  }
  // The nodes first, in file order, then the edges: an edge may name a node declared after it.
  std::size_t declared = 0;
  for (const pugi::xml_node child : graph.children()) {
    if (LocalName(child) != "node") continue;
    const char* id = child.attribute("id").value();
    if (*id == '\0') {
      why = AtLine(LineOf(text, child.offset_debug())) + "a <node> without an id";
      return false;
    }
    const int node = builder.NodeByName(id);
    const char* label = labelKey.empty() ? nullptr : DataOf(child, labelKey);
    if (label != nullptr && *label != '\0') builder.Name(node, label);
    declared = std::max(declared, static_cast<std::size_t>(node) + 1);
  }
  for (const pugi::xml_node child : graph.children()) {
    const std::string name = LocalName(child);
    const long long line = LineOf(text, child.offset_debug());
    if (name == "hyperedge") {
      why = AtLine(line) + "a <hyperedge> joins more than two nodes: no network of edges";
      return false;
    }
    if (name != "edge") continue;
    const std::string source = child.attribute("source").value();
    const std::string target = child.attribute("target").value();
    if (source.empty() || target.empty()) {
      why = AtLine(line) + "an <edge> needs a source and a target";
      return false;
    }
    const int a = builder.NodeByName(source);
    const int b = builder.NodeByName(target);
    if (static_cast<std::size_t>(std::max(a, b)) >= declared) {
      why = AtLine(line) + "the edge names the node '" + (static_cast<std::size_t>(a) >= declared ? source : target) +
            "', which no <node> declares";
      return false;
    }
    const char* measure = weightKey.empty() ? nullptr : DataOf(child, weightKey);
    std::string value = measure != nullptr ? measure : weightDefault;
    const std::size_t start = value.find_first_not_of(" \t\r\n");
    value = start == std::string::npos ? "" : value.substr(start, value.find_last_not_of(" \t\r\n") - start + 1);
    if (!builder.AddEdge(a, b, value, line, why)) return false;
  }
  return builder.Finish(why);
}

#else

bool ReadGraphml(std::FILE*, NetworkBuilder&, std::string& why) {
  why = "this build reads no GraphML: it needs pugixml (Debian: apt-get install libpugixml-dev, then rebuild)";
  return false;
}

#endif

}  // namespace mst
