// Node-link JSON, as NetworkX's node_link_data writes it and D3 reads it: {"nodes": [{"id":
// "Valjean"}, ...], "links": [{"source": "Valjean", "target": "Javert", "weight": 17}, ...]}
// ("edges" for "links" as newer NetworkX writes). Links name their ends by the nodes' ids; where
// the nodes have no ids (D3's older files: {"name": "Myriel"}), by their place in the nodes'
// list, from 0. Nodes are named by their ids, else their names. The measure is the link key
// --weight names, else weight (or cost, length, distance); a link without it takes 1, counted;
// links that carry numbers only under other keys (D3's "value") are refused with the --weight
// that takes each. A small reader of JSON's grammar (RFC 8259) of its own.
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "graph/integer_text.h"
#include "import/detail/builder.h"
#include "import/detail/readers.h"
#include "import/detail/text.h"
#include "text/encoding.h"

namespace mst {

namespace {

// A JSON value: objects keep their members in order, numbers their text as written.
struct Value {
  enum Kind { kNull, kBool, kNumber, kString, kArray, kObject } kind = kNull;
  std::string text;  // a number as written, a string's content, "true"/"false"
  std::vector<Value> items;
  std::vector<std::pair<std::string, Value>> members;
  long long line = 0;

  [[nodiscard]] const Value* Member(std::string_view key) const {
    for (const auto& [name, value] : members) {
      if (name == key) return &value;
    }
    return nullptr;
  }
};

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  bool Document(Value& value, std::string& why) {
    if (!Parse(value, 0, why)) return false;
    Blanks();
    if (at_ < text_.size()) return Fail("more follows the document's end", why);
    return true;
  }

 private:
  bool Fail(const std::string& what, std::string& why) const {
    why = AtLine(line_) + what + " (not well-formed JSON)";
    return false;
  }

