// GraphML, read with pugixml (a real XML parser: entities, CDATA, namespaces and comments are
// its business). The measure is the edge key --weight names, or else the one named weight (or
// cost, length, distance); an edge without its <data> takes the key's <default>, or 1, counted.
// Nodes are named by the node key named label (or name), else by their ids. A file whose edges
// carry numbers under another key, and none under the measure's, is refused with --weight's
// hint rather than read as measures of 1. Built without pugixml, GraphML is refused with what
// to install.
#include <algorithm>
#include <cstring>
#include <string>

#include "import/detail/builder.h"
#include "import/detail/readers.h"
#include "import/detail/text.h"

#ifdef MST_HAVE_PUGIXML
#include <pugixml.hpp>
#endif

namespace mst {

bool StartsGexf(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos || text[first] != '<') return false;
  // The root element is named within the first few lines of every GEXF writer's files.
  const std::string_view head = text.substr(0, 4096);
  const std::size_t gexf = head.find("<gexf");
  return gexf != std::string_view::npos && gexf < head.find("<graphml");
}

bool StartsGraphml(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  return first != std::string_view::npos && text[first] == '<' && !StartsGexf(text);
}

#ifdef MST_HAVE_PUGIXML
namespace {

// An element's name without its namespace prefix.
std::string LocalName(const pugi::xml_node& node) {
  const char* name = node.name();
  const char* colon = std::strrchr(name, ':');
  return colon != nullptr ? colon + 1 : name;
}

// The line of a byte offset into text, from 1.
long long LineOf(std::string_view text, std::ptrdiff_t offset) {
  if (offset < 0) return 0;
  const auto end = text.begin() + std::min<std::ptrdiff_t>(offset, static_cast<std::ptrdiff_t>(text.size()));
  return 1 + std::count(text.begin(), end, '\n');
}

// Lines of offsets met in increasing order, counted once over the text (counting from the start
// for each element would cost the file's length per edge).
class LineCounter {
 public:
  explicit LineCounter(std::string_view text) : text_(text) {}
  long long At(std::ptrdiff_t offset) {
    if (offset < at_) {
      at_ = 0;
      line_ = 1;
    }
    const auto to = std::min<std::ptrdiff_t>(offset, static_cast<std::ptrdiff_t>(text_.size()));
    line_ += std::count(text_.begin() + at_, text_.begin() + to, '\n');
    at_ = to;
    return line_;
  }

 private:
  std::string_view text_;
  std::ptrdiff_t at_ = 0;
  long long line_ = 1;
};

// The <data key="key"> child of element, or an empty node.
pugi::xml_node DataOf(const pugi::xml_node& element, const std::string& key) {
  for (const pugi::xml_node data : element.children()) {
    if (LocalName(data) == "data" && key == data.attribute("key").value()) return data;
  }
  return {};
}

// Parses text as XML into document, or returns false with why naming the line.
bool Parse(std::string_view text, pugi::xml_document& document, std::string& why) {
  const pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size());
  if (!parsed) why = AtLine(LineOf(text, parsed.offset)) + "not well-formed XML (" + parsed.description() + ")";
  return static_cast<bool>(parsed);
}

bool Numeric(const std::string& type) { return type == "int" || type == "long" || type == "float" || type == "double"; }

}  // namespace

bool ReadGraphml(std::string_view text, NetworkBuilder& builder, std::string& why) {
  pugi::xml_document document;
  if (!Parse(text, document, why)) return false;
  pugi::xml_node root;
  for (const pugi::xml_node child : document.children()) {
    if (child.type() == pugi::node_element && LocalName(child) == "graphml") root = child;
  }
  if (!root) {
    why = "not a GraphML file: no <graphml> element";
    return false;
  }
  // The keys: the edges' measure with its default, and the nodes' labels (label, else name).
  const std::string wanted = builder.Options().weight;
  std::string weightKey, weightDefault, labelKey;
  std::vector<std::string> otherNumeric;  // edge keys of numbers under other names
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
    const std::string attribute = child.attribute("attr.name").value();
    if (domain == "edge" || domain == "all") {
      const int rank = !wanted.empty()
                           ? (attribute == wanted ? 0 : 99)
                           : static_cast<int>(std::find(kWeights, kWeights + 4, Lower(attribute)) - kWeights);
      if (rank < 4 && rank < weightRank) {
        weightRank = rank;
        weightKey = child.attribute("id").value();
        weightDefault.clear();
        for (const pugi::xml_node part : child.children()) {
          if (LocalName(part) == "default") weightDefault = std::string(Trim(part.text().get()));
        }
      } else if (rank >= 4 && Numeric(child.attribute("attr.type").value())) {
        otherNumeric.push_back(attribute);
      }
    }
    if (domain == "node" || domain == "all") {
      for (int rank = 0; rank < 2; ++rank) {
        if (Lower(attribute) == kLabels[rank] && rank < labelRank) {
          labelRank = rank;
          labelKey = child.attribute("id").value();
        }
      }
    }
  }
  if (!graph) {
    why = "the GraphML file holds no <graph>";
    return false;
  }
  if (weightKey.empty() && !wanted.empty()) {
    why = "no edge key named '" + wanted + "' (its attr.name)";
    return false;
  }
  if (weightKey.empty() && !otherNumeric.empty()) {
    why = "no edge key named weight (or cost, length, distance), but the edges carry numbers as " +
          Listed(otherNumeric) + ": " + WeightChoices(otherNumeric, false);
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
    const pugi::xml_node label = labelKey.empty() ? pugi::xml_node() : DataOf(child, labelKey);
    if (label && !Trim(label.text().get()).empty()) builder.Name(node, label.text().get());
    declared = std::max(declared, static_cast<std::size_t>(node) + 1);
  }
  LineCounter lines(text);
  for (const pugi::xml_node child : graph.children()) {
    const std::string name = LocalName(child);
    const long long line = lines.At(child.offset_debug());
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
    const pugi::xml_node data = weightKey.empty() ? pugi::xml_node() : DataOf(child, weightKey);
    const std::string value = data ? std::string(Trim(data.text().get())) : weightDefault;
    if (!builder.AddEdge(a, b, value, line, why)) return false;
  }
  return true;
}

