// The readers of the formats of the field: each format's well-formed files as their writers
// write them, the rules every format shares, each refusal, the telling of formats by name and
// content, and a round trip of a generated network through every format of the registry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "graph/tree_total.h"
#include "import/detail/builder.h"
#include "import/formats.h"
#include "import/network_import.h"
#include "mst/kruskal.h"
#include "netgen/network_generator.h"
#include "tools/node_names.h"

using namespace mst;

namespace {

// What a file imports to: "E N | u-v:w ... | names" (ends 1-based), or "error: why". The format
// is named, or with "" told by the file name (default: a .txt file, told by the content).
std::string Import(const std::string& format, const std::string& text, ImportOptions options = {},
                   const std::string& name = "network.txt") {
  options.format = format;
  ImportedNetwork imported;
  std::string why;
  if (!ImportText(text, name, options, imported, why)) return "error: " + why;
  std::string out = std::to_string(imported.network.edges.size()) + " " + std::to_string(imported.network.nON) + " |";
  for (const Edges& e : imported.network.edges) {
    out += " " + std::to_string(e.node1 + 1) + "-" + std::to_string(e.node2 + 1) + ":" + std::to_string(e.measure);
  }
  out += " |";
  for (const std::string& name : imported.names) out += " " + name;
  return out;
}

struct Case {
  const char* format;
  const char* text;
  const char* expected;  // as Import writes it; "error: " cases name the line and the reason
};

void Check(const std::vector<Case>& cases, ImportOptions options = {}) {
  for (const Case& c : cases) EXPECT_EQ(Import(c.format, c.text, options), c.expected) << c.text;
}

TEST(ImportDimacs, ReadsRoadFilesAndRefusesWhatDoesNotFit) {
  Check({
      // Both directions merge into one edge where first listed; the smaller measure kept; a
      // self-loop dropped; nodes renumbered by first appearance.
      {"dimacs", "c road\np sp 4 7\na 3 2 8\na 2 3 6\na 2 1 5\na 1 2 5\na 4 4 1\na 4 1 2\na 2 3 9\n",
       "3 4 | 1-2:6 2-3:5 4-3:2 | 3 2 1 4"},
      {"dimacs", "p sp 2 1\na 1 2 5 7\n", "error: line 2: an arc must read 'a FROM TO LENGTH'"},
      {"dimacs", "p sp 3 2\r\na 1 2 -7\r\na 2 3 4294967296\r\n",
       "error: line 3: the measure '4294967296' is outside -2147483648 to 2147483647 (--scale 0.1 brings every "
       "measure within it, rounded; the largest rounding error is reported)"},
      {"dimacs", "p sp 3 3\na 1 2 1\na 2 3 1\n", "error: the problem line announces 3 arcs, the file holds 2"},
      {"dimacs", "p sp 2 0\na 1 2 5\n", "error: the problem line announces 0 arcs, the file holds 1"},
      {"dimacs", "p sp 2 1\na +1 2 +5\n", "1 2 | 1-2:5 | 1 2"},  // signs as mst-bench's reader takes them
      {"dimacs", "p sp 2 1\na 1 2 +-5\n", "error: line 2: the measure '+-5' is not a number"},
      {"dimacs", "p sp 3 2\na 1 2 1\na 2 4 1\n", "error: line 3: node 4 is outside 1 to 3"},
      {"dimacs", "a 1 2 1\n", "error: line 1: an arc before the problem line 'p sp NODES ARCS'"},
      {"dimacs", "p sp 3 1\np sp 3 1\n", "error: line 2: a second problem line"},
      {"dimacs", "p min 3 1\n",
       "error: line 1: 'p min' makes this a minimum-cost flow problem: read are 'p sp' (shortest paths) and 'p max' "
       "(maximum flow)"},
      {"dimacs", "p edge\n",
       "error: line 1: 'p edge' makes this a graph colouring problem: read are 'p sp' (shortest paths) and 'p max' "
       "(maximum flow)"},
      // igraph's maximum-flow files: capacities as measures, the source and sink lines aside.
      {"dimacs", "c created by igraph\np max 3 2\nn 1 s\nn 3 t\na 1 2 4\na 2 3 7\n", "2 3 | 1-2:4 2-3:7 | 1 2 3"},
      {"dimacs", "p max 3 2\nn 1 x\n", "error: line 2: a node line must read 'n ID s' or 'n ID t'"},
      {"dimacs", "p sp 3 2\nn 1 s\n", "error: line 2: 'n' starts no DIMACS line (c, p or a)"},
      {"dimacs", "p sp 3 1\na 1 2 1\na 2 3 1\n", "error: the problem line announces 1 arcs, the file holds 2"},
      {"dimacs", "p sp 3 2\na 0 2 1\n", "error: line 2: node 0 is outside 1 to 3"},
      {"dimacs", "p sp 2147483647 1\n",
       "error: line 1: the problem line must read 'p sp NODES ARCS' (or 'p max NODES ARCS')"},
      {"dimacs", "p sp 2 1\nv 1 2\n", "error: line 2: 'v' starts no DIMACS line (c, p or a)"},
      {"dimacs", "p sp 2 1\na 1 2 -2147483648\n", "1 2 | 1-2:-2147483648 | 1 2"},
      {"dimacs", "p sp 2 1\na 1 2\n", "error: line 2: an arc must read 'a FROM TO LENGTH'"},
      {"dimacs", "c nothing\n", "error: no problem line 'p sp NODES ARCS'"},
      // A declared node in no arc is a part of its own.
      {"dimacs", "p sp 3 1\na 1 2 1\n",
       "error: the network is in 2 parts; the largest has 2 of its 3 nodes (--largest-part keeps that one)"},
  });
}

TEST(ImportMtx, ReadsCoordinateFilesOfEveryUsableKind) {
  Check({
      {"mtx", "%%MatrixMarket matrix coordinate integer symmetric\n% c\n3 3 3\n2 1 4\n3 2 -1\n3 3 7\n",
       "2 3 | 1-2:4 3-1:-1 | 2 1 3"},
      {"mtx", "%%matrixmarket MATRIX Coordinate Pattern General\n3 3 4\n1 2\n2 1\n2 3\n3 2\n",
       "2 3 | 1-2:1 2-3:1 | 1 2 3"},
      {"mtx", "%%MatrixMarket matrix coordinate real general\n2 2 1\n1 2 2.0\n", "1 2 | 1-2:2 | 1 2"},
      {"mtx", "%%MatrixMarket matrix coordinate real general\n2 2 1\n1 2 2.5\n",
       "error: line 3: the measure '2.5' is not a whole number (--scale F multiplies every measure by F and rounds "
       "it)"},
      {"mtx", "%%MatrixMarket matrix coordinate real\n2 2 1\n1 2 2\n",
       "error: line 1: not a Matrix Market file: it must start '%%MatrixMarket matrix coordinate FIELD SYMMETRY'"},
      {"mtx", "%%MatrixMarket matrix coordinate complex general\n",
       "error: line 1: 'complex' entries describe no "
       "weighted network (integer, real or pattern)"},
      {"mtx", "%%MatrixMarket matrix coordinate real skew-symmetric\n",
       "error: line 1: a 'skew-symmetric' matrix describes no undirected network (general or symmetric)"},
      // SciPy's dense arrays: column by column, the lower triangle where symmetric; a zero is no edge.
      {"mtx", "%%MatrixMarket matrix array integer symmetric\n%\n3 3\n0\n4\n0\n0\n1\n0\n", "2 3 | 1-2:4 3-1:1 | 2 1 3"},
      {"mtx", "%%MatrixMarket matrix array real general\n2 2\n0\n2.0e+00\n2.000\n0.0\n", "1 2 | 1-2:2 | 2 1"},
      {"mtx", "%%MatrixMarket matrix array real general\n2 2\n0\n1\n1\n",
       "error: a 2 by 2 array holds 4 values, the file 3"},
      {"mtx", "%%MatrixMarket matrix array real symmetric\n2 2\n0\n1\n0\n5\n",
       "error: line 6: more values than the 3 a 2 by 2 symmetric array holds"},
      {"mtx", "%%MatrixMarket matrix array pattern general\n",
       "error: line 1: 'pattern' entries describe no weighted network (integer, real)"},
      {"mtx", "%%MatrixMarket matrix coordinate real general\n3 2 1\n1 2 1\n",
       "error: line 2: a network needs a square matrix, this one has 3 rows and 2 columns"},
      {"mtx", "%%MatrixMarket matrix coordinate real general\n2 3 1\n1 2 1\n",
       "error: line 2: a network needs a square matrix, this one has 2 rows and 3 columns"},
      {"mtx", "%%MatrixMarket matrix coordinate real general\n2 2 2\n1 2 1\n",
       "error: the size line announces 2 entries, the file holds 1"},
      {"mtx", "%%MatrixMarket matrix coordinate real general\n2 2 0\n",  // no entries: no edge, not no size line
       "error: the network is in 2 parts; the largest has 1 of its 2 nodes (--largest-part keeps that one)"},
      {"mtx", "%%MatrixMarket matrix coordinate pattern general\n2 2 1\n1 2 5\n",
       "error: line 3: an entry must read 'ROW COLUMN'"},
      {"mtx", "3 3 1\n",
       "error: line 1: not a Matrix Market file: it must start '%%MatrixMarket matrix coordinate "
       "FIELD SYMMETRY'"},
      {"mtx", "%%MatrixMarket matrix coordinate real general\n2 2 1\n1 2 nan\n",
       "error: line 3: the measure 'nan' is not a finite number"},
      {"mtx", "%%MatrixMarket matrix coordinate real general\n2 2 1\n1 2 -inf\n",
       "error: line 3: the measure '-inf' is not a finite number"},
  });
}

TEST(ImportEdgelist, TakesAnyIdsAndOptionalMeasures) {
  Check({
      // A dict's value may be a list of strings that hold commas and brackets.
      {"edgelist", "a b {'tags': ['x, y', \"]\"], 'weight': 3}\n", "1 2 | 1-2:3 | a b"},
      {"edgelist", "# SNAP\n0\t1\n1\t0\n\n1\t7\n% asked for, a comment anywhere\n", "2 3 | 1-2:1 2-3:1 | 0 1 7"},
      {"edgelist", "Mr Hi\tZo\xC3\xAB \"Z\"\t5\nMr Hi\tO'Brien\t2\n",
       "2 3 | 1-2:5 1-3:2 | Mr Hi Zo\xC3\xAB \"Z\" O'Brien"},
      // NetworkX's default: a dict of attributes; --weight names another; none at all is 1, counted.
      {"edgelist", "0 1 {'weight': 4, 'name': \"it's\", 'w': [1, {'x': 2}]}\n1 2 {'weight': 1.0}\n",
       "2 3 | 1-2:4 2-3:1 | 0 1 2"},
      {"edgelist", "0 1 {}\n1 2 {'color': 'red'}\n", "2 3 | 1-2:1 2-3:1 | 0 1 2"},
      {"edgelist", "0 1 {'capacity': 4}\n",
       "error: no edge has the attribute 'weight', but they have 'capacity', which holds numbers: --weight capacity "
       "takes "
       "the measures from it"},
      {"edgelist", "0 1 {'weight': 'heavy'}\n", "error: line 1: the weight 'heavy' is text, not a number"},
      {"edgelist", "0 1 {'weight': 4\n",
       "error: line 1: the attributes '{'weight': 4' are not a Python dict as NetworkX writes them"},
      {"edgelist", "Evelyn Jefferson E1 {}\n",
       "error: line 1: 3 words where 2 come before the attributes: node names with blanks cannot be told apart in a "
       "file split at blanks (save it as CSV or GraphML, which keep them)"},
      {"edgelist", "Valjean Javert 5\nJavert Fantine\n",
       "error: line 2: an edge 'u v' where line 1 has 'u v w': every edge has a measure, or none does (names with "
       "blanks also make this: save such a file as CSV or GraphML, which keep them)"},
      {"edgelist", "a b 1\nb\n", "error: line 2: an edge needs two node ids ('u v' or 'u v w')"},
      {"edgelist", "a b 1x\n",
       "error: line 1: the measure '1x' is not a number; if node names hold blanks, they cannot be told apart in a "
       "file split at blanks (save it as CSV or GraphML, which keep them)"},
      {"edgelist", "source target weight\na b 1\n",
       "error: line 1: it names the columns, but an edge list has no header row: delete the line, or save the file "
       "as CSV"},
      {"edgelist", "a,b,1\nb,c,2\n",
       "error: a comma on every line separates the fields, as in CSV (--format csv reads such files)"},
      {"ncol", "#a #b 1\n", "1 2 | 1-2:1 | #a #b"},
      // LGL's node lines are '# NODE': '#c' may as well be a neighbour, and is not guessed at.
      {"lgl", "# a\nb 3\n# b\nc 2\n", "2 3 | 1-2:3 2-3:2 | a b c"},
      {"lgl", "# a\nb 3\n#c\n",
       "error: line 3: '#c' may open a node's block or be a neighbour whose name starts with '#': LGL writes a node's "
       "line '# NODE', with a blank after '#' (save such names as CSV or GraphML, which keep them)"},
      {"edgelist", "a a 1\n", "error: a network needs at least 2 nodes; this one has 1"},
      {"edgelist", "a b 0000000000000000000000005\n", "1 2 | 1-2:5 | a b"},
      {"edgelist", "a\tb\t1\n\x01\tb\t2\n", "2 3 | 1-2:1 3-2:2 | a b 3"},  // a name of a control alone: the number
      {"edgelist", "a b 1234567890123456789\n",
       "error: line 1: the measure '1234567890123456789' is outside -2147483648 to 2147483647 (--scale 1e-09 brings "
       "every measure within it, rounded; the largest rounding error is reported)"},
      // NetworkX writes a node named '#ml' at a line's start: such a line is not skipped silently.
      {"edgelist", "# made by hand\npython #data 3\n#data #ml 2\n",
       "error: line 3: '#data #ml 2' starts with a comment's mark yet has the shape of an edge: --comments none "
       "reads such lines as edges (nodes whose names start with '#'), --comments skip as comments"},
      {"edgelist", "#a\t#b\n#b\tc\n",
       "error: the file lists no edges: each of its 2 lines starts with '#' or '%', a comment's mark (if they are "
       "edges whose first node's name starts so, --comments none reads them)"},
      {"edgelist", "% 3 4 5\n1 2 5\n", "1 2 | 1-2:5 | 1 2"},  // numbered nodes: a marked line is no edge
      // A mark that starts a name, before another word: an edge, maybe, of names with blanks.
      {"edgelist", "#Javert Marius\nCosette Valjean 2\n",
       "error: line 1: '#Javert Marius' starts with a comment's mark yet has the shape of an edge: --comments none "
       "reads such lines as edges (nodes whose names start with '#'), --comments skip as comments"},
  });
  ImportOptions none;
  none.comments = "none";
  EXPECT_EQ(Import("edgelist", "python #data 3\n#data #ml 2\n", none), "2 3 | 1-2:3 2-3:2 | python #data #ml");
  ImportOptions skip;
  skip.comments = "skip";
  EXPECT_EQ(Import("edgelist", "python #data 3\n#data #ml 2\n", skip), "1 2 | 1-2:3 | python #data");
  ImportOptions other;
  other.comments = "hash";
  EXPECT_EQ(Import("edgelist", "a b 1\n", other),
            "error: --comments takes none (lines starting with # or % are edges) or skip (they are comments)");
}

TEST(ImportJson, ReadsNodeLinkDataAndAdvisesOnOtherMeasures) {
  const std::string nodes = "{\"nodes\":[{\"id\":\"a\"},{\"id\":\"b\"},{\"id\":\"\\u00CAc\"}],\"links\":[";
  Check({
      {"json",
       (nodes +
        "{\"source\":\"a\",\"target\":\"b\",\"cost\":5},{\"source\":\"b\",\"target\":\"\\u00CAc\",\"cost\":2}]}")
           .c_str(),
       "2 3 | 1-2:5 2-3:2 | a b \xC3\x8A"
       "c"},  // \u00CA is Ê
      // Only keys that carry numbers are offered as measures.
      {"json",
       (nodes + "{\"source\":\"a\",\"target\":\"b\",\"km\":5,\"label\":\"x\"},{\"source\":\"b\",\"target\":"
                "\"\\u00CAc\",\"km\":2}]}")
           .c_str(),
       "error: no link has the key weight (or cost, length, distance), but they carry numbers as 'km': --weight km "
       "takes the measures from it"},
      // Python's ensure_ascii: a surrogate pair, its low half the last (U+2A7FF, an ideograph).
      {"json",
       "{\"nodes\":[{\"id\":\"a\"},{\"id\":\"\\uD869\\uDFFF\"}],\"links\":[{\"source\":\"a\",\"target\":"
       "\"\\uD869\\uDFFF\"}]}",
       "1 2 | 1-2:1 | a \xF0\xAA\x9F\xBF"},
      {"json", (nodes + "{\"source\":\"a\",\"target\":\"z\"}]}").c_str(),
       "error: line 1: the link names the node 'z', which the nodes' list lacks"},
      // d3's form: nodes by name, links by their places in the list; JavaScript's unquoted names.
      {"json", "{\"nodes\":[{\"name\":\"a\"},{\"name\":\"b\"}],\"links\":[{\"source\":0,\"target\":2}]}",
       "error: line 1: the link's target '2' is no place in the nodes' list (0 to 1)"},
      {"json", "{\"nodes\":[{id:\"a\"}],\"links\":[]}",
       "error: line 1: a member's name was expected (not well-formed JSON)"},
      // A file cut off just after a '\u' escape.
      {"json", "{\"nodes\":[{\"id\":\"\\u0041", "error: line 1: a string is not closed (not well-formed JSON)"},
      // Python's json writes NaN and Infinity: numbers, refused as measures.
      {"json", (nodes + "{\"source\":\"a\",\"target\":\"b\",\"weight\":Infinity}]}").c_str(),
       "error: line 1: the measure 'inf' is not a finite number"},
      {"json", (nodes + "{\"source\":\"a\",\"target\":\"b\",\"weight\":NaN}]}").c_str(),
       "error: line 1: the measure 'nan' is not a finite number"},
  });
}

TEST(ImportCsv, FindsColumnsByTheirUsualNamesAndReadsQuotedFields) {
  Check({
      {"csv", "Source,Target,Weight\n\"Paris, FR\",Lyon,465\nLyon,\"Nice \"\"la belle\"\"\",470\n",
       "2 3 | 1-2:465 2-3:470 | Paris, FR Lyon Nice \"la belle\""},
      // A name is shown on one line: its line end a space.
      {"csv", "id,from,to,cost\n1,a,b,\n2,b,\"c\nd\",3\n", "2 3 | 1-2:1 2-3:3 | a b c d"},
      {"csv", ",source,target,weight\n0,12\" pipe,b,7\n", "1 2 | 1-2:7 | 12\" pipe b"},  // pandas's index
      // No header: source, target and the measure by place (NetworkX's delimiter=','), any separator.
      {"csv", "Evelyn Jefferson,E1\nLaura Mandeville,E1\n", "2 3 | 1-2:1 3-2:1 | Evelyn Jefferson E1 Laura Mandeville"},
      {"csv", "a;b;1,5\nb;c;2\n",
       "error: line 1: the measure '1,5' is not a number (if its comma is a decimal mark, as in 1,5, "
       "--decimal-comma reads it)"},
      {"csv", "u,v\nx,y\n",
       "error: the network is in 2 parts; the largest has 2 of its 4 nodes (--largest-part keeps that one)"},
      {"csv", "left,right,km\nx,y,1\n",
       "error: line 1: it looks like a header row, but names no source and target columns (source, from, src...; "
       "target, to, dst...): give --columns"},
      {"csv", "a,b,c,d\n",
       "error: line 1: 4 fields and no header row naming the source, target and weight columns "
       "(or give --columns)"},
      {"csv", "to,b,1\nb,c,2\n", "2 3 | 1-2:1 2-3:2 | to b c"},  // one column's name alone is no header
      {"csv", "from,to,km\nx,y,3\ny,z,+4\n",
       "error: line 1: no weight column (named weight, cost, length, distance...), but 'km' holds numbers: --weight "
       "'km' takes the measures from it"},
      {"csv", "from,to,year,strength\nx,y,1999,3\ny,z,2004,4\n",
       "error: line 1: no weight column (named weight, cost, length, distance...), but 'year' and 'strength' hold "
       "numbers: --weight 'year' or --weight 'strength' takes the measures from one of them"},
      {"csv", "source,target,weight\nx,y,1\nx\n", "error: line 3: 1 fields where line 1 has 3 (separated by commas)"},
      {"csv", "source,target\n\"a\" ,\"b\"\n b, \"c\"\n", "2 3 | 1-2:1 2-3:1 | a b c"},  // blanks around quotes
      {"csv", "a,b\n\"x\" y,z\n",
       "error: line 2: text after a quoted field's closing quote (a field that starts with a quote must be all in "
       "quotes, its own quotes doubled)"},
      {"csv", "a;b,c\nd;e,f\n",
       "error: every row splits alike at commas and at semicolons: the separator cannot be told"},
      {"csv", "source,target\n\"x,y\n", "error: line 2: a quoted field is not closed"},
      {"csv", "source,target\n,y\n", "error: line 2: an empty source"},
  });
  ImportOptions named;
  named.columns = {"from", "to", "km"};
  EXPECT_EQ(Import("csv", "cost,km,to,from\n3,7,x,y\n", named), "1 2 | 1-2:7 | y x");
  EXPECT_EQ(Import("csv", "from,to\n7,x\n", named), "error: line 1: no weight column in the header named 'km'");
  named.weight = "cost";
  EXPECT_EQ(Import("csv", "from,to\n7,x\n", named),
            "error: --columns names the weight column already: leave out --weight");
  named.columns = {"from", "to"};  // two columns named, and the weight's by --weight
  EXPECT_EQ(Import("csv", "cost,km,to,from\n3,7,x,y\n", named), "1 2 | 1-2:3 | y x");
  named.columns.clear();
  EXPECT_EQ(Import("csv", "cost,km,to,from\n3,7,x,y\n", named), "1 2 | 1-2:3 | y x");
  EXPECT_EQ(Import("edgelist", "0 1 {'cost': 3}\n", named), "1 2 | 1-2:3 | 0 1");
  EXPECT_EQ(Import("edgelist", "0 1 3\n", named),
            "error: --weight names an edge attribute, but this edge list has none: its measures are its third column");
  EXPECT_EQ(Import("dimacs", "p sp 2 1\na 1 2 3\n", named),
            "error: --weight names a measure's key, column or attribute; a DIMACS file has none");
  ImportOptions columns;
  columns.columns = {"from", "to"};
  EXPECT_EQ(Import("", "a b 1\n", columns, "net.edgelist"),
            "error: --columns names the columns of a CSV file; an edge list has none");
}

TEST(ImportMatrix, ReadsTheLayoutsNumpyPandasAndSpreadsheetsWrite) {
  Check({
      // numpy.savetxt's default: blanks, %.18e; a zero is no edge, a diagonal entry a self-loop.
      {"matrix",
       "0.000000000000000000e+00 2.000000000000000000e+00 0.000000000000000000e+00\n"
       "2.000000000000000000e+00 0.000000000000000000e+00 7.000000000000000000e+00\n"
       "0.000000000000000000e+00 7.000000000000000000e+00 1.000000000000000000e+00\n",
       "2 3 | 1-2:2 2-3:7 | 1 2 3"},
      // pandas: a corner field, names on both sides; quoted names; blanks for no edge.
      {"matrix", ",\"Paris, FR\",Lyon,Nice\n\"Paris, FR\",0.0,4.0,\nLyon,4.0,0.0,1e0\nNice,,1,0\n",
       "2 3 | 1-2:4 2-3:1 | Paris, FR Lyon Nice"},
      {"matrix", "a;b;c\n0;1;0\n1;0;3\n0;3;0\n", "2 3 | 1-2:1 2-3:3 | a b c"},                   // a header row alone
      {"matrix", "a\tb\tc\na\t0\t1\t0\nb\t1\t0\t3\nc\t0\t3\t0\n", "2 3 | 1-2:1 2-3:3 | a b c"},  // no corner
      {"matrix", "0,5,1\n2,0,0\n1,0,0\n", "2 3 | 1-2:2 1-3:1 | 1 2 3"},  // asymmetric: the smaller kept
      // Numbers that do not count up name the nodes, beside a diagonal of zeros to its last row.
      {"matrix", "5,7,9\n0,1,0\n1,0,3\n0,3,0\n", "2 3 | 1-2:1 2-3:3 | 5 7 9"},
      {"matrix", "5,0,1,0\n7,1,0,3\n9,0,3,0\n", "2 3 | 1-2:1 2-3:3 | 5 7 9"},
      {"matrix", ",a,b\nb,0,1\na,1,0\n",
       "error: line 2: the row's name 'b' is not column 1's, 'a': the rows and columns must name the nodes in one "
       "order"},
      {"matrix", "0,3\n3,0\n", "1 2 | 1-2:3 | 1 2"},  // two nodes
      {"matrix", "a,a\n0,1\n1,0\n", "error: line 1: the name 'a' is given twice"},
      // A blank corner and diagonal: names or measures both read; the fix is either's.
      {"matrix", ",1,2,3\n1,,5,6\n2,5,,7\n3,6,7,\n",
       "error: line 1: the first row and column may name the nodes or hold measures (the diagonal is blank): write 0 "
       "on the diagonal, or a word such as 'node' in the corner field if they are names"},
      {"matrix", "1,2\n3,4\n5,6\n7,8\n9,10\n",
       "error: not an adjacency matrix: more than 3 rows of 2 fields, where a matrix of N nodes has N rows of N "
       "measures (with a row and a column of names, or not)"},
  });
  // A square table of numbers is an edge list too: refused naming both, whatever its extension.
  EXPECT_EQ(Import("", "0,1,1\n1,0,2\n1,2,0\n", {}, "tri3.csv"),
            "error: the content reads as a CSV file of 3 edges (--format csv) and as an adjacency matrix of 3 edges "
            "(--format matrix), differently: give its format");
  EXPECT_EQ(Import("", "0 1 1\n1 0 2\n1 2 0\n", {}, "tri3.txt").substr(0, 48),
            "error: the format cannot be told from the conten");
  EXPECT_EQ(Import("", "0,1,0,0\n1,0,2,0\n0,2,0,3\n0,0,3,0\n", {}, "path.csv"), "3 4 | 1-2:1 2-3:2 3-4:3 | 1 2 3 4");
}

TEST(ImportMetis, ReadsAdjacencyLinesWithAndWithoutWeights) {
  Check({
      {"metis", "% m\n3 2\n2\n1 3\n2\n", "2 3 | 1-2:1 2-3:1 | 1 2 3"},
      {"metis", "3 2 1\n2 4 3 9\n1 4\n1 9\n", "2 3 | 1-2:4 1-3:9 | 1 2 3"},
      // Vertex weights (tens digit, NCON of them) and sizes (hundreds) come first.
      {"metis", "2 1 011 2\n5 6 2 7\n5 6 1 7\n", "1 2 | 1-2:7 | 1 2"},
      // A vertex size (FMT 1xx) is no neighbour; there M counts entries, both ends' listings.
      {"metis", "3 4 101\n5 2 4\n7 1 4 3 1\n9 2 1\n", "2 3 | 1-2:4 2-3:1 | 1 2 3"},
      {"metis", "3 4 100\n5 2\n7 1 3\n9 2\n", "2 3 | 1-2:1 2-3:1 | 1 2 3"},
      {"metis", "3 1\n2\n1\n\n",
       "error: the network is in 2 parts; the largest has 2 of its 3 nodes (--largest-part keeps that one)"},
      {"metis", "3 3\n2\n1 3\n2\n", "error: the header announces 3 edges, the file holds 2"},
      {"metis", "3 2\n2\n1 3\n", "error: the header announces 3 node lines, the file holds 2"},
      {"metis", "2 1\n2\n1\n1\n", "error: line 4: more node lines than the header's 2"},
      {"metis", "0 0\n2 1\n2\n1\n", "error: line 2: more node lines than the header's 0"},
      {"metis", "2 1 1\n2\n1 3\n", "error: line 2: neighbours must come in 'NODE WEIGHT' pairs"},
      {"metis", "2 1 2\n", "error: line 1: FMT must be up to three digits 0 or 1, not '2'"},
      {"metis", "% the last node line may be followed by a blank one\n3 2\n2\n1 3\n2\n\n", "2 3 | 1-2:1 2-3:1 | 1 2 3"},
      {"metis", "2147483647 1\n", "error: line 1: the header must read 'NODES EDGES [FMT [NCON]]'"},
      {"metis", "0 0\n", "error: a network needs at least 2 nodes; this one has 0"},
  });
  // Inputs on which the fuzzer once ran out of memory: a header announcing 888,888,823 nodes,
  // and a DIMACS problem line announcing 42,222,222,225 nodes, refused at once.
  EXPECT_EQ(Import("metis", "%\n888888823 9\n1 x\n"), "error: line 3: 'x' is not a node number");
  EXPECT_EQ(Import("dimacs", "c road\np sp 42222222225\n\x01\na 1 2 5\n"),
            "error: line 2: the problem line must read 'p sp NODES ARCS' (or 'p max NODES ARCS')");
  // No text format holds a NUL byte: refused at once, whatever the format.
  EXPECT_EQ(Import("edgelist", std::string("a b 1\n\0", 7)),
            "error: binary content at byte 6 (a NUL byte, which no text file holds)");
}

TEST(ImportPajek, KeepsLabelsAndReadsEverySectionOfEdges) {
  Check({
      {"pajek", "*Network n\n*Vertices 3\n1 \"Alpha Beta\" 0.1 0.2\n2 B\n3 \"C\"\n*Arcs\n1 2 4\n2 1 3\n*edges\n2 3\n",
       "2 3 | 1-2:3 2-3:1 | Alpha Beta B C"},
      {"pajek", "*Vertices 3\n% a comment\n*Edgeslist\n1 2 3\n", "2 3 | 1-2:1 1-3:1 | 1 2 3"},
      {"pajek", "*Edges\n1 2\n", "error: line 1: '*Edges' before '*Vertices N'"},
      {"pajek", "*Vertices 2\n*Matrix\n",
       "error: line 2: the section '*Matrix' is not read (*Vertices, *Edges, "
       "*Arcs, *Edgeslist, *Arcslist)"},
      {"pajek", "*Vertices 2\n*Edges\n1 3\n", "error: line 3: node 3 is outside 1 to 2"},
      {"pajek", "*Vertices 2\n1 \"open\n", "error: line 2: a label's closing quote is missing"},
      // NetworkX's labels: in quotes where they hold a blank, a quote inside one written as it is.
      {"pajek",
       "*vertices 2\n1 \"Zo\xC3\xAB \"Z\" Smith\" 0.0 0.0 ellipse club \"Mr. Hi\"\n2 O'Brien 0.0 0.0\n*edges\n1 2 "
       "4.0\n",
       "1 2 | 1-2:4 | Zo\xC3\xAB \"Z\" Smith O'Brien"},
      {"pajek", "*Vertices 0\n*Vertices 2\n", "error: line 2: a second *Vertices line"},
  });
}

TEST(ImportGraphml, ReadsWeightsDefaultsAndLabelsWithARealParser) {
  const std::string head =
      "<?xml version=\"1.0\"?>\n<graphml xmlns=\"http://graphml.graphdrawing.org/xmlns\">\n"
      "<key id=\"d0\" for=\"node\" attr.name=\"name\" attr.type=\"string\"/>\n"
      "<key id=\"d1\" for=\"edge\" attr.name=\"weight\" attr.type=\"long\"><default>2</default></key>\n"
      "<graph edgedefault=\"undirected\">\n";
  const std::string tail = "</graph>\n</graphml>\n";
  const std::string value =
      "<graphml><key id=\"v\" for=\"edge\" attr.name=\"value\" attr.type=\"double\"/><graph>"
      "<node id=\"a\"/><node id=\"b\"/>";
  const std::string lesmis = head +
                             "<node id=\"n0\"><data key=\"d0\">Valjean &amp; co</data></node>\n"
                             "<node id=\"n1\"><data key=\"d0\"><![CDATA[Javert]]></data></node><node id=\"n2\"/>\n"
                             "<!-- <edge source=\"n0\" target=\"n2\"/> -->\n"
                             "<edge source=\"n1\" target=\"n0\"><data key=\"d1\">3</data></edge>\n"
                             "<edge source=\"n2\" target=\"n1\"/>\n" +
                             tail;
#ifdef MST_HAVE_PUGIXML
  Check({
      {"graphml", lesmis.c_str(), "2 3 | 2-1:3 3-2:2 | Valjean & co Javert n2"},
      {"graphml", (head + "<node id=\"a\"/><edge source=\"a\" target=\"b\"/>" + tail).c_str(),
       "error: line 6: the edge names the node 'b', which no <node> declares"},
      {"graphml", (head + "<node id=\"a\"/><edge source=\"c\" target=\"a\"/>" + tail).c_str(),
       "error: line 6: the edge names the node 'c', which no <node> declares"},
      {"graphml", (head + "<node id=\"a\"/>\n<edge source=\"a\"/>" + tail).c_str(),
       "error: line 7: an <edge> needs a source and a target"},
      {"graphml", (head + "<node id=\"a\">" + tail).c_str(),
       "error: line 6: not well-formed XML (Start-end tags mismatch)"},
      {"graphml", "<gexf/>", "error: not a GraphML file: no <graphml> element"},
      {"graphml", "<", "error: line 1: not well-formed XML (Could not determine tag type)"},
      {"gexf",
       "<gexf><graph><nodes><node id=\"a\"/></nodes><edges><edge source=\"c\" target=\"a\"/></edges></graph></gexf>",
       "error: line 1: the edge names the node 'c', which no <node> declares"},
      // weight outranks cost, whichever is declared first; a key for "all" serves edges too.
      {"graphml",
       "<graphml><key id=\"w\" for=\"edge\" attr.name=\"weight\"/><key id=\"c\" for=\"edge\" attr.name=\"cost\"/>"
       "<graph><node id=\"a\"/><node id=\"b\"/><edge source=\"a\" target=\"b\"><data key=\"c\">9</data><data "
       "key=\"w\">4</data></edge></graph></graphml>",
       "1 2 | 1-2:4 | a b"},
      {"graphml",
       "<graphml><key id=\"w\" for=\"all\" attr.name=\"weight\"/><graph><node id=\"a\"/><node id=\"b\"/><edge "
       "source=\"a\" target=\"b\"><data key=\"w\">4</data></edge></graph></graphml>",
       "1 2 | 1-2:4 | a b"},
      {"graphml", "<graphml><key id=\"w\" for=\"edge\" attr.name=\"weight\"/></graphml>",
       "error: the GraphML file holds no <graph>"},
      // The first <graph> of several is the network.
      {"graphml",
       (head +
        "<node id=\"a\"/><node id=\"b\"/><edge source=\"a\" target=\"b\"/></graph><graph>"
        "<node id=\"x\"/>" +
        tail)
           .c_str(),
       "1 2 | 1-2:2 | a b"},
      // A measure under another key's name is not taken for none at all.
      {"graphml", (value + "<edge source=\"a\" target=\"b\"><data key=\"v\">7</data></edge>" + tail).c_str(),
       "error: no edge key named weight (or cost, length, distance), but the edges carry numbers as 'value': --weight "
       "value takes the measures from it"},
  });
  // Told by its content: a GraphML file that mentions <gexf> after its root is GraphML.
  EXPECT_EQ(Import("",
                   "<graphml><!-- made from a <gexf> file --><graph><node id=\"a\"/><node id=\"b\"/><edge "
                   "source=\"a\" target=\"b\"/></graph></graphml>"),
            "1 2 | 1-2:1 | a b");
  // A GEXF file is told by its root, after the XML declaration.
  const std::string gexf =
      "<?xml version=\"1.0\"?>\n<gexf><graph><nodes><node id=\"a\"/><node id=\"b\"/></nodes><edges>"
      "<edge source=\"a\" target=\"b\" weight=\"3\"/></edges></graph></gexf>";
  EXPECT_EQ(Import("", gexf), "1 2 | 1-2:3 | a b");
  ImportOptions named;
  named.weight = "value";
  EXPECT_EQ(Import("graphml", value + "<edge source=\"a\" target=\"b\"><data key=\"v\">7</data></edge>" + tail, named),
            "1 2 | 1-2:7 | a b");
  EXPECT_EQ(Import("gexf", gexf, named), "error: no edge attribute titled 'value' (in <attributes class=\"edge\">)");
  named.weight = "km";
  EXPECT_EQ(Import("graphml", value + tail, named), "error: no edge key named 'km' (its attr.name)");
  // Numbers under any numeric type (igraph's int, NetworkX's long, float): no measures of 1.
  for (const char* type : {"int", "long", "float"}) {
    std::string typed = value;
    typed.replace(typed.find("double"), 6, type);
    EXPECT_EQ(Import("graphml", typed + "<edge source=\"a\" target=\"b\"><data key=\"v\">7</data></edge>" + tail)
                  .substr(0, 48),
              "error: no edge key named weight (or cost, length")
        << type;
  }
#else
  EXPECT_EQ(Import("graphml", lesmis).rfind("error: this build reads no GraphML", 0), 0u);
#endif
}

// The options every format shares: --scale, --maximum, --largest-part.
TEST(ImportRules, ScaleMaximumAndLargestPart) {
  ImportOptions scaled;
  scaled.scale = 10;
  EXPECT_EQ(Import("edgelist", "a b 0.25\nb c -1.35\nc d 7\n", scaled), "3 4 | 1-2:3 2-3:-14 3-4:70 | a b c d");
  scaled.scale = 1e9;
  EXPECT_EQ(Import("edgelist", "a b 2.5\n", scaled),
            "error: line 1: the measure '2.5' is outside -2147483648 to 2147483647 after --scale (--scale 1e+08 brings "
            "every measure within it, rounded; the largest rounding error is reported)");
  scaled.scale = 0.5;  // a scale below 1 shrinks the measures
  EXPECT_EQ(Import("edgelist", "a b 8\nb c 42\n", scaled), "2 3 | 1-2:4 2-3:21 | a b c");
  // The advice is the scale that brings the largest measure of the file within range, not the first.
  EXPECT_EQ(Import("edgelist", "a b 9e9\nb c 7e10\n", scaled),
            "error: line 1: the measure '9e9' is outside -2147483648 to 2147483647 after --scale (--scale 0.005 brings "
            "every measure within it, rounded; the largest rounding error is reported)");
  ImportOptions maximum;
  maximum.maximum = true;
  // The maximum tree's measures negated; duplicates then keep the smaller negated measure.
  EXPECT_EQ(Import("edgelist", "a b 2\nb a 5\nb c -3\n", maximum), "2 3 | 1-2:-5 2-3:3 | a b c");
  EXPECT_EQ(Import("edgelist", "a b -2147483648\n", maximum),
            "error: line 1: the measure '-2147483648' is outside -2147483648 to 2147483647 once negated for --maximum");
  ImportOptions largest;
  largest.largestPart = true;
  // Parts {x,y}, {a,b,c}, {p,q,r}: the first of the two largest is kept, renumbered.
  EXPECT_EQ(Import("edgelist", "x y 1\na b 2\np q 3\nb c 4\nq r 5\n", largest), "2 3 | 1-2:2 2-3:4 | a b c");
  // mst-bench's own format too: its rows then read as an edge list's, numbered anew.
  EXPECT_EQ(Import("network", "3 5\n4 5 1\n1 2 7\n2 3 9\n", largest), "2 3 | 1-2:7 2-3:9 | 1 2 3");
  EXPECT_EQ(Import("network", "2 4\n1 2 5\n3 4 1\n"),
            "error: the network is not connected: 2 edges cannot join 4 nodes");
  EXPECT_EQ(Import("network", "2 3\n1 2 5\n2 3 -2147483647\n", maximum), "2 3 | 1-2:-5 2-3:2147483647 | 1 2 3");
  EXPECT_EQ(Import("network", "2 3\n1 2 5\n2 3 -2147483648\n", maximum),
            "error: edge row 2: the measure '-2147483648' is outside -2147483648 to 2147483647 once negated for "
            "--maximum");
}

// What the user is told of how the network differs from the file.
TEST(ImportRules, NotesSayWhatWasMergedDroppedMissingRoundedAndLeftOut) {
  const auto notes = [](const std::string& format, const std::string& text, const ImportOptions& options) {
    ImportOptions given = options;
    given.format = format;
    ImportedNetwork imported;
    std::string why;
    if (!ImportText(text, "", given, imported, why)) return "error: " + why;
    std::string joined;
    for (const std::string& note : ImportNotes(imported, given)) joined += note + "|";
    return joined;
  };
  ImportOptions none;
  EXPECT_EQ(notes("edgelist", "a b 1\nb c 2\n", none), "");
  EXPECT_EQ(
      notes("dimacs", "p sp 3 5\na 1 2 4\na 2 1 9\na 3 3 1\na 2 3 1\na 3 2 1\n", none),
      "2 listings of a pair already listed merged into its first (the smaller measure kept)|1 self-loop dropped|");
  EXPECT_EQ(notes("edgelist", "a b\nb c\n", none), "the file gives no measures: every edge has measure 1|");
  EXPECT_EQ(notes("edgelist", "a b {'weight': 2}\nb c {}\nc d {}\n", none),
            "2 edges of the 3 listed have no measure and took 1|");
#ifdef MST_HAVE_PUGIXML
  EXPECT_EQ(notes("graphml",
                  "<graphml><key id=\"w\" for=\"edge\" attr.name=\"weight\"/><graph><node id=\"a\"/><node id=\"b\"/>"
                  "<node id=\"c\"/><edge source=\"a\" target=\"b\"><data key=\"w\">2</data></edge><edge "
                  "source=\"b\" target=\"c\"/></graph></graphml>",
                  none),
            "1 edge of the 2 listed has no measure and took 1|");
#endif
  ImportOptions scaled;
  scaled.scale = 10;
  EXPECT_EQ(notes("edgelist", "a b 2\nb c 3\n", scaled), "--scale 10: the largest rounding error is 0|");
  EXPECT_EQ(notes("edgelist", "a b 2\nb c 0.125\nc d 0.3\n", scaled),
            "--scale 10: the largest rounding error is 0.25 (line 2)|");
  EXPECT_EQ(notes("edgelist", "a b 0.05\nb c 0.25\nc d 0.45\n", scaled),  // among equal errors, the first
            "--scale 10: the largest rounding error is 0.5 (line 1)|");
  ImportOptions largest;
  largest.largestPart = true;
  EXPECT_EQ(notes("dimacs", "p sp 7 3\na 1 2 1\na 3 4 1\na 4 5 1\n", largest),
            "--largest-part: left out 3 other parts, 4 nodes and 1 edge|");
  EXPECT_EQ(notes("dimacs", "c\np max 2 1\nn 1 s\nn 2 t\na 1 2 5\n", none),
            "a maximum-flow file: its capacities are the measures; the flow's source 1, sink 2 are left aside|");
}

// A format is told by --format, else by the extension, else by the content where only one
// reading is possible; content two formats read differently is refused with both, and the
// refusal of content no format reads comes from the format it most resembles.
TEST(ImportRules, FormatsAreToldByNameThenContentAndNeverGuessed){const struct {const char * name;
const char* text;
const char* expected;  // the format read ("edgelist: ...": what Import gives) or the refusal
}  // namespace
cases[] = {
    // By extension, whatever the content looks like.
    {"roads/USA-road-d.NY.gr", "c x\np sp 2 1\na 1 2 5\n", "1 2 | 1-2:5 | 1 2"},
    {"A.MTX", "%%MatrixMarket matrix coordinate pattern general\n2 2 1\n1 2\n", "1 2 | 1-2:1 | 1 2"},
    {"w.ncol", "#a b 1\nb c 2\n", "2 3 | 1-2:1 2-3:2 | #a b c"},  // NCOL has no comments
    {"x.csv", "1 2 3\n",
     "error: no commas, semicolons or tabs separate the fields (it reads as an edge list of 1 edge: --format edgelist "
     "reads it)"},
    // mst-bench's own format: a header, its rows and nothing more.
    {"matrix1.txt", "3\t3\n1\t2\t4\n2\t3\t1\n1\t3\t3\n", "3 3 | 1-2:4 2-3:1 1-3:3 | 1 2 3"},
    {"matrix1", "2\n3\n1\n2\n4\n2\n3\n1\n", "2 3 | 1-2:4 2-3:1 | 1 2 3"},
    // A first line of three numbers is an edge, not a header of 1 edge and 2 nodes.
    {"tri.txt", "1 2 2\n1 3 5\n2 3 1\n3 4 4\n", "4 4 | 1-2:2 1-3:5 2-3:1 3-4:4 | 1 2 3 4"},
    {"snap.txt", "# Directed graph\n# FromNodeId\tToNodeId\n0\t1\n1\t0\n1\t2\n", "2 3 | 1-2:1 2-3:1 | 0 1 2"},
    {"konect", "% sym unweighted\n1 2\n2 3\n", "2 3 | 1-2:1 2-3:1 | 1 2 3"},
    {"commas.txt", "Napoleon,Myriel,1\nMyriel,Mlle Baptistine,8\n",
     "2 3 | 1-2:1 2-3:8 | Napoleon Myriel Mlle Baptistine"},
    {"semicolons.dat", "Source;Target;Weight\na;b;2\n", "1 2 | 1-2:2 | a b"},
    // igraph's GML starts with its Creator line.
    {"ig.txt",
     "Creator \"igraph version 0.10.4\"\nVersion 1\ngraph\n[\n  directed 0\n  node\n  [\n    id 0\n  ]\n"
     "  node\n  [\n    id 1\n  ]\n  edge\n  [\n    source 0\n    target 1\n    weight 3\n  ]\n]\n",
     "1 2 | 1-2:3 | 0 1"},
    {"lesmis.txt", "# Napoleon\nMyriel 1\n# Myriel\nBaptistine 8\n",
     "2 3 | 1-2:1 2-3:8 | Napoleon Myriel Baptistine"},  // LGL: '#' lines among the edges
    {"g.txt", "<graphml><graph><node id=\"a\"/><node id=\"b\"/><edge source=\"a\" target=\"b\"/></graph></graphml>",
#ifdef MST_HAVE_PUGIXML
     "1 2 | 1-2:1 | a b"},
#else
     "error: this build reads no GraphML: it needs pugixml (Debian: apt-get install libpugixml-dev, then rebuild) "
     "(read as a GraphML file, as its content suggests; --format names another)"},
#endif
    {"p.txt", "*Vertices 2\n*Edges\n1 2 3\n", "1 2 | 1-2:3 | 1 2"},
    {"p2.txt", "% by hand\n*Vertices 2\n*Edges\n1 2 3\n", "1 2 | 1-2:3 | 1 2"},
    {"tabs.txt", "Paris, FR\tLyon\t4\nLyon\tNice, FR\t2\n", "2 3 | 1-2:4 2-3:2 | Paris, FR Lyon Nice, FR"},
    // csv.writer with tabs quotes a name holding a quote: CSV reads it, split at the tabs though
    // commas split every row too; an edge list keeps the quotes, so the two readings differ.
    {"quoted.txt", ",Marius\tFantine\t4\n,Marius\t\"Mari\"\"us\"\t5\n",
     "error: the format cannot be told from the content, which reads as an edge list of 2 edges (--format "
     "edgelist) and as a CSV file of 2 edges (--format csv), differently: give its format"},
    // NetworkX's edge lists write names as they are: a comma-separated file whose names hold
    // quotes and semicolons is no semicolon-separated one.
    {"quotes.txt", "Eponine;0,\"Cosette,9\nEponine;0,Marius,10\n",
     "error: every row splits at semicolons, but commas stand on every line too, where a quoted field is not closed: "
     "names may hold semicolons, which cannot be told apart from the separator (save the file as CSV with its names "
     "in quotes, or as GraphML) (read as a CSV file, as its content suggests; --format names another)"},
    {"ragged.csv", "Roma;1,Marius,5\nRoma;1,Ja,vert,6\n",
     "error: every row splits at semicolons, but commas stand on every line too, where they split rows into fields of "
     "other counts: names may hold semicolons, which cannot be told apart from the separator (save the file as CSV "
     "with its names in quotes, or as GraphML)"},
    // igraph's LGL writes names as they are: under one node's line, 'u v w' lines may be its
    // neighbours with blanks in their names.
    {"block.txt", "# Valjean\nSt Denis 4\nLe Mans 7\n",
     "error: the format cannot be told from the content, which reads as an edge list of 2 edges (--format "
     "edgelist) and as an LGL file (--format lgl), differently: give its format"},
    // NetworkX's edge lists write names as they are: ';' starting one is no separator to trust.
    {"semi.txt", "Javert ;Marius\nCosette ;Marius\n",
     "error: line 1: every row splits at blanks into 2 words: the lines may be 'u v [w]' edges split at blanks whose "
     "names hold semicolons (--format csv reads them split at semicolons, --format edgelist split at blanks; names "
     "with blanks cannot be told apart in a file split at blanks: save it as CSV or GraphML, which keep them) (read "
     "as a CSV file, as its content suggests; --format names another)"},
    {"d.txt", "c\np max 2 1\nn 1 s\nn 2 t\na 1 2 5\n", "1 2 | 1-2:5 | 1 2"},
    // Two readings of one content: both named, neither taken.
    {"m.txt", "4 4\n2 4\n1 3\n2 4\n1 3\n",
     "error: the format cannot be told from the content, which reads as an edge list of 5 edges (--format "
     "edgelist) and as a METIS file of 8 edges (--format metis), differently: give its format"},
    {"pairs.txt", "2 3\n1 2\n3 2\n3 1\n",
     "error: the format cannot be told from the content, which reads as mst-bench's network file of 2 edges "
     "(--format network) and as an edge list of 4 edges (--format edgelist), differently: give its format"},
    // No reading: the refusal of the format the content resembles.
    {"bad.txt", "2\t3\n1\t2\t5\n2\t4\t1\n", "error: edge row 2: the second end node 4 is outside 1 to 3"},
    // Four numbers on a line are no DIMACS problem line without its 'p'.
    {"four.txt", "1 2 5 7\n2 3 4 1\n",
     "error: line 1: 4 words where an edge has 2 or 3 ('u v' or 'u v w'): node names with blanks cannot be told "
     "apart in a file split at blanks (save it as CSV or GraphML, which keep them) (read as an edge list, as its "
     "content suggests; --format names another)"},
    {"names.txt", "Mr Hi John A 4\n",
     "error: line 1: 5 words where an edge has 2 or 3 ('u v' or 'u v w'): node names with blanks cannot be told "
     "apart in a file split at blanks (save it as CSV or GraphML, which keep them) (read as an edge list, as its "
     "content suggests; --format names another)"},
    {"empty.txt", " \n\t\n", "error: the file is empty"},
    {"utf16.txt",
     "\xFF\xFE"
     "3",
     "error: the file is UTF-16 text: --encoding utf-16 reads it (or save it as UTF-8)"},
    // Excel's CSV on Windows is Windows-1252: refused, never shown with replacement characters.
    {"excel.csv", "Source,Target\nM\xFCller,M\xF6ller\n",
     "error: line 2: the byte 0xFC is not UTF-8 text: a file saved by Excel or another Windows program is most "
     "often Windows-1252, which --encoding cp1252 reads (--encoding latin1 reads ISO-8859-1)"},
    {"mac.csv", "Source,Target,Weight\ra,b,1\rb,c,2\r", "2 3 | 1-2:1 2-3:2 | a b c"},  // CR alone ends lines
};
for (const auto& c : cases) EXPECT_EQ(Import("", c.text, {}, c.name), c.expected) << c.name;
// The encodings that read what UTF-8 does not: names come out as the file means them.
const struct {
  const char* encoding;
  std::string text;
  const char* expected;
} encoded[] = {
    {"cp1252", "M\xFCller,M\xF6ller,\x80\n", "error: line 1: the measure '\xE2\x82\xAC' is not a number"},
    {"cp1252", "Source,Target\nM\xFCller,M\xF6ller\nM\xF6ller,Th\xE9nardier\n",
     "2 3 | 1-2:1 2-3:1 | M\xC3\xBCller M\xC3\xB6ller Th\xC3\xA9nardier"},
    {"cp1252", "a,b\n\x81,b\n",
     "error: line 2: the byte 0x81 stands for no character in Windows-1252 (--encoding latin1 reads every byte)"},
    {"latin1", "a,\x81\n", "1 2 | 1-2:1 | a \xC2\x81"},
    {"utf-16",
     std::string("\xFF\xFE"
                 "a\0,\0b\0\n\0",
                 10),
     "1 2 | 1-2:1 | a b"},
    {"utf-16", std::string("\0a\0,\0\xD8\0\0\n", 10),
     "error: byte 4 holds half of a UTF-16 pair without its other half: the file is not UTF-16 text"},
};
for (const auto& c : encoded) {
  ImportOptions options;
  options.encoding = c.encoding;
  EXPECT_EQ(Import("", c.text, options, "x.csv"), c.expected) << c.encoding;
}
// mst-bench's own format asked for, with more than its rows: what it more likely is.
EXPECT_EQ(Import("network", "1 2 2\n1 3 5\n2 3 1\n3 4 4\n"),
          "error: line 2: more follows the 1 edge row its header announces; it looks like an edge list of 4 "
          "edges: use --format edgelist");
EXPECT_EQ(Import("", "1 2\n1 2 5\n", {}, "x.gr"),
          "error: line 1: '1' starts no DIMACS line (c, p or a) (it reads as mst-bench's network file of 1 edge: "
          "--format network reads it)");
EXPECT_STREQ(FormatNamed("pajek")->name, "pajek");
EXPECT_EQ(FormatNamed("pickle"), nullptr);
EXPECT_EQ(FormatOfExtension("dir.gr/matrix1"), nullptr);
EXPECT_EQ(FormatOfExtension("roads.GR"), FormatNamed("dimacs"));
}

