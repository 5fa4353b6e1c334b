#include "trace/step_page.h"

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

}  // namespace

bool StepPage(const StepTrace& trace, const std::string& title, const std::string& svg, std::string& page,
              std::string& why) {
  const std::size_t start = svg.find("<svg");
  const std::size_t end = svg.rfind("</svg>");
  if (start == std::string::npos || end == std::string::npos || end < start) {
    why = "it holds no <svg> drawing (make it with: mst-draw NETWORK_FILE | neato -Tsvg)";
    return false;
  }
  const std::string json = TraceJson(trace, title);
  page = PageTemplate();
  // The title first, while only the template's markers are there; the JSON holds no '<' and
  // Graphviz escapes it in the drawing's texts, so neither can hold a marker.
  Replace(page, "<!--TITLE-->", HtmlEscaped(title));
  Replace(page, "<!--TRACE-->", json);
  Replace(page, "<!--DRAWING-->", svg.substr(start, end + 6 - start));
  return true;
}

}  // namespace mst
