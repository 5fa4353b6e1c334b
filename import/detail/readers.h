#pragma once

#include <string>
#include <string_view>
#include <vector>

// The format readers and recognisers, one file each in import/, listed in the registry's table
// (import/formats.cpp). Each reader reads all of text into the builder, or returns false with
// why (naming the line); none calls Finish.
namespace mst {

class NetworkBuilder;

bool ReadNetworkFile(std::string_view text, NetworkBuilder& builder, std::string& why);  // network.cpp
bool StartsDimacs(std::string_view text);                                                // dimacs.cpp
bool ReadDimacs(std::string_view text, NetworkBuilder& builder, std::string& why);
bool StartsMtx(std::string_view text);  // mtx.cpp
bool ReadMtx(std::string_view text, NetworkBuilder& builder, std::string& why);
bool ReadEdgelist(std::string_view text, NetworkBuilder& builder, std::string& why);  // edgelist.cpp
bool ReadNcol(std::string_view text, NetworkBuilder& builder, std::string& why);      // ncol.cpp
bool ReadLgl(std::string_view text, NetworkBuilder& builder, std::string& why);       // lgl.cpp
bool ReadCsv(std::string_view text, NetworkBuilder& builder, std::string& why);       // csv.cpp
bool ReadMetis(std::string_view text, NetworkBuilder& builder, std::string& why);     // metis.cpp
bool StartsPajek(std::string_view text);                                              // pajek.cpp
bool ReadPajek(std::string_view text, NetworkBuilder& builder, std::string& why);
bool ReadMatrix(std::string_view text, NetworkBuilder& builder, std::string& why);  // matrix.cpp
bool StartsGraphml(std::string_view text);                                          // graphml.cpp
bool ReadGraphml(std::string_view text, NetworkBuilder& builder, std::string& why);

// A row of delimited text (csv.cpp): its line and its fields, quotes taken off.
struct CsvRecord {
  long long line;
  std::vector<std::string> fields;
};
// Splits text into records at separator, RFC 4180's quotes read, or returns false with why.
// Blank lines are skipped.
bool CsvRecords(std::string_view text, char separator, std::vector<CsvRecord>& records, std::string& why);

// What edge lists and NCOL share (edgelist.cpp): one edge a line, split at tabs where every
// line holds one, else at blanks; comment lines (# or %) only where comments is true.
bool ReadEdgeLines(std::string_view text, NetworkBuilder& builder, bool comments, std::string& why);

// The refusal for a line whose names may hold blanks, in a format that splits at blanks.
std::string NamesWithBlanks(long long line, std::size_t words, const char* what);

}  // namespace mst
