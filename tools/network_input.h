#pragma once

#include <string>

#include "import/network_import.h"

// Reading the one network a program was given on its command line, as every program that
// reads one does: the importer's options, the refusal, and what the user is told on the way.
namespace mst {

class CommandLine;

// Declares the importer's options on a program's command line, to be stored into options:
// --format, --weight, --columns, --scale, --maximum and --largest-part.
void AddImportOptions(CommandLine& line, ImportOptions& options);

// Their --help lines, in the 20-column option layout every program's help has.
[[nodiscard]] std::string ImportOptionsHelp();

// A companion's help from its import options on: a heading, those lines, then --help and
// --version's.
[[nodiscard]] std::string CompanionOptionsHelp();

// What ReadNetworkArgument tells on standard error of a network it read: the notes of
// ImportNotes (the companions), or before them a summary of the counts (mst-import).
enum class ImportReport { kNotes, kSummary };

// Reads the network in file ("-": standard input; a file named "-" is "./-") as options say.
// Returns -1 with imported and title (the file name, or "standard input") filled, having
// printed the report, each line "<program>: <title>: ...", on standard error; else prints
// "<program>: <title>: <reason>" there and returns the exit status for an unusable input (1).
[[nodiscard]] int ReadNetworkArgument(const char* program, const std::string& file, const ImportOptions& options,
                                      ImportedNetwork& imported, std::string& title,
                                      ImportReport report = ImportReport::kNotes);

}  // namespace mst
