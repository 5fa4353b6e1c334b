#pragma once

#include <string>

// trace/page.html, compiled in: the page that plays a trace. It holds three markers the page
// writer fills: <!--TITLE--> (twice), <!--DRAWING--> and <!--TRACE-->.
[[nodiscard]] std::string PageTemplate();
