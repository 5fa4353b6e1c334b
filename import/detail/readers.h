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
// Whether text has an adjacency matrix's layout, whether or not its measures can be used: a
// table that is one is never read as another format's without saying so.
bool MatrixShaped(std::string_view text);
bool StartsAdjlist(std::string_view text);  // adjlist.cpp
bool ReadAdjlist(std::string_view text, NetworkBuilder& builder, std::string& why);
bool ReadMultilineAdjlist(std::string_view text, NetworkBuilder& builder, std::string& why);
bool StartsGml(std::string_view text);  // gml.cpp
bool ReadGml(std::string_view text, NetworkBuilder& builder, std::string& why);
bool StartsJson(std::string_view text);  // json.cpp
bool ReadJson(std::string_view text, NetworkBuilder& builder, std::string& why);
bool StartsGexf(std::string_view text);  // graphml.cpp, beside GraphML (both read with pugixml)
bool ReadGexf(std::string_view text, NetworkBuilder& builder, std::string& why);
// Formats recognised and refused with a way to convert them (unread.cpp).
bool StartsLeda(std::string_view text);
bool ReadLeda(std::string_view text, NetworkBuilder& builder, std::string& why);
bool StartsDot(std::string_view text);
bool ReadDot(std::string_view text, NetworkBuilder& builder, std::string& why);
bool StartsGraph6(std::string_view text);
bool ReadGraph6(std::string_view text, NetworkBuilder& builder, std::string& why);
bool StartsGraphml(std::string_view text);  // graphml.cpp
bool ReadGraphml(std::string_view text, NetworkBuilder& builder, std::string& why);

// An attribute of a Python dict literal, as NetworkX writes an edge's data (edgelist.cpp).
struct Attribute {
  std::string key;
  std::string_view value;  // as written: a number, a quoted string, a list...
  bool isString;
};
// The attributes of a dict literal: "{'weight': 4, 'color': 'red'}", or false.
bool PythonDict(std::string_view text, std::vector<Attribute>& attributes);

// The measure among a dict's attributes (edgelist.cpp): the value under key, counted in keyed,
// and the other keys that hold numbers added to others; false with why (naming line) where the
// value under key is text.
struct DictMeasures {
  std::string key;                  // the measure's key: --weight's, else weight
  long long keyed = 0;              // dicts that hold it
  std::vector<std::string> others;  // other keys that hold numbers, in order of first sight
  bool Take(const std::vector<Attribute>& attributes, long long line, std::string_view& measure, std::string& why);
  // The refusal where no dict held the key: naming each other key that holds numbers.
  [[nodiscard]] std::string Missing() const;
};

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