// GEXF (Gephi's own format, NetworkX's write_gexf): <gexf><graph><nodes><node id label/>
// </nodes><edges><edge source target weight/></edges></graph></gexf>. The measure is the edge's
// weight attribute (GEXF's own; 1 where an edge has none, as GEXF says), or with --weight the
// edge attribute of that title, declared in <attributes class="edge"> and given in each edge's
// <attvalues>. Edges that carry no weight but numbers under other attributes are refused with
// the --weight that takes each. Nodes are named by their labels, else their ids.
bool ReadGexf(std::string_view text, NetworkBuilder& builder, std::string& why) {
  pugi::xml_document document;
  if (!Parse(text, document, why)) return false;
  pugi::xml_node graph;
  for (const pugi::xml_node child : document.children()) {
    if (child.type() != pugi::node_element || LocalName(child) != "gexf") continue;
    for (const pugi::xml_node part : child.children()) {
      if (LocalName(part) == "graph" && !graph) graph = part;
    }
  }
  if (!graph) {
    why = "not a GEXF file: no <gexf> element holding a <graph>";
    return false;
  }
  // The edge attributes: --weight's id, and those of numbers.
  const std::string wanted = builder.Options().weight;
  std::string wantedId;
  std::vector<std::string> numericIds, numericTitles;
  pugi::xml_node nodes, edges;
  for (const pugi::xml_node part : graph.children()) {
    const std::string name = LocalName(part);
    if (name == "nodes") nodes = part;
    if (name == "edges") edges = part;
    if (name != "attributes" || std::string(part.attribute("class").value()) != "edge") continue;
    for (const pugi::xml_node attribute : part.children()) {
      if (LocalName(attribute) != "attribute") continue;
      const std::string title = attribute.attribute("title").value();
      const std::string type = attribute.attribute("type").value();
      if (title == wanted) wantedId = attribute.attribute("id").value();
      if (Numeric(type) || type == "integer") {
        numericIds.push_back(attribute.attribute("id").value());
        numericTitles.push_back(title);
      }
    }
  }
  if (!wanted.empty() && wantedId.empty() && wanted != "weight") {
    why = "no edge attribute titled '" + wanted + "' (in <attributes class=\"edge\">)";
    return false;
  }
  const bool useAttribute = !wantedId.empty() && wanted != "weight";
  bool anyWeight = false;
  for (const pugi::xml_node edge : edges.children()) {
    anyWeight = anyWeight || edge.attribute("weight");
  }
  if (!useAttribute && !anyWeight && !numericTitles.empty()) {
    why = "no edge has a weight, but they carry numbers as " + Listed(numericTitles) + ": " +
          WeightChoices(numericTitles, false);
    return false;
  }
  for (const pugi::xml_node node : nodes.children()) {
    if (LocalName(node) != "node") continue;
    const char* id = node.attribute("id").value();
    if (*id == '\0') {
      why = AtLine(LineOf(text, node.offset_debug())) + "a <node> without an id";
      return false;
    }
    const std::size_t before = builder.NodeCount();
    const int at = builder.NodeByName(id);
    if (builder.NodeCount() == before) {
      why = AtLine(LineOf(text, node.offset_debug())) + "the node id '" + id + "' is given twice";
      return false;
    }
    const std::string label = std::string(Trim(node.attribute("label").value()));
    if (!label.empty()) builder.Name(at, label);
  }
  const std::size_t declared = builder.NodeCount();
  LineCounter lines(text);
  for (const pugi::xml_node edge : edges.children()) {
    if (LocalName(edge) != "edge") continue;
    const long long line = lines.At(edge.offset_debug());
    const std::string source = edge.attribute("source").value();
    const std::string target = edge.attribute("target").value();
    if (source.empty() || target.empty()) {
      why = AtLine(line) + "an <edge> needs a source and a target";
      return false;
    }
    const int a = builder.NodeByName(source);
    const int b = builder.NodeByName(target);
    if (builder.NodeCount() > declared) {
      why = AtLine(line) + "the edge names the node '" + (static_cast<std::size_t>(a) >= declared ? source : target) +
            "', which no <node> declares";
      return false;
    }
    std::string value;
    if (useAttribute) {
      for (const pugi::xml_node values : edge.children()) {
        if (LocalName(values) != "attvalues") continue;
        for (const pugi::xml_node given : values.children()) {
          if (wantedId == given.attribute("for").value()) value = std::string(Trim(given.attribute("value").value()));
        }
      }
    } else {
      value = std::string(Trim(edge.attribute("weight").value()));
    }
    if (!builder.AddEdge(a, b, value, line, why)) return false;
  }
  return true;
}

#else

bool ReadGraphml(std::string_view, NetworkBuilder&, std::string& why) {
  why = "this build reads no GraphML: it needs pugixml (Debian: apt-get install libpugixml-dev, then rebuild)";
  return false;
}

bool ReadGexf(std::string_view, NetworkBuilder&, std::string& why) {
  why = "this build reads no GEXF: it needs pugixml (Debian: apt-get install libpugixml-dev, then rebuild)";
  return false;
}

#endif

}  // namespace mst
