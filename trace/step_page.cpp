#include "trace/step_page.h"

#include <cstdio>
#include <set>

#include "trace/page_template.h"
#include "trace/trace_json.h"

namespace mst {

namespace {

std::string HtmlEscaped(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

void Replace(std::string& text, const std::string& marker, const std::string& with) {
  for (std::size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + with.size())) {
    text.replace(at, marker.size(), with);
  }
}

// The number after a group's id letter ("<g id=\"e12\"" gives 12), or -1.
long long IdNumber(const std::string& svg, std::size_t at, std::size_t& end) {
  long long number = 0;
  end = at;
  while (end < svg.size() && svg[end] >= '0' && svg[end] <= '9' && number < 1000000000) {
    number = number * 10 + (svg[end++] - '0');
  }
  return end > at && end < svg.size() && svg[end] == '"' ? number : -1;
}

// Whether the drawing is of this network, as mst-draw draws it: its nodes n1..nN, no edge eR
// that is not row R of the network between the same ends, and every edge of the two trees.
bool MatchesNetwork(const StepTrace& trace, const std::string& svg, std::string& why) {
  const int rows = static_cast<int>(trace.rows.size());
  std::set<long long> nodes, edges;
  const std::string again = " (make it again: mst-draw NETWORK_FILE | neato -Tsvg)";
  for (std::size_t at = svg.find("<g id=\""); at != std::string::npos; at = svg.find("<g id=\"", at + 1)) {
    const char kind = svg[at + 7];
    std::size_t end = 0;
    const long long number = kind == 'n' || kind == 'e' ? IdNumber(svg, at + 8, end) : -1;
    if (number < 0) continue;
    if (kind == 'n') {
      if (number < 1 || number > trace.nON) {
        why = "its node n" + std::to_string(number) + " is not in the network, of " + std::to_string(trace.nON) +
              " nodes: the drawing is of another network" + again;
        return false;
      }
      nodes.insert(number);
      continue;
    }
    if (number < 1 || number > rows) {
      why = "its edge e" + std::to_string(number) + " is not a row of the network, of " + std::to_string(rows) +
            " rows: the drawing is of another network" + again;
      return false;
    }
    // Graphviz's title of an edge: "a&#45;&#45;b", its ends by their DOT names (the numbers).
    const std::size_t title = svg.find("<title>", end);
    const std::size_t close = svg.find("</title>", title);
    const std::string ends =
        title == std::string::npos || close == std::string::npos ? "" : svg.substr(title + 7, close - title - 7);
    const std::size_t dash = ends.find("&#45;&#45;");
    const Edges& row = trace.rows[static_cast<std::size_t>(number - 1)];
    const std::string a = std::to_string(row.node1 + 1), b = std::to_string(row.node2 + 1);
    const std::string first = dash == std::string::npos ? "" : ends.substr(0, dash);
    const std::string second = dash == std::string::npos ? "" : ends.substr(dash + 10);
    if (!((first == a && second == b) || (first == b && second == a))) {
      why = "its edge e" + std::to_string(number) + " joins " + first + " and " + second + ", where row " +
            std::to_string(number) + " of the network joins " + a + " and " + b +
            ": the drawing is of another network" + again;
      return false;
    }
    edges.insert(number);
  }
  for (int n = 1; n <= trace.nON; ++n) {
    if (nodes.count(n) == 0) {
      why = "it has no node n" + std::to_string(n) + ": the drawing is of another network" + again;
      return false;
    }
  }
  const auto drawn = [&](int row, const char* tree) {
    if (row < 0 || edges.count(row + 1) > 0) return true;
    why = "it lacks the edge e" + std::to_string(row + 1) + " of " + tree + " tree: the drawing is of another network" +
          again;
    return false;
  };
  for (const PrimTraceStep& step : trace.prim) {
    if (!drawn(step.row, "Prim's")) return false;
  }
  for (const KruskalTraceStep& step : trace.kruskal) {
    const bool accepted =
        step.decision != KruskalDecision::kSameComponent && step.decision != KruskalDecision::kSelfLoop;
    if (accepted && !drawn(step.row, "Kruskal's")) return false;
  }
  return true;
}

// The drawing as the page holds it: Graphviz's comments and titles left out (mst-draw's
// tooltips name the nodes and edges), and each font's name, which the page's style gives.
std::string Trimmed(const std::string& svg) {
  std::string out;
  out.reserve(svg.size());
  for (std::size_t at = 0; at < svg.size();) {
    if (svg.compare(at, 4, "<!--") == 0) {
      const std::size_t end = svg.find("-->", at);
      at = end == std::string::npos ? svg.size() : end + 3;
      if (at < svg.size() && svg[at] == '\n') ++at;
    } else if (svg.compare(at, 7, "<title>") == 0) {
      const std::size_t end = svg.find("</title>", at);
      at = end == std::string::npos ? svg.size() : end + 8;
      if (at < svg.size() && svg[at] == '\n') ++at;
    } else if (svg.compare(at, 35, " font-family=\"Helvetica,sans-Serif\"") == 0) {
      at += 35;
    } else {
      out += svg[at++];
    }
  }
  return out;
}

// The trace as the page takes it: each step's numbers in arrays of their own rather than a
// record per step, and nothing the page can work out (Prim's tree before a step is node 1 and
// the nodes joined before it; a rejected edge's cycle is the forest's path between its ends),
// so that the page grows with the network's size, not its square.
std::string PageJson(const StepTrace& trace, const std::string& title) {
  std::string json = "{\"network\":" + JsonString(title) + ",\"nodes\":" + std::to_string(trace.nON) +
                     ",\"edges\":" + std::to_string(trace.rows.size()) + ",\"rows\":[";
  for (std::size_t r = 0; r < trace.rows.size(); ++r) {
    const Edges& e = trace.rows[r];
    json += (r > 0 ? "," : "") + std::to_string(e.node1 + 1) + "," + std::to_string(e.node2 + 1) + "," +
            std::to_string(e.measure);
  }
  json += "],\"names\":";
  if (trace.names.empty()) {
    json += "null";
  } else {
    for (std::size_t n = 0; n < trace.names.size(); ++n) json += (n > 0 ? "," : "[") + JsonString(trace.names[n]);
    json += "]";
  }
  const auto array = [&json](const char* name, const auto& steps, auto value) {
    json += std::string(",\"") + name + "\":[";
    for (std::size_t k = 0; k < steps.size(); ++k) json += (k > 0 ? "," : "") + value(steps[k]);
    json += "]";
  };
  const auto oneBased = [](int value) { return value < 0 ? std::string("0") : std::to_string(value + 1); };
  json += ",\"prim\":{\"final\":" + std::to_string(PrimTotal(trace));
  array("row", trace.prim, [&](const PrimTraceStep& s) { return oneBased(s.row); });
  array("joins", trace.prim, [&](const PrimTraceStep& s) { return oneBased(s.joining); });
  array("crossing", trace.prim, [](const PrimTraceStep& s) { return std::to_string(s.crossing); });
  array("runnerUp", trace.prim, [&](const PrimTraceStep& s) { return oneBased(s.runnerUp); });
  array("total", trace.prim, [](const PrimTraceStep& s) { return std::to_string(s.total); });
  json += "},\"kruskal\":{\"final\":" + std::to_string(KruskalTotal(trace)) +
          ",\"summary\":" + JsonString(KruskalEnd(trace));
  array("order", trace.kruskalOrder, [&](int row) { return oneBased(row); });
  array("row", trace.kruskal, [&](const KruskalTraceStep& s) { return oneBased(s.row); });
  // One letter per decision: n(ew component), j(oins a component), m(erges two), r(ejected),
  // s(elf-loop).
  json += ",\"decision\":\"";
  for (const KruskalTraceStep& s : trace.kruskal) {
    static const char kLetters[] = {'n', 'j', 'm', 'r', 's'};
    json += kLetters[static_cast<int>(s.decision)];
  }
  json += "\"";
  array("label", trace.kruskal, [](const KruskalTraceStep& s) { return std::to_string(s.add); });
  array("absorbed", trace.kruskal, [](const KruskalTraceStep& s) { return std::to_string(s.absorbed); });
  array("joins", trace.kruskal, [&](const KruskalTraceStep& s) { return oneBased(s.joining); });
  array("total", trace.kruskal, [](const KruskalTraceStep& s) { return std::to_string(s.total); });
  return json + "}}";
}

}  // namespace

bool StepPage(const StepTrace& trace, const std::string& title, const std::string& svg, std::string& page,
              std::string& why) {
  const std::size_t start = svg.find("<svg");
  const std::size_t end = svg.rfind("</svg>");
  if (start == std::string::npos || end == std::string::npos || end < start) {
    why = "it holds no <svg> drawing (make it with: mst-draw NETWORK_FILE | neato -Tsvg)";
    return false;
  }
  const std::string drawing = svg.substr(start, end + 6 - start);
  if (!MatchesNetwork(trace, drawing, why)) return false;
  page = PageTemplate();
  // The title first, while only the template's markers are there; the JSON holds no '<' and
  // Graphviz escapes it in the drawing's texts, so neither can hold a marker.
  Replace(page, "<!--TITLE-->", HtmlEscaped(title));
  Replace(page, "<!--TRACE-->", PageJson(trace, title));
  Replace(page, "<!--DRAWING-->", Trimmed(drawing));
  return true;
}

}  // namespace mst
