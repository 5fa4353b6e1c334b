#pragma once

#include <cstdio>
#include <string>

// Reading a whole file into memory: the one way the companions read a network, a drawing or
// any other input that is not read a word at a time.
namespace mst {

// Appends everything left in file to text. On a read error returns false with why
// (ReadFailureReason's words: a directory is named as such).
[[nodiscard]] bool ReadWhole(std::FILE* file, std::string& text, std::string& why);

// Opens path (binary), reads it whole into text and closes it. A file that cannot be opened
// gives "cannot open the file (<the system's reason>)". Costs the file's size in memory.
[[nodiscard]] bool ReadWholeFile(const std::string& path, std::string& text, std::string& why);

}  // namespace mst
