#pragma once

#include <string>
#include <string_view>

// Node names as they reach terminals, pictures and pages: UTF-8 text on one line.
namespace mst {

// Whether text is well-formed UTF-8: no overlong forms, surrogates or values past U+10FFFF.
[[nodiscard]] bool IsUtf8(std::string_view text);

// Whether text holds a control character (below U+0020, or DEL), a tab among them.
[[nodiscard]] bool HasControl(std::string_view text);

// A name fit to show: each control character (tabs and line ends too) a space, each byte that is
// not part of well-formed UTF-8 the replacement character U+FFFD, blanks at either end dropped.
[[nodiscard]] std::string DisplayName(std::string_view name);

}  // namespace mst
