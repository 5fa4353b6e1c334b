#pragma once

#include <string>

// What the playground page asks of the C++: one network read from the bytes of a file, then its
// trace, its step page and a race, each as text. Compiled twice, natively (tested against the
// companions) and to WebAssembly for the page, which reaches it through the C functions of
// playground/module.cpp. Prints nothing.
namespace mst {

// The importer's options, one "name=value" or "name" per line, by their command-line names
// without the dashes: format=csv, weight=km, columns=a,b,w, scale=0.01, maximum, largest-part,
// encoding=cp1252, comments=skip, decimal-comma. Empty values and unknown names are ignored.
struct PlaygroundResult {
  bool read = false;
  // The refusal (read false) or the notes, one sentence a line, as mst-trace writes them after
  // "mst-trace: NAME: ".
  std::string message;
  std::string traceJson;  // read: exactly mst-trace --json's document for the same file and options
  std::string page;       // read and a page asked for: mst-trace --page's page
};

// Reads the network in text (the file's bytes; fileName names it: its extension may tell the
// format, and the trace and page are titled by it), then traces it and, when page is true,
// draws it and makes the step page. An option with a bad value is refused as the command line
// refuses it. Cost: the importer's, the trace's, and with page the layout's.
[[nodiscard]] PlaygroundResult RunPlayground(const std::string& fileName, const std::string& text,
                                             const std::string& options, bool page);

// Times both routines on the network as mst-race does (calibrated batches, repetitions
// interleaved, medians, its verdict rule) and returns its report: the header, the table and the
// verdict. "" when the network cannot be read (RunPlayground says why).
[[nodiscard]] std::string RacePlayground(const std::string& fileName, const std::string& text,
                                         const std::string& options, int repetitions);

// The formats the importer reads, as a JSON array of {"name", "label", "extensions"} in the
// registry's order, for the page's list.
[[nodiscard]] std::string PlaygroundFormats();

}  // namespace mst
