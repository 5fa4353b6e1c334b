// The readers of the formats of the field: each format's well-formed files, the rules every
// format shares, each refusal, and a round trip of a generated network through every format.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "graph/tree_total.h"
#include "mst/kruskal.h"
#include "netgen/network_generator.h"
#include "tools/network_formats.h"
#include "tools/node_names.h"

using namespace mst;

namespace {

// What a file imports to: "E N | u-v:w ... | names" (ends 1-based), or "error: why".
std::string Import(NetworkFormat format, const std::string& text, ImportOptions options = {}) {
  std::FILE* file = std::tmpfile();
  std::fwrite(text.data(), 1, text.size(), file);
  std::rewind(file);
  options.format = format;
  ImportedNetwork imported;
  std::string why;
  const bool read = ImportNetwork(file, options, imported, why);
  std::fclose(file);
  if (!read) return "error: " + why;
  std::string out = std::to_string(imported.network.edges.size()) + " " + std::to_string(imported.network.nON) + " |";
  for (const Edges& e : imported.network.edges) {
    out += " " + std::to_string(e.node1 + 1) + "-" + std::to_string(e.node2 + 1) + ":" + std::to_string(e.measure);
  }
  out += " |";
  for (const std::string& name : imported.names) out += " " + name;
  return out;
}

struct Case {
  NetworkFormat format;
  const char* text;
  const char* expected;  // as Import writes it; "error: " cases name the line and the reason
};

void Check(const std::vector<Case>& cases, ImportOptions options = {}) {
  for (const Case& c : cases) EXPECT_EQ(Import(c.format, c.text, options), c.expected) << c.text;
}

using F = NetworkFormat;

TEST(ImportDimacs, ReadsRoadFilesAndRefusesWhatDoesNotFit) {
  Check({
      // Both directions merge into one edge where first listed; the smaller measure kept; a
      // self-loop dropped; nodes renumbered by first appearance.
      {F::kDimacs, "c road\np sp 4 7\na 3 2 8\na 2 3 6\na 2 1 5\na 1 2 5\na 4 4 1\na 4 1 2\na 2 3 9\n",
       "3 4 | 1-2:6 2-3:5 4-3:2 | 3 2 1 4"},
      {F::kDimacs, "p sp 3 2\r\na 1 2 -7\r\na 2 3 4294967296\r\n",
       "error: line 3: the measure '4294967296' is outside -2147483648 to 2147483647"},
      {F::kDimacs, "p sp 3 3\na 1 2 1\na 2 3 1\n", "error: the problem line announces 3 arcs, the file holds 2"},
      {F::kDimacs, "p sp 2 1\na +1 2 +5\n", "1 2 | 1-2:5 | 1 2"},  // signs as mst-bench's reader takes them
      {F::kDimacs, "p sp 2 1\na 1 2 +-5\n", "error: line 2: the measure '+-5' is not a number"},
      {F::kDimacs, "p sp 3 2\na 1 2 1\na 2 4 1\n", "error: line 3: node 4 is outside 1 to 3"},
      {F::kDimacs, "a 1 2 1\n", "error: line 1: an arc before the problem line 'p sp NODES ARCS'"},
      {F::kDimacs, "p sp 3 1\np sp 3 1\n", "error: line 2: a second problem line"},
      {F::kDimacs, "p max 3 1\n", "error: line 1: the problem line must read 'p sp NODES ARCS'"},
      {F::kDimacs, "p sp 2 1\nv 1 2\n", "error: line 2: 'v' starts no DIMACS line (c, p or a)"},
      {F::kDimacs, "p sp 2 1\na 1 2\n", "error: line 2: an arc must read 'a FROM TO LENGTH'"},
      {F::kDimacs, "c nothing\n", "error: no problem line 'p sp NODES ARCS'"},
      // A declared node in no arc is a part of its own.
      {F::kDimacs, "p sp 3 1\na 1 2 1\n",
       "error: the network is in 2 parts; the largest has 2 of its 3 nodes (--largest-part keeps that one)"},
  });
}

TEST(ImportMtx, ReadsCoordinateFilesOfEveryUsableKind) {
  Check({
      {F::kMtx, "%%MatrixMarket matrix coordinate integer symmetric\n% c\n3 3 3\n2 1 4\n3 2 -1\n3 3 7\n",
       "2 3 | 1-2:4 3-1:-1 | 2 1 3"},
      {F::kMtx, "%%matrixmarket MATRIX Coordinate Pattern General\n3 3 4\n1 2\n2 1\n2 3\n3 2\n",
       "2 3 | 1-2:1 2-3:1 | 1 2 3"},
      {F::kMtx, "%%MatrixMarket matrix coordinate real general\n2 2 1\n1 2 2.0\n", "1 2 | 1-2:2 | 1 2"},
      {F::kMtx, "%%MatrixMarket matrix coordinate real general\n2 2 1\n1 2 2.5\n",
       "error: line 3: the measure '2.5' is not a whole number (--scale F multiplies every measure by F and rounds "
       "it)"},
      {F::kMtx, "%%MatrixMarket matrix coordinate complex general\n",
       "error: line 1: 'complex' entries describe no "
       "weighted network (integer, real or pattern)"},
      {F::kMtx, "%%MatrixMarket matrix coordinate real skew-symmetric\n",
       "error: line 1: a 'skew-symmetric' matrix describes no undirected network (general or symmetric)"},
      {F::kMtx, "%%MatrixMarket matrix array real general\n",
       "error: line 1: a 'array' file lists no edges: only coordinate files hold a network"},
      {F::kMtx, "%%MatrixMarket matrix coordinate real general\n2 3 1\n1 2 1\n",
       "error: line 2: a network needs a square matrix, this one has 2 rows and 3 columns"},
      {F::kMtx, "%%MatrixMarket matrix coordinate real general\n2 2 2\n1 2 1\n",
       "error: the size line announces 2 entries, the file holds 1"},
      {F::kMtx, "%%MatrixMarket matrix coordinate pattern general\n2 2 1\n1 2 5\n",
       "error: line 3: an entry must read 'ROW COLUMN'"},
      {F::kMtx, "3 3 1\n",
       "error: line 1: not a Matrix Market file: it must start '%%MatrixMarket matrix coordinate "
       "FIELD SYMMETRY'"},
      {F::kMtx, "%%MatrixMarket matrix coordinate real general\n2 2 1\n1 2 nan\n",
       "error: line 3: the measure 'nan' is not a finite number"},
      {F::kMtx, "%%MatrixMarket matrix coordinate real general\n2 2 1\n1 2 -inf\n",
       "error: line 3: the measure '-inf' is not a finite number"},
  });
}

TEST(ImportEdgelist, TakesAnyIdsAndOptionalMeasures) {
  Check({
      {F::kEdgelist, "# SNAP\n0\t1\n1\t0\n\n% KONECT\n1 7 3 1700000000\n", "2 3 | 1-2:1 2-3:3 | 0 1 7"},
      {F::kEdgelist, "Valjean Javert 5\nJavert Fantine\n", "2 3 | 1-2:5 2-3:1 | Valjean Javert Fantine"},
      {F::kEdgelist, "a b 1\nb\n", "error: line 2: an edge needs two node ids ('u v' or 'u v w')"},
      {F::kEdgelist, "a b 1x\n", "error: line 1: the measure '1x' is not a number"},
      {F::kEdgelist, "a a 1\n", "error: a network needs at least 2 nodes; this one has 1"},
  });
}

TEST(ImportCsv, FindsColumnsByTheirUsualNamesAndReadsQuotedFields) {
  Check({
      {F::kCsv, "Source,Target,Weight\n\"Paris, FR\",Lyon,465\nLyon,\"Nice \"\"la belle\"\"\",470\n",
       "2 3 | 1-2:465 2-3:470 | Paris, FR Lyon Nice \"la belle\""},
      {F::kCsv, "id,from,to,cost\n1,a,b,\n2,b,\"c\nd\",3\n", "2 3 | 1-2:1 2-3:3 | a b c\nd"},
      {F::kCsv, "u,v\nx,y\n", "1 2 | 1-2:1 | x y"},
      {F::kCsv, "left,right\nx,y\n",
       "error: line 1: no source column in the header (named source, from, u...; or give --columns)"},
      {F::kCsv, "source,target,weight\nx,y,1\nx\n", "error: line 3: the row has no target column (1 fields)"},
      {F::kCsv, "source,target\n\"x,y\n", "error: line 2: a quoted field is not closed"},
      {F::kCsv, "source,target\n,y\n", "error: line 2: an empty source"},
  });
  ImportOptions named;
  named.columns = {"left", "right", "km"};
  EXPECT_EQ(Import(F::kCsv, "km,left,right\n7,x,y\n", named), "1 2 | 1-2:7 | x y");
  EXPECT_EQ(Import(F::kCsv, "left,right\n7,x\n", named), "error: line 1: no weight column in the header named 'km'");
}

TEST(ImportMetis, ReadsAdjacencyLinesWithAndWithoutWeights) {
  Check({
      {F::kMetis, "% m\n3 2\n2\n1 3\n2\n", "2 3 | 1-2:1 2-3:1 | 1 2 3"},
      {F::kMetis, "3 2 1\n2 4 3 9\n1 4\n1 9\n", "2 3 | 1-2:4 1-3:9 | 1 2 3"},
      // Vertex weights (tens digit, NCON of them) and sizes (hundreds) come first.
      {F::kMetis, "2 1 011 2\n5 6 2 7\n5 6 1 7\n", "1 2 | 1-2:7 | 1 2"},
      {F::kMetis, "3 1\n2\n1\n\n",
       "error: the network is in 2 parts; the largest has 2 of its 3 nodes (--largest-part keeps that one)"},
      {F::kMetis, "3 3\n2\n1 3\n2\n", "error: the header announces 3 edges, the file holds 2"},
      {F::kMetis, "3 2\n2\n1 3\n", "error: the header announces 3 node lines, the file holds 2"},
      {F::kMetis, "2 1\n2\n1\n1\n", "error: line 4: more node lines than the header's 2"},
      {F::kMetis, "2 1 1\n2\n1 3\n", "error: line 2: neighbours must come in 'NODE WEIGHT' pairs"},
      {F::kMetis, "2 1 2\n", "error: line 1: FMT must be up to three digits 0 or 1, not '2'"},
  });
}

TEST(ImportPajek, KeepsLabelsAndReadsEverySectionOfEdges) {
  Check({
      {F::kPajek, "*Network n\n*Vertices 3\n1 \"Alpha Beta\" 0.1 0.2\n2 B\n3 \"C\"\n*Arcs\n1 2 4\n2 1 3\n*edges\n2 3\n",
       "2 3 | 1-2:3 2-3:1 | Alpha Beta B C"},
      {F::kPajek, "*Vertices 3\n*Edgeslist\n1 2 3\n", "2 3 | 1-2:1 1-3:1 | 1 2 3"},
      {F::kPajek, "*Edges\n1 2\n", "error: line 1: '*Edges' before '*Vertices N'"},
      {F::kPajek, "*Vertices 2\n*Matrix\n",
       "error: line 2: the section '*Matrix' is not read (*Vertices, *Edges, "
       "*Arcs, *Edgeslist, *Arcslist)"},
      {F::kPajek, "*Vertices 2\n*Edges\n1 3\n", "error: line 3: node 3 is outside 1 to 2"},
      {F::kPajek, "*Vertices 2\n1 \"open\n", "error: line 2: a label's closing quote is missing"},
  });
}

TEST(ImportGraphml, ReadsWeightsDefaultsAndLabelsWithARealParser) {
  const std::string head =
      "<?xml version=\"1.0\"?>\n<graphml xmlns=\"http://graphml.graphdrawing.org/xmlns\">\n"
      "<key id=\"d0\" for=\"node\" attr.name=\"name\" attr.type=\"string\"/>\n"
      "<key id=\"d1\" for=\"edge\" attr.name=\"weight\" attr.type=\"long\"><default>2</default></key>\n"
      "<graph edgedefault=\"undirected\">\n";
  const std::string tail = "</graph>\n</graphml>\n";
  const std::string lesmis = head +
                             "<node id=\"n0\"><data key=\"d0\">Valjean &amp; co</data></node>\n"
                             "<node id=\"n1\"><data key=\"d0\"><![CDATA[Javert]]></data></node><node id=\"n2\"/>\n"
                             "<!-- <edge source=\"n0\" target=\"n2\"/> -->\n"
                             "<edge source=\"n1\" target=\"n0\"><data key=\"d1\">3</data></edge>\n"
                             "<edge source=\"n2\" target=\"n1\"/>\n" +
                             tail;
#ifdef MST_HAVE_PUGIXML
  Check({
      {F::kGraphml, lesmis.c_str(), "2 3 | 2-1:3 3-2:2 | Valjean & co Javert n2"},
      {F::kGraphml, (head + "<node id=\"a\"/><edge source=\"a\" target=\"b\"/>" + tail).c_str(),
       "error: line 6: the edge names the node 'b', which no <node> declares"},
      {F::kGraphml, (head + "<node id=\"a\"/>\n<edge source=\"a\"/>" + tail).c_str(),
       "error: line 7: an <edge> needs a source and a target"},
      {F::kGraphml, (head + "<node id=\"a\">" + tail).c_str(),
       "error: line 6: not well-formed XML (Start-end tags mismatch)"},
      {F::kGraphml, "<gexf/>", "error: not a GraphML file: no <graphml> element"},
  });
#else
  EXPECT_EQ(Import(F::kGraphml, lesmis).rfind("error: this build reads no GraphML", 0), 0u);
#endif
}

// The options every format shares: --scale, --maximum, --largest-part.
TEST(ImportRules, ScaleMaximumAndLargestPart) {
  ImportOptions scaled;
  scaled.scale = 10;
  EXPECT_EQ(Import(F::kEdgelist, "a b 0.25\nb c -1.35\nc d 7\n", scaled), "3 4 | 1-2:3 2-3:-14 3-4:70 | a b c d");
  scaled.scale = 1e9;
  EXPECT_EQ(Import(F::kEdgelist, "a b 2.5\n", scaled),
            "error: line 1: the measure '2.5' is outside -2147483648 to 2147483647 after --scale");
  ImportOptions maximum;
  maximum.maximum = true;
  // The maximum tree's measures negated; duplicates then keep the smaller negated measure.
  EXPECT_EQ(Import(F::kEdgelist, "a b 2\nb a 5\nb c -3\n", maximum), "2 3 | 1-2:-5 2-3:3 | a b c");
  EXPECT_EQ(Import(F::kEdgelist, "a b -2147483648\n", maximum),
            "error: line 1: the measure '-2147483648' is outside -2147483648 to 2147483647 once negated for --maximum");
  ImportOptions largest;
  largest.largestPart = true;
  // Parts {x,y}, {a,b,c}, {p,q,r}: the first of the two largest is kept, renumbered.
  EXPECT_EQ(Import(F::kEdgelist, "x y 1\na b 2\np q 3\nb c 4\nq r 5\n", largest), "2 3 | 1-2:2 2-3:4 | a b c");
  EXPECT_EQ(Import(F::kNetwork, "2 3\n1 2 5\n2 3 -2147483647\n", maximum), "2 3 | 1-2:-5 2-3:2147483647 | 1 2 3");
}

TEST(ImportRules, FormatsAreToldByNameAndFirstLine) {
  const struct {
    const char* path;
    const char* firstLine;
    NetworkFormat format;
  } cases[] = {
      {"roads/USA-road-d.NY.gr", "c x", F::kDimacs},
      {"a.MTX", "", F::kMtx},
      {"x.csv", "", F::kCsv},
      {"x.graph", "", F::kMetis},
      {"x.net", "", F::kPajek},
      {"x.graphml", "", F::kGraphml},
      {"x.edges", "", F::kEdgelist},
      {"matrix1.txt", "3\t3", F::kNetwork},
      {"roadNet-CA.txt", "# Directed graph", F::kEdgelist},
      {"out.konect", "% sym", F::kEdgelist},
      {"dir.gr/matrix1", "22 10", F::kNetwork},
      {"x.txt", "1 2 3", F::kNetwork},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatOfFile(c.path, c.firstLine), c.format) << c.path;
  NetworkFormat named = F::kNetwork;
  EXPECT_TRUE(FormatNamed("pajek", named));
  EXPECT_EQ(named, F::kPajek);
  EXPECT_FALSE(FormatNamed("gml", named));
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
       "3\tc\td\r\n\n1\ta\r\n2\t b\xC2\xA9\xDF\xBF\xF4\x8F\xBF\xBF\r\n",
       "a| b\xC2\xA9\xDF\xBF\xF4\x8F\xBF\xBF|c\td"},
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
  std::ofstream(path, std::ios::binary) << std::string("1\ta\n2\tb\0c\n3\tc\n", 14);  // a NUL is a control too
  std::vector<std::string> names;
  std::string reason;
  EXPECT_FALSE(ReadNodeNames(path, 3, names, reason));
  EXPECT_EQ(reason, "line 2: the name holds a control character");
  EXPECT_EQ(NamesBeside("data/lesmis.txt"), "data/lesmis.names");
  EXPECT_EQ(NamesBeside("v1.2/roads"), "v1.2/roads.names");
  EXPECT_EQ(NamesBeside("-"), "");
}