// Two readings are one only where every edge and name is the same: an edge with another end or
// measure makes the content ambiguous.
TEST(ImportRules, ReadingsAreAlikeOnlyWhenEveryEdgeIs) {
  const ImportOptions options;  // the builder keeps a reference to its options
  const auto reading = [&options](int b, const char* measure, ImportedNetwork& imported) {
    auto builder = std::make_unique<NetworkBuilder>(options, imported);
    std::string why;
    const int x = builder->NodeByName("x"), y = builder->NodeByName("y"), z = builder->NodeByName("z");
    EXPECT_TRUE(builder->AddEdge(x, b == 1 ? y : z, measure, 1, why));
    EXPECT_TRUE(builder->AddEdge(y, z, "1", 2, why));
    builder->Merge();
    return builder;
  };
  ImportedNetwork a, b, c, d;
  const auto first = reading(1, "5", a);
  EXPECT_TRUE(first->SameAs(*reading(1, "5", b)));
  EXPECT_FALSE(first->SameAs(*reading(2, "5", c)));
  EXPECT_FALSE(first->SameAs(*reading(1, "6", d)));
}

// docs/companions.md's table of formats is the registry's: a format added, renamed or reworded
// in the registry and not in the docs fails here, with the table to paste.
TEST(ImportRules, TheReadmesListTheRegistrysFormats) {
  for (const char* readme : {MST_SOURCE_DIR "/README.md", MST_SOURCE_DIR "/packaging/README.txt.in"}) {
    std::ifstream file(readme, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::string flowing;  // the text with each run of blanks and line ends one blank
    for (const char c : text) {
      const bool blank = c == ' ' || c == '\n' || c == '\r';
      if (!blank || (!flowing.empty() && flowing.back() != ' ')) flowing += blank ? ' ' : c;
    }
    EXPECT_NE(flowing.find("(" + FormatsInProse()), std::string::npos)
        << readme << " should list (" << FormatsInProse();
  }
}

TEST(ImportRules, TheDocsTableOfFormatsIsTheRegistrys) {
  std::string table = "| `--format` | extensions | what it reads | an example file |\n|---|---|---|---|\n";
  for (const Format& format : Formats()) {
    std::string example;
    std::string_view lines = format.example;
    while (!lines.empty()) {
      const std::size_t end = lines.find('\n');
      example += (example.empty() ? "`" : " / `") + std::string(lines.substr(0, end)) + "`";
      lines.remove_prefix(end == std::string_view::npos ? lines.size() : end + 1);
    }
    std::string extensions = format.extensions;
    std::string shown;
    for (std::size_t at = 0; at < extensions.size();) {
      const std::size_t space = extensions.find(' ', at);
      shown += (shown.empty() ? "`" : " `") + extensions.substr(at, space - at) + "`";
      at = space == std::string::npos ? extensions.size() : space + 1;
    }
    table += "| `" + std::string(format.name) + "` | " + (shown.empty() ? "(by content)" : shown) + " | " +
             format.help + " | " + example + " |\n";
  }
  std::ifstream file(MST_SOURCE_DIR "/docs/companions.md", std::ios::binary);
  const std::string docs((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_NE(docs.find(table), std::string::npos) << "docs/companions.md should hold:\n" << table;
}

// Names files for a network of 3 nodes: what mst-import --node-map writes, in any order, with
// CRLF line ends, blank lines and a byte-order mark; and every way one can fail to fit, refused
// with the line.
TEST(NodeNames, ReadsANameForEveryNodeAndRefusesFilesThatDoNotFit) {
  const struct {
    const char* text;
    const char* expected;  // the names joined by '|', or the reason
  } cases[] = {
      {"1\tMyriel\n2\tJean Valjean\n3\tJ\xC3\xA9sus\n", "Myriel|Jean Valjean|J\xC3\xA9sus"},
      {"\xEF\xBB\xBF"
       "3\tc\td\r\n\n1\ta\r\n2\t b\xC2\xA9\xDF\xBF\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF\xE2\x82\xAC\r\n",
       "a| b\xC2\xA9\xDF\xBF\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF\xE2\x82\xAC|c\td"},
      {"1\ta\n2 b\n3\tc\n",
       "line 2: no tab between the number and the name (a names file holds one line per node: its number, a tab, "
       "its name)"},
      {"1\ta\n4\tb\n",
       "line 2: '4' is not a node number from 1 to 3 (a names file holds one line per node: its "
       "number, a tab, its name)"},
      {"0\ta\n",
       "line 1: '0' is not a node number from 1 to 3 (a names file holds one line per node: its number, a "
       "tab, its name)"},
      {"+1\ta\n",
       "line 1: '+1' is not a node number from 1 to 3 (a names file holds one line per node: its number, "
       "a tab, its name)"},
      {"1\ta\n2\tb\n1\tc\n", "line 3: node 1 is named twice (first on line 1)"},
      {"1\ta\n2\t \n", "line 2: node 2 has an empty name"},
      {"1\ta\n2\tb\xE9\n", "line 2: the name is not UTF-8 text (convert the file, for example with iconv -t UTF-8)"},
      {"1\ta\n2\t\xC0\x80\n", "line 2: the name is not UTF-8 text (convert the file, for example with iconv -t UTF-8)"},
      {"1\ta\n2\tb\x80\n", "line 2: the name is not UTF-8 text (convert the file, for example with iconv -t UTF-8)"},
      {"1\ta\n2\tb\x1b[2J\n", "line 2: the name holds a control character"},
      {"1\ta\n2\tb\x7F\n", "line 2: the name holds a control character"},
      {"1\ta\n2\t\xED\xA0\x80\n",
       "line 2: the name is not UTF-8 text (convert the file, for example with iconv -t UTF-8)"},  // U+D800
      {"1\ta\n2\t\xE0\x80\xAF\n",
       "line 2: the name is not UTF-8 text (convert the file, for example with iconv -t UTF-8)"},  // '/' overlong
      {"1\ta\n\xEF\xBB\xBF"
       "2\tb\n",
       "line 2: '\xEF\xBB\xBF"
       "2' is not a node number from 1 to 3 (a names file holds one line per node: its "
       "number, a tab, its name)"},
      {"1\ta\n3\tc\n", "it names 2 of the network's 3 nodes; node 2 has no line"},
  };
  const std::string path = testing::TempDir() + "names-test.names";
  for (const auto& c : cases) {
    std::ofstream(path, std::ios::binary) << c.text;
    std::vector<std::string> names;
    std::string reason;
    const bool read = ReadNodeNames(path, 3, names, reason);
    std::string got = reason;
    if (read) {
      got.clear();
      for (const std::string& name : names) got += (got.empty() ? "" : "|") + name;
    }
    EXPECT_EQ(got, c.expected) << c.text;
  }
  std::ofstream(path, std::ios::binary) << std::string("1\ta\n2\tb\0c\n3\tc\n", 14);  // binary, as every input
  std::vector<std::string> names;
  std::string reason;
  EXPECT_FALSE(ReadNodeNames(path, 3, names, reason));
  EXPECT_EQ(reason, "binary content at byte 7 (a NUL byte, which no text file holds)");
  std::ofstream(path, std::ios::binary) << "1\ta\r2\tb\r3\tc\r";  // old Macintosh line ends, as every input
  EXPECT_TRUE(ReadNodeNames(path, 3, names, reason)) << reason;
  EXPECT_EQ(NamesBeside("data/lesmis.txt"), "data/lesmis.names");
  EXPECT_EQ(NamesBeside("v1.2/roads"), "v1.2/roads.names");
  EXPECT_EQ(NamesBeside("-"), "");
}

// A generated network written in every format of the registry and read back has the same
// minimum spanning tree total: a format added without a writer here fails the test.
TEST(ImportRules, EveryFormatRoundTripsAGeneratedNetwork) {
  NetworkRequest request;
  request.nodes = 40;
  request.edges = 150;
  request.distinctPairs = true;
  request.minMeasure = -20;
  request.maxMeasure = 20;
  const std::vector<Edges> edges = Generate(request).edges;
  const auto total = [](std::vector<Edges> list, int nodes) {
    std::vector<Edges> tree(static_cast<std::size_t>(nodes));
    Kruskal(list.data(), tree.data(), static_cast<int>(list.size()), nodes);
    return TreeTotal(tree.data(), nodes - 1);
  };
  const long long expected = total(edges, 40);
  const auto rows = [&](const char* form, bool both) {
    std::string text;
    char line[160];
    for (const Edges& e : edges) {
      for (int way = 0; way < (both ? 2 : 1); ++way) {
        const int a = (way ? e.node2 : e.node1) + 1;
        const int b = (way ? e.node1 : e.node2) + 1;
        std::snprintf(line, sizeof line, form, a, b, e.measure);
        text += line;
      }
    }
    return text;
  };
  std::vector<std::string> adjacency(41);
  std::vector<std::vector<int>> matrix(40, std::vector<int>(40, 0));
  std::string lgl;
  for (const Edges& e : edges) {
    adjacency[static_cast<std::size_t>(e.node1 + 1)] +=
        " " + std::to_string(e.node2 + 1) + " " + std::to_string(e.measure);
    adjacency[static_cast<std::size_t>(e.node2 + 1)] +=
        " " + std::to_string(e.node1 + 1) + " " + std::to_string(e.measure);
    // A zero means no edge in an array: measures are shifted by 100 there, and back in the total.
    matrix[static_cast<std::size_t>(std::max(e.node1, e.node2))][static_cast<std::size_t>(std::min(e.node1, e.node2))] =
        e.measure + 100;
    lgl += "# n" + std::to_string(e.node1 + 1) + "\nn" + std::to_string(e.node2 + 1) + " " + std::to_string(e.measure) +
           "\n";
  }
  std::string metis = "40 150 1\n";
  for (int v = 1; v <= 40; ++v) metis += adjacency[static_cast<std::size_t>(v)] + "\n";
  std::string array = "%%MatrixMarket matrix array integer symmetric\n40 40\n";
  for (std::size_t j = 0; j < 40; ++j) {
    for (std::size_t i = j; i < 40; ++i) array += std::to_string(matrix[i][j]) + "\n";
  }
  std::string square;  // an adjacency matrix, named by its header and first column as pandas writes it
  for (int v = 1; v <= 40; ++v) square += ",v" + std::to_string(v);
  for (std::size_t i = 0; i < 40; ++i) {
    square += "\nv" + std::to_string(i + 1);
    for (std::size_t j = 0; j < 40; ++j) square += "," + std::to_string(std::max(matrix[i][j], matrix[j][i]));
  }
  std::string graphml = "<graphml><key id=\"w\" for=\"edge\" attr.name=\"weight\"/><graph>";
  for (int v = 1; v <= 40; ++v) graphml += "<node id=\"v" + std::to_string(v) + "\"/>";
  graphml +=
      rows("<edge source=\"v%d\" target=\"v%d\"><data key=\"w\">%d.0</data></edge>\n", false) + "</graph></graphml>";
  std::string gml = "graph [\n";
  std::string gexf = "<gexf><graph><nodes>";
  std::string json = "{\"nodes\": [";
  std::string adjlist = "#-\n# GMT Tue Dec  8 12:00:00 2026\n# \n";
  std::string multiline;
  std::vector<std::vector<const Edges*>> from(40);
  for (const Edges& e : edges) from[static_cast<std::size_t>(e.node1)].push_back(&e);
  for (int v = 1; v <= 40; ++v) {
    const std::string id = std::to_string(v);
    gml += "  node [ id " + id + " label \"n&#201;&#xe9;" + id + "\" ]\n";
    gexf += "<node id=\"" + id + "\" label=\"n " + id + "\"/>";
    json += (v == 1 ? "{\"id\": \"" : ", {\"id\": \"") + id + "\"}";
    adjlist += "n" + id;
    multiline += "n" + id + " " + std::to_string(from[static_cast<std::size_t>(v - 1)].size()) + "\n";
    for (const Edges* e : from[static_cast<std::size_t>(v - 1)]) {
      adjlist += " n" + std::to_string(e->node2 + 1);
      multiline += "n" + std::to_string(e->node2 + 1) + " {'weight': " + std::to_string(e->measure) + "}\n";
    }
    adjlist += "\n";
  }
  gml += rows("  edge [ source %d target %d weight %d ]\n", false) + "]\n";
  gexf += "</nodes><edges>" + rows("<edge source=\"%d\" target=\"%d\" weight=\"%d.0\"/>", false) +
          "</edges></graph></gexf>";
  std::string links = rows("{\"source\": \"%d\", \"target\": \"%d\", \"weight\": %d}, ", false);
  json += "], \"links\": [" + links.substr(0, links.size() - 2) + "]}";
  const std::map<std::string, std::vector<std::string>> files = {
      {"network", {"150 40\n" + rows("%d %d %d\n", false)}},
      {"dimacs",
       {"p sp 40 300\n" + rows("a %d %d %d\n", true), "p max 40 150\nn 1 s\nn 2 t\n" + rows("a %d %d %d\n", false)}},
      {"mtx", {"%%MatrixMarket matrix coordinate integer general\n40 40 150\n" + rows("%d %d %d\n", false), array}},
      {"edgelist", {rows("node%d\tnode%d\t%d\n", true), rows("%d %d {'weight': %d, 'color': 'red'}\n", false)}},
      {"ncol", {rows("#%d #%d %d\n", false)}},
      {"lgl", {lgl}},
      {"csv", {"from,to,length\n" + rows("\"n %d\",n %d,%d\n", false), rows("%d;%d;%d\n", false)}},
      {"metis", {metis}},
      {"matrix", {square + "\n"}},
      {"pajek", {"*Vertices 40\n*Arcs\n" + rows("%d %d %d\n", true)}},
      {"graphml", {graphml}},
      {"gexf", {gexf}},
      {"gml", {gml}},
      {"json", {json}},
      {"adjlist", {adjlist}},
      {"multiline-adjlist", {multiline}},
      {"leda", {}},  // recognised and refused: their examples are tested below
      {"dot", {}},
      {"graph6", {}},
  };
  for (const Format& format : Formats()) {
    ASSERT_TRUE(files.count(format.name) > 0) << format.name << " has no writer here";
#ifndef MST_HAVE_PUGIXML
    if (std::string(format.name) == "graphml") continue;
#endif
    if (files.at(format.name).empty()) {
      // A format read by no reader here: told from its example and refused with a way to convert it.
      EXPECT_NE(Import("", format.example, {}, "x.txt").find("which this program does not read: convert it"),
                std::string::npos)
          << format.name;
    }
    for (const std::string& text : files.at(format.name)) {
      ImportOptions options;
      options.format = format.name;
      ImportedNetwork imported;
      std::string why;
      ASSERT_TRUE(ImportText(text, "", options, imported, why)) << format.name << ": " << why;
      EXPECT_EQ(imported.network.nON, 40) << format.name;
      EXPECT_EQ(imported.network.edges.size(), 150u) << format.name;
      const long long shift = text == array || text == square + "\n" ? 100 * 39 : 0;
      // A plain adjacency list has no measures: its tree has 39 edges of 1.
      EXPECT_EQ(total(imported.network.edges, 40) - shift, text == adjlist ? 39 : expected) << format.name;
      if (text == gml) {
        EXPECT_EQ(imported.names[0],
                  "n\xC3\x89\xC3\xA9"
                  "1");
      }
    }
  }
  // Measures under another name are not read as none: the advice names that key, not the ids.
  EXPECT_EQ(Import("gml", "graph [\n node [ id 1 ]\n node [ id 2 ]\n edge [ source 1 target 2 id 7 strength 3 ]\n]\n"),
            "error: no edge has the key weight (or cost, length, distance), but they carry numbers as 'strength': "
            "--weight strength takes the measures from it");
  // NetworkX's INF is a number, refused as a measure; a word neither number nor key is refused.
  for (const auto& [weight, refusal] :
       {std::pair<std::string, std::string>{"INF", "the measure 'INF' is not a finite number"},
        {"1x", "'1x' is neither a key, a number nor a string"}}) {
    EXPECT_EQ(Import("gml",
                     "graph [\n node [ id 1 ]\n node [ id 2 ]\n edge [ source 1 target 2 weight " + weight + " ]\n]\n"),
              "error: line 4: " + refusal);
  }
  // Lines ended by CR alone, the last one too.
  EXPECT_EQ(Import("gml", "graph [\r node [ id 1 ]\r node [ id 2 ]\r edge [ source 1 target 2 weight 3 ]\r]\r"),
            "1 2 | 1-2:3 | 1 2");
  // A character reference of one digit, as NetworkX writes a tab in a label (a blank in a name).
  EXPECT_EQ(Import("gml",
                   "graph [\n node [ id 1 label \"a&#9;b&#33;\" ]\n node [ id 2 label \"c\" ]\n edge [ source 1 "
                   "target 2 weight 3 ]\n]\n"),
            "1 2 | 1-2:3 | a b! c");
}

}  // namespace
