// GML, as NetworkX's write_gml and igraph's write_gml write it: "graph [" with "node [ id 0
// label "Valjean" ]" and "edge [ source 0 target 1 weight 17 ]" blocks; igraph opens with
// Creator and Version lines and names nodes with "name" rather than "label". Values are
// numbers, strings in double quotes (NetworkX escapes quotes and characters past ASCII as
// &#34; and &#201;) or lists in brackets; '#' starts a comment line. Nodes are named by their
// label, else their name, else their id. The measure is the edge key --weight names, else
// weight (or cost, length, distance); an edge without it takes 1, counted; edges that carry
// numbers only under other keys are refused with the --weight that takes each.
#include <algorithm>
#include <cstdlib>
#include <unordered_map>
#include <vector>

#include "import/detail/builder.h"
#include "import/detail/readers.h"
#include "import/detail/text.h"
#include "text/encoding.h"

namespace mst {

namespace {

// GML's tokens: keys, numbers, strings, and the brackets of lists.
struct Token {
  enum Kind { kKey, kNumber, kString, kOpen, kClose, kEnd } kind;
  std::string text;  // a key, a number as written, or a string with its entities read
  long long line;
};

class Tokens {
 public:
  explicit Tokens(std::string_view text) : text_(text) {}

  // The next token, or false with why (naming the line).
  bool Next(Token& token, std::string& why) {
    for (;;) {
      while (at_ < text_.size() &&
             (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\r' || text_[at_] == '\n')) {
        if (text_[at_] == '\n' || (text_[at_] == '\r' && (at_ + 1 >= text_.size() || text_[at_ + 1] != '\n'))) {
          ++line_;
        }
        ++at_;
      }
      if (at_ < text_.size() && text_[at_] == '#') {  // a comment, to the line's end
        while (at_ < text_.size() && text_[at_] != '\n' && text_[at_] != '\r') ++at_;
        continue;
      }
      break;
    }
    token.line = line_;
    token.text.clear();
    if (at_ >= text_.size()) {
      token.kind = Token::kEnd;
      return true;
    }
    const char c = text_[at_];
    if (c == '[' || c == ']') {
      token.kind = c == '[' ? Token::kOpen : Token::kClose;
      ++at_;
      return true;
    }
    if (c == '"') {
      token.kind = Token::kString;
      const std::size_t close = text_.find('"', at_ + 1);
      if (close == std::string_view::npos) {
        why = AtLine(line_) + "a string is not closed";
        return false;
      }
      const std::string_view raw = text_.substr(at_ + 1, close - at_ - 1);
      for (const char r : raw) line_ += r == '\n' ? 1 : 0;
      at_ = close + 1;
      return Entities(raw, token.text, why);
    }
    const std::size_t start = at_;
    while (at_ < text_.size() && std::string_view(" \t\r\n[]\"").find(text_[at_]) == std::string_view::npos) ++at_;
    token.text.assign(text_.substr(start, at_ - start));
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    // NetworkX writes infinities and NaN as INF, +INF, -INF and NAN: numbers, for the builder to refuse.
    token.kind = letter && token.text != "INF" && token.text != "NAN" ? Token::kKey : Token::kNumber;
    if (token.kind == Token::kNumber && !IsNumber(token.text) && token.text != "INF" && token.text != "+INF" &&
        token.text != "-INF" && token.text != "NAN") {
      why = AtLine(line_) + Quote(token.text) + " is neither a key, a number nor a string";
      return false;
    }
    return true;
  }

 private:
  // A string's HTML entities (&#34; &#xC9; &amp; &quot; &lt; &gt; &apos;) as UTF-8.
  bool Entities(std::string_view raw, std::string& out, std::string& why) const {
    for (std::size_t k = 0; k < raw.size(); ++k) {
      if (raw[k] != '&') {
        out += raw[k];
        continue;
      }
      const std::size_t semicolon = raw.find(';', k);
      const std::string_view entity =
          semicolon == std::string_view::npos ? std::string_view() : raw.substr(k + 1, semicolon - k - 1);
      static const std::pair<const char*, const char*> kNamed[] = {
          {"amp", "&"}, {"quot", "\""}, {"lt", "<"}, {"gt", ">"}, {"apos", "'"}};
      bool done = false;
      for (const auto& [name, value] : kNamed) {
        if (entity == name) {
          out += value;
          done = true;
        }
      }
      if (!done && entity.size() >= 2 && entity[0] == '#') {
        const bool hex = entity[1] == 'x' || entity[1] == 'X';
        unsigned long value = 0;
        const std::string digits(entity.substr(hex ? 2 : 1));
        char* end = nullptr;
        value = std::strtoul(digits.c_str(), &end, hex ? 16 : 10);
        if (!digits.empty() && *end == '\0' && value > 0 && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF)) {
          AppendUtf8(out, static_cast<unsigned int>(value));
          done = true;
        }
      }
      if (!done) {
        why = AtLine(line_) + "the string holds '&' that starts no character reference (&amp; writes '&')";
        return false;
      }
      k = semicolon;
    }
    return true;
  }

