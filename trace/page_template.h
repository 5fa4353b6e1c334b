#pragma once

#include <string>

namespace mst {

// trace/page.html, compiled in: the page that plays a trace. It holds three markers the page
// writer fills: <!--TITLE--> (twice), <!--DRAWING--> and <!--TRACE-->.
[[nodiscard]] std::string PageTemplate();

}  // namespace mst
