#pragma once

namespace mst {

// Ends the process when a routine cannot have its working memory: without it no tree can be
// computed, and carrying on would print a tree the routine never found.
[[noreturn]] void OutOfMemory(const char* routine);

}  // namespace mst