  std::string_view text_;
  std::size_t at_ = 0;
  long long line_ = 1;
};

// A "key value" pair of a block; lists are read and passed over.
struct Pair {
  std::string key;
  Token value;
};

// Reads a list's content after its '[' up to its ']', keeping its scalar pairs; nested lists are
// read through, and where keep is given, each nested block named so is handed to it.
template <typename Keep>
bool Block(Tokens& tokens, std::vector<Pair>& pairs, Keep keep, std::string& why) {
  Token key;
  for (;;) {
    if (!tokens.Next(key, why)) return false;
    if (key.kind == Token::kClose) return true;
    if (key.kind != Token::kKey) {
      why = AtLine(key.line) +
            (key.kind == Token::kEnd
                 ? std::string("the file ends inside a list ('[' without its ']')")
                 : "a key was expected, not " + (key.text.empty() ? std::string("'['") : Quote(key.text)));
      return false;
    }
    Token value;
    if (!tokens.Next(value, why)) return false;
    if (value.kind == Token::kOpen) {
      if (!keep(key, tokens, why)) return false;
      continue;
    }
    if (value.kind != Token::kNumber && value.kind != Token::kString) {
      why = AtLine(value.line) + "the key " + Quote(key.text) + " has no value";
      return false;
    }
    pairs.push_back({key.text, std::move(value)});
  }
}

bool Skip(const Token&, Tokens& tokens, std::string& why) {
  std::vector<Pair> ignored;
  return Block(tokens, ignored, Skip, why);
}

struct GmlEdge {
  std::string source, target;
  std::vector<Pair> pairs;
  long long line;
};

}  // namespace

bool StartsGml(std::string_view text) {
  Tokens tokens(text);
  Token first, second;
  std::string why;
  if (!tokens.Next(first, why) || first.kind != Token::kKey) return false;
  if (first.text == "Creator" || first.text == "Version") return true;
  return first.text == "graph" && tokens.Next(second, why) && second.kind == Token::kOpen;
}

bool ReadGml(std::string_view text, NetworkBuilder& builder, std::string& why) {
  Tokens tokens(text);
  std::vector<std::vector<Pair>> nodeBlocks;
  std::vector<GmlEdge> edges;
  bool graph = false;
  const auto inGraph = [&](const Token& key, Tokens& t, std::string& reason) {
    std::vector<Pair> pairs;
    if (key.text == "node") {
      if (!Block(t, pairs, Skip, reason)) return false;
      nodeBlocks.push_back(std::move(pairs));
      return true;
    }
    if (key.text == "edge") {
      const long long line = key.line;
      if (!Block(t, pairs, Skip, reason)) return false;
      GmlEdge edge{{}, {}, std::move(pairs), line};
      for (const Pair& pair : edge.pairs) {
        if (pair.key == "source") edge.source = pair.value.text;
        if (pair.key == "target") edge.target = pair.value.text;
      }
      edges.push_back(std::move(edge));
      return true;
    }
    return Skip(key, t, reason);
  };
  const auto top = [&](const Token& key, Tokens& t, std::string& reason) {
    if (key.text != "graph") return Skip(key, t, reason);
    if (graph) {
      reason = AtLine(key.line) + "a second graph: one network a file";
      return false;
    }
    graph = true;
    std::vector<Pair> pairs;
    return Block(t, pairs, inGraph, reason);
  };
  // The top level is a list without brackets: read it as a block that ends with the file.
  std::vector<Pair> topPairs;
  Token key;
  for (;;) {
    if (!tokens.Next(key, why)) return false;
    if (key.kind == Token::kEnd) break;
    if (key.kind != Token::kKey) {
      why = AtLine(key.line) + "a key was expected, not " +
            (key.text.empty() ? std::string("a bracket") : Quote(key.text));
      return false;
    }
    Token value;
    if (!tokens.Next(value, why)) return false;
    if (value.kind == Token::kOpen) {
      if (!top(key, tokens, why)) return false;
    } else if (value.kind == Token::kClose || value.kind == Token::kEnd) {
      why = AtLine(value.line) + "the key " + Quote(key.text) + " has no value";
      return false;
    }
  }
  if (!graph) {
    why = "no 'graph [ ... ]' list: not a GML file";
    return false;
  }
  // The nodes: their ids, and their names (label, else name, else the id).
  std::unordered_map<std::string, int> byId;
  for (const std::vector<Pair>& block : nodeBlocks) {
    const Pair* id = nullptr;
    const Pair* label = nullptr;
    const Pair* name = nullptr;
    for (const Pair& pair : block) {
      if (pair.key == "id" && id == nullptr) id = &pair;
      if (pair.key == "label" && label == nullptr) label = &pair;
      if (pair.key == "name" && name == nullptr) name = &pair;
    }
    if (id == nullptr) {
      why = AtLine(block.empty() ? 0 : block.front().value.line) + "a node without an id";
      return false;
    }
    const std::string shown = label != nullptr  ? label->value.text
                              : name != nullptr ? name->value.text
                                                : id->value.text;
    if (byId.count(id->value.text) > 0) {
      why = AtLine(id->value.line) + "the node id " + id->value.text + " is given twice";
      return false;
    }
    // Nodes are numbered in the file's order; two nodes of one label stay two nodes.
    const int node = builder.NodeByName("\x01" + id->value.text);
    builder.Name(node, shown);
    byId[id->value.text] = node;
  }
  // The measure's key: --weight's, else the first of weight, cost, length, distance any edge has.
  static const char* const kWeights[] = {"weight", "cost", "length", "distance"};
  std::string weightKey = builder.Options().weight;
  if (weightKey.empty()) {
    for (const char* candidate : kWeights) {
      for (const GmlEdge& edge : edges) {
        for (const Pair& pair : edge.pairs) {
          if (weightKey.empty() && pair.key == candidate) weightKey = candidate;
        }
      }
    }
  }
  bool anyWeight = false;
  std::vector<std::string> otherNumeric;
  for (const GmlEdge& edge : edges) {
    for (const Pair& pair : edge.pairs) {
      if (pair.key == weightKey) anyWeight = true;
      if (pair.key != weightKey && pair.key != "source" && pair.key != "target" && pair.key != "id" &&
          pair.key != "key" && (pair.value.kind == Token::kNumber || IsNumber(pair.value.text)) &&
          std::find(otherNumeric.begin(), otherNumeric.end(), pair.key) == otherNumeric.end()) {
        otherNumeric.push_back(pair.key);
      }
    }
  }
  if (!builder.Options().weight.empty() && !anyWeight) {
    why = "no edge has the key '" + weightKey + "'";
    return false;
  }
  if (!anyWeight && !otherNumeric.empty()) {
    why = "no edge has the key weight (or cost, length, distance), but they carry numbers as " + Listed(otherNumeric) +
          ": " + WeightChoices(otherNumeric, false);
    return false;
  }
  for (const GmlEdge& edge : edges) {
    if (edge.source.empty() || edge.target.empty()) {
      why = AtLine(edge.line) + "an edge needs a source and a target";
      return false;
    }
    const auto a = byId.find(edge.source);
    const auto b = byId.find(edge.target);
    if (a == byId.end() || b == byId.end()) {
      why = AtLine(edge.line) + "the edge names the node " + (a == byId.end() ? edge.source : edge.target) +
            ", which no node block declares";
      return false;
    }
    std::string measure;
    for (const Pair& pair : edge.pairs) {
      if (pair.key != weightKey || !measure.empty()) continue;
      // NetworkX writes integers beyond GML's 32 bits as strings of digits: numbers all the same.
      if (pair.value.kind == Token::kString && !IsNumber(pair.value.text)) {
        why = AtLine(pair.value.line) + "the " + weightKey + " \"" + pair.value.text + "\" is text, not a number";
        return false;
      }
      measure = pair.value.text;
    }
    if (!builder.AddEdge(a->second, b->second, measure, edge.line, why)) return false;
  }
  return true;
}

}  // namespace mst
