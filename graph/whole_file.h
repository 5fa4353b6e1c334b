#pragma once

#include <cstdio>
#include <string>

// Reading a whole file into memory: the one way the companions read a network, a drawing or
// any other input that is not read a word at a time.
namespace mst {

// What a reader expects of the bytes: anything, or text, where a NUL byte shows binary content
// (UTF-16 text, which is full of them, is known by its byte-order mark and let through).
enum class Content { kAny, kText };

// Appends everything left in file to text. On a read error returns false with why
// (ReadFailureReason's words: a directory is named as such). For kText, stops at the first
// 64 KB block that holds a NUL byte, with why "binary content at byte N": a 2 GB file of zeros
// is refused after one block, not after filling memory.
[[nodiscard]] bool ReadWhole(std::FILE* file, std::string& text, std::string& why, Content content = Content::kAny);

// Opens path (binary), reads it whole into text and closes it. A file that cannot be opened
// gives "cannot open the file (<the system's reason>)". Costs the file's size in memory.
[[nodiscard]] bool ReadWholeFile(const std::string& path, std::string& text, std::string& why,
                                 Content content = Content::kAny);

}  // namespace mst
