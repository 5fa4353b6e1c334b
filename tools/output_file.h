#pragma once

#include <cstdio>
#include <functional>
#include <string>

// Where a program writes what it made: standard output, or a file that is replaced only by a
// whole result.
namespace mst {

// Calls write with standard output when path is empty; else with a new file beside path, which
// takes path's place once everything was written and flushed, so that path is left as it was on
// any error (the partial file is removed). A path that is not a plain file (a device such as
// /dev/stdout, a pipe, a symbolic link) is written in place instead. On failure prints "<program>: cannot write <path>"
// (with the system's reason where there is one; "to standard output" for standard output) and
// returns false. Costs one extra rename for a file.
[[nodiscard]] bool WriteOutput(const char* program, const std::string& path,
                               const std::function<void(std::FILE*)>& write);

// Writes to path directly (created or truncated), for files that go with a result rather than
// replace one; prints and returns false on failure as WriteOutput does.
[[nodiscard]] bool WriteFile(const char* program, const std::string& path,
                             const std::function<void(std::FILE*)>& write);

}  // namespace mst