// A generated network written in every format and read back has the same minimum spanning
// tree total.
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
    char line[96];
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
  for (const Edges& e : edges) {
    adjacency[static_cast<std::size_t>(e.node1 + 1)] +=
        " " + std::to_string(e.node2 + 1) + " " + std::to_string(e.measure);
    adjacency[static_cast<std::size_t>(e.node2 + 1)] +=
        " " + std::to_string(e.node1 + 1) + " " + std::to_string(e.measure);
  }
  std::string metis = "40 150 1\n";
  for (int v = 1; v <= 40; ++v) metis += adjacency[static_cast<std::size_t>(v)] + "\n";
  std::string graphml = "<graphml><key id=\"w\" for=\"edge\" attr.name=\"weight\"/><graph>";
  for (int v = 1; v <= 40; ++v) graphml += "<node id=\"v" + std::to_string(v) + "\"/>";
  graphml +=
      rows("<edge source=\"v%d\" target=\"v%d\"><data key=\"w\">%d.0</data></edge>\n", false) + "</graph></graphml>";
  const std::pair<NetworkFormat, std::string> files[] = {
      {F::kNetwork, "150 40\n" + rows("%d %d %d\n", false)},
      {F::kDimacs, "p sp 40 300\n" + rows("a %d %d %d\n", true)},
      {F::kMtx, "%%MatrixMarket matrix coordinate integer general\n40 40 150\n" + rows("%d %d %d\n", false)},
      {F::kEdgelist, rows("node%d\tnode%d\t%d\n", true)},
      {F::kCsv, "from,to,length\n" + rows("\"n %d\",n %d,%d\n", false)},
      {F::kMetis, metis},
      {F::kPajek, "*Vertices 40\n*Arcs\n" + rows("%d %d %d\n", true)},
      {F::kGraphml, graphml},
  };
  for (const auto& [format, text] : files) {
#ifndef MST_HAVE_PUGIXML
    if (format == F::kGraphml) continue;
#endif
    std::FILE* file = std::tmpfile();
    std::fwrite(text.data(), 1, text.size(), file);
    std::rewind(file);
    ImportOptions options;
    options.format = format;
    ImportedNetwork imported;
    std::string why;
    ASSERT_TRUE(ImportNetwork(file, options, imported, why)) << static_cast<int>(format) << ": " << why;
    std::fclose(file);
    EXPECT_EQ(imported.network.nON, 40) << static_cast<int>(format);
    EXPECT_EQ(imported.network.edges.size(), 150u) << static_cast<int>(format);
    EXPECT_EQ(total(imported.network.edges, 40), expected) << static_cast<int>(format);
  }
}

}  // namespace