  void Blanks() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r')) {
      if (text_[at_] == '\n') ++line_;
      ++at_;
    }
  }

  bool Parse(Value& value, int depth, std::string& why) {
    if (depth > 200) return Fail("lists nested more than 200 deep", why);
    Blanks();
    value.line = line_;
    if (at_ >= text_.size()) return Fail("the text ends where a value was expected", why);
    const char c = text_[at_];
    if (c == '{' || c == '[') {
      const bool object = c == '{';
      value.kind = object ? Value::kObject : Value::kArray;
      ++at_;
      Blanks();
      if (at_ < text_.size() && text_[at_] == (object ? '}' : ']')) {
        ++at_;
        return true;
      }
      for (;;) {
        if (object) {
          Blanks();
          std::string key;
          if (at_ >= text_.size() || text_[at_] != '"') return Fail("a member's name was expected", why);
          if (!String(key, why)) return false;
          Blanks();
          if (at_ >= text_.size() || text_[at_] != ':') return Fail("':' was expected after a member's name", why);
          ++at_;
          value.members.emplace_back(std::move(key), Value());
          if (!Parse(value.members.back().second, depth + 1, why)) return false;
        } else {
          value.items.emplace_back();
          if (!Parse(value.items.back(), depth + 1, why)) return false;
        }
        Blanks();
        if (at_ < text_.size() && text_[at_] == ',') {
          ++at_;
          continue;
        }
        if (at_ < text_.size() && text_[at_] == (object ? '}' : ']')) {
          ++at_;
          return true;
        }
        return Fail(object ? "',' or '}' was expected" : "',' or ']' was expected", why);
      }
    }
    if (c == '"') {
      value.kind = Value::kString;
      return String(value.text, why);
    }
    for (const char* word : {"true", "false", "null"}) {
      if (text_.compare(at_, std::strlen(word), word) == 0) {
        value.kind = word[0] == 'n' ? Value::kNull : Value::kBool;
        value.text = word;
        at_ += std::strlen(word);
        return true;
      }
    }
    // A number: -?digits[.digits][e[+-]digits]; NaN and Infinity, which Python's json writes, too.
    const std::size_t start = at_;
    for (const char* word : {"NaN", "Infinity", "-Infinity"}) {
      if (text_.compare(at_, std::strlen(word), word) == 0) {
        at_ += std::strlen(word);
        value.kind = Value::kNumber;
        value.text = word[0] == 'N' ? "nan" : word[0] == '-' ? "-inf" : "inf";
        return true;
      }
    }
    while (at_ < text_.size() && std::string_view("+-0123456789.eE").find(text_[at_]) != std::string_view::npos) ++at_;
    value.kind = Value::kNumber;
    value.text.assign(text_.substr(start, at_ - start));
    if (value.text.empty() || value.text[0] == '+' || !IsNumber(value.text)) {
      return Fail(value.text.empty() ? "a value was expected" : Quote(value.text) + " is not a number", why);
    }
    return true;
  }

  bool String(std::string& out, std::string& why) {
    ++at_;  // the opening quote
    out.clear();
    while (at_ < text_.size() && text_[at_] != '"') {
      const char c = text_[at_++];
      if (c == '\n') return Fail("a string is not closed on its line", why);
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at_ >= text_.size()) break;
      const char e = text_[at_++];
      const char* const simple = "\"\\/bfnrt";
      const char* const meant = "\"\\/\b\f\n\r\t";
      if (const char* found = std::strchr(simple, e); found != nullptr && e != '\0') {
        out += meant[found - simple];
        continue;
      }
      if (e != 'u') return Fail("an unknown escape '\\" + std::string(1, e) + "'", why);
      unsigned int unit = 0;
      if (!Hex4(unit)) return Fail("'\\u' needs four hexadecimal digits", why);
      if (unit >= 0xD800 && unit <= 0xDBFF && text_.compare(at_, 2, "\\u") == 0) {
        at_ += 2;
        unsigned int low = 0;
        if (!Hex4(low) || low < 0xDC00 || low > 0xDFFF) return Fail("half of a UTF-16 pair in a '\\u' escape", why);
        unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
      } else if (unit >= 0xD800 && unit <= 0xDFFF) {
        return Fail("half of a UTF-16 pair in a '\\u' escape", why);
      }
      AppendUtf8(out, unit);
    }
    if (at_ >= text_.size()) return Fail("a string is not closed", why);
    ++at_;  // the closing quote
    return true;
  }

  bool Hex4(unsigned int& value) {
    if (at_ + 4 > text_.size()) return false;
    value = 0;
    for (int k = 0; k < 4; ++k) {
      const char h = text_[at_++];
      const int digit = h >= '0' && h <= '9'   ? h - '0'
                        : h >= 'a' && h <= 'f' ? h - 'a' + 10
                        : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                               : -1;
      if (digit < 0) return false;
      value = value * 16 + static_cast<unsigned int>(digit);
    }
    return true;
  }

  std::string_view text_;
  std::size_t at_ = 0;
  long long line_ = 1;
};

// A node's id or a link's end as a name: a string as it is, a number as written.
bool AsName(const Value& value, std::string& name) {
  if (value.kind != Value::kString && value.kind != Value::kNumber) return false;
  name = value.text;
  return true;
}

}  // namespace

bool StartsJson(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  return first != std::string_view::npos && text[first] == '{';
}

bool ReadJson(std::string_view text, NetworkBuilder& builder, std::string& why) {
  Value document;
  if (!Parser(text).Document(document, why)) return false;
  const Value* nodes = document.kind == Value::kObject ? document.Member("nodes") : nullptr;
  const Value* links = document.kind == Value::kObject ? document.Member("links") : nullptr;
  if (links == nullptr && nodes != nullptr) links = document.Member("edges");
  if (nodes == nullptr || links == nullptr || nodes->kind != Value::kArray || links->kind != Value::kArray) {
    why = "no \"nodes\" and \"links\" lists: not node-link JSON (as NetworkX's node_link_data writes it)";
    return false;
  }
  // The nodes, by id; without ids, links name them by their place in the list.
  const bool byPlace =
      !nodes->items.empty() && nodes->items[0].kind == Value::kObject && nodes->items[0].Member("id") == nullptr;
  std::vector<std::pair<std::string, int>> ids;
  std::vector<int> placed;
  for (const Value& node : nodes->items) {
    const Value* id = node.kind == Value::kObject ? node.Member("id") : nullptr;
    const Value* name = node.kind == Value::kObject ? node.Member("name") : nullptr;
    std::string key;
    if (byPlace ? (name == nullptr || !AsName(*name, key)) : (id == nullptr || !AsName(*id, key))) {
      why = AtLine(node.line) + (byPlace ? "a node without a name, where the first node has no id"
                                         : "a node without an id (a string or a number)");
      return false;
    }
    const std::size_t before = builder.NodeCount();
    const int at = builder.NodeByName(key);
    if (builder.NodeCount() == before) {
      why = AtLine(node.line) + "the node " + Quote(key) + " is given twice";
      return false;
    }
    placed.push_back(at);
  }
  // The measure's key: --weight's, else the first of weight, cost, length, distance a link has.
  static const char* const kWeights[] = {"weight", "cost", "length", "distance"};
  std::string weightKey = builder.Options().weight;
  for (const char* candidate : kWeights) {
    for (const Value& link : links->items) {
      if (weightKey.empty() && link.kind == Value::kObject && link.Member(candidate) != nullptr) weightKey = candidate;
    }
  }
  bool anyWeight = false;
  std::vector<std::string> otherNumeric;
  for (const Value& link : links->items) {
    for (const auto& [key, value] : link.members) {
      if (key == weightKey) anyWeight = true;
      if (key != weightKey && key != "source" && key != "target" && key != "key" && value.kind == Value::kNumber &&
          std::find(otherNumeric.begin(), otherNumeric.end(), key) == otherNumeric.end()) {
        otherNumeric.push_back(key);
      }
    }
  }
  if (!builder.Options().weight.empty() && !anyWeight) {
    why = "no link has the key '" + weightKey + "'";
    return false;
  }
  if (!anyWeight && !otherNumeric.empty()) {
    why = "no link has the key weight (or cost, length, distance), but they carry numbers as " + Listed(otherNumeric) +
          ": " + WeightChoices(otherNumeric, false);
    return false;
  }
  const std::size_t declared = builder.NodeCount();
  for (const Value& link : links->items) {
    const Value* source = link.kind == Value::kObject ? link.Member("source") : nullptr;
    const Value* target = link.kind == Value::kObject ? link.Member("target") : nullptr;
    std::string ends[2];
    int nodesOf[2] = {0, 0};
    for (int end = 0; end < 2; ++end) {
      const Value* given = end == 0 ? source : target;
      if (given == nullptr || !AsName(*given, ends[end])) {
        why = AtLine(link.line) + "a link needs a source and a target";
        return false;
      }
      if (byPlace) {
        long long place = -1;
        if (given->kind != Value::kNumber || !WholeNumber(ends[end], place) || place < 0 ||
            place >= static_cast<long long>(placed.size())) {
          why = AtLine(link.line) + "the link's " + (end == 0 ? "source " : "target ") + Quote(ends[end]) +
                " is no place in the nodes' list (0 to " + std::to_string(placed.size() - 1) + ")";
          return false;
        }
        nodesOf[end] = placed[static_cast<std::size_t>(place)];
      } else {
        nodesOf[end] = builder.NodeByName(ends[end]);
        if (builder.NodeCount() > declared) {
          why = AtLine(link.line) + "the link names the node " + Quote(ends[end]) + ", which the nodes' list lacks";
          return false;
        }
      }
    }
    const Value* weight = link.Member(weightKey);
    if (weight != nullptr && weight->kind != Value::kNumber) {
      why = AtLine(weight->line) + "the " + weightKey + " " + Quote(weight->text) + " is not a number";
      return false;
    }
    if (!builder.AddEdge(nodesOf[0], nodesOf[1], weight != nullptr ? weight->text : std::string(), link.line, why)) {
      return false;
    }
  }
  return true;
}

}  // namespace mst
