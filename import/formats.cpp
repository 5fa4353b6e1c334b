// The registry: one row per format. An extension two rows share (.adjlist) names the first,
// whose reader tells the two apart. Adding a format is one reader file in import/, its
// declaration in import/detail/readers.h and one row here; --format, the help texts, the docs'
// table, the fuzzer and the telling of formats all follow from this table.
#include "import/formats.h"

#include "import/detail/readers.h"
#include "import/detail/text.h"

namespace mst {

const std::vector<Format>& Formats() {
  using R = Recognition;
  static const std::vector<Format> formats = {
      {"network", "mst-bench's network file", "", "", "mst-bench's own: 'E N', then E rows 'u v w' (nodes 1..N)",
       "3 3\n1 2 4\n2 3 1\n1 3 3\n", R::kReading, nullptr, ReadNetworkFile, 0},
      {"dimacs", "a DIMACS file", "DIMACS", ".gr .dimacs .max",
       "DIMACS: 'p sp N M' or 'p max N M', then 'a u v w' arcs; 'c' comments",
       "c road\np sp 3 4\na 1 2 4\na 2 1 4\na 2 3 1\na 3 2 1\n", R::kStart, StartsDimacs, ReadDimacs, 0},
      {"mtx", "a Matrix Market file", "Matrix Market", ".mtx .mm",
       "Matrix Market: coordinate or array; integer, real or pattern; general or symmetric",
       "%%MatrixMarket matrix coordinate integer symmetric\n3 3 2\n2 1 4\n3 2 1\n", R::kStart, StartsMtx, ReadMtx, 0},
      {"edgelist", "an edge list", "edge lists", ".edges .edgelist .el .wel",
       "'u v', 'u v w' or 'u v {dict}' lines (SNAP, KONECT, NetworkX); # or % comments",
       "# NetworkX\nValjean Javert {'weight': 4}\nJavert Fantine {'weight': 1}\n", R::kReading, nullptr, ReadEdgelist,
       kNamedMeasure},
      {"ncol", "an NCOL file", "NCOL", ".ncol", "igraph's NCOL: 'name1 name2 [w]' lines, no comments",
       "Valjean Javert 4\nJavert Fantine 1\n", R::kNever, nullptr, ReadNcol, 0},
      {"lgl", "an LGL file", "LGL", ".lgl", "igraph's LGL: '# NODE', then a 'NEIGHBOUR [w]' line per edge",
       "# Valjean\nJavert 4\n# Javert\nFantine 1\n# Fantine\n", R::kReading, nullptr, ReadLgl, 0},
      {"csv", "a CSV file", "CSV", ".csv .tsv",
       "fields split at commas, semicolons or tabs; a header row names the columns, or none",
       "Source,Target,Weight\n\"Paris, FR\",Lyon,465\nLyon,Nice,470\n", R::kReading, nullptr, ReadCsv,
       kNamedMeasure | kNamedColumns},
      {"matrix", "an adjacency matrix", "adjacency matrices", "",
       "N rows of N measures (numpy.savetxt, pandas, spreadsheets), names in a header row or first column or none; "
       "a blank or 0 is no edge",
       ",Valjean,Javert,Fantine\nValjean,0,4,0\nJavert,4,0,1\nFantine,0,1,0\n", R::kReading, nullptr, ReadMatrix, 0},
      {"metis", "a METIS file", "METIS", ".graph .metis",
       "METIS: 'N M [FMT [NCON]]', then a line of neighbours per node", "3 2 1\n2 4\n1 4 3 1\n2 1\n", R::kReading,
       nullptr, ReadMetis, 0},
      {"pajek", "a Pajek file", "Pajek", ".net .paj",
       "Pajek: '*Vertices N' with labels, then *Edges, *Arcs or their lists",
       "*Vertices 3\n1 \"Jean Valjean\" 0.1 0.2\n2 Javert\n3 Fantine\n*Edges\n1 2 4\n2 3 1\n", R::kStart, StartsPajek,
       ReadPajek, 0},
      {"gexf", "a GEXF file", "GEXF", ".gexf",
       "GEXF (Gephi, NetworkX): the edges' weight, or an attribute --weight names",
       "<gexf><graph defaultedgetype=\"undirected\"><nodes><node id=\"a\" label=\"Valjean\"/><node "
       "id=\"b\"/><node id=\"c\"/></nodes>\n<edges><edge source=\"a\" target=\"b\" weight=\"4\"/><edge "
       "source=\"b\" target=\"c\" weight=\"1\"/></edges></graph></gexf>\n",
       R::kStart, StartsGexf, ReadGexf, kNamedMeasure},
      {"graphml", "a GraphML file", "GraphML", ".graphml .xml", "GraphML (NetworkX, igraph, Gephi, yEd)",
       "<graphml><key id=\"w\" for=\"edge\" attr.name=\"weight\"/><graph>\n<node id=\"a\"/><node id=\"b\"/><node "
       "id=\"c\"/>\n<edge source=\"a\" target=\"b\"><data key=\"w\">4</data></edge>\n<edge source=\"b\" "
       "target=\"c\"/>\n</graph></graphml>\n",
       R::kStart, StartsGraphml, ReadGraphml, kNamedMeasure},
      {"gml", "a GML file", "GML", ".gml", "GML (NetworkX, igraph): node blocks named by label or name, edge blocks",
       "graph [\n  node [ id 0 label \"Valjean\" ]\n  node [ id 1 label \"Javert\" ]\n  node [ id 2 label "
       "\"Fantine\" ]\n  edge [ source 0 target 1 weight 4 ]\n  edge [ source 1 target 2 weight 1 ]\n]\n",
       R::kStart, StartsGml, ReadGml, kNamedMeasure},
      {"json", "a node-link JSON file", "node-link JSON", ".json",
       "node-link JSON (NetworkX's node_link_data, D3): \"nodes\" and \"links\" lists",
       "{\"nodes\": [{\"id\": \"Valjean\"}, {\"id\": \"Javert\"}, {\"id\": \"Fantine\"}], \"links\": "
       "[{\"source\": \"Valjean\", \"target\": \"Javert\", \"weight\": 4}, {\"source\": \"Javert\", \"target\": "
       "\"Fantine\", \"weight\": 1}]}\n",
       R::kStart, StartsJson, ReadJson, kNamedMeasure},
      {"adjlist", "an adjacency list", "adjacency lists", ".adjlist",
       "NetworkX's write_adjlist: a line per node, its name and its later neighbours; no measures",
       "#-\n# GMT Tue Dec  8 12:00:00 2026\n# \nValjean Javert\nJavert Fantine\nFantine\n", R::kStart, StartsAdjlist,
       ReadAdjlist, kNamedMeasure},
      {"multiline-adjlist", "a multiline adjacency list", "multiline adjacency lists", ".adjlist",
       "NetworkX's write_multiline_adjlist: 'NAME COUNT', then COUNT lines 'NEIGHBOUR {dict}'",
       "Valjean 1\nJavert {'weight': 4}\nJavert 1\nFantine {'weight': 1}\nFantine 0\n", R::kNever, nullptr,
       ReadMultilineAdjlist, kNamedMeasure},
      {"leda", "a LEDA graph", "LEDA", ".gw .leda", "LEDA.GRAPH: recognised and refused, with a way to convert it",
       "LEDA.GRAPH\nstring\nint\n-2\n2\n|{a}|\n|{b}|\n1\n1 2 0 |{4}|\n", R::kStart, StartsLeda, ReadLeda, 0, true},
      {"dot", "a DOT file", "DOT", ".dot .gv", "Graphviz DOT: recognised and refused, with a way to convert it",
       "graph {\n  a -- b [weight=4];\n}\n", R::kStart, StartsDot, ReadDot, 0, true},
      {"graph6", "a graph6 file", "graph6", ".g6 .s6",
       "graph6 and sparse6: recognised and refused, with a way to convert them", ">>graph6<<Bw\n", R::kStart,
       StartsGraph6, ReadGraph6, 0, true},
  };
  return formats;
}

const Format* FormatNamed(std::string_view name) {
  for (const Format& format : Formats()) {
    if (name == format.name) return &format;
  }
  return nullptr;
}

const Format* FormatOfExtension(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return nullptr;
  const std::string extension = Lower(path.substr(dot));
  for (const Format& format : Formats()) {
    for (const std::string_view known : Words(format.extensions)) {
      if (extension == known) return &format;
    }
  }
  return nullptr;
}

std::vector<std::string> FormatNames() {
  std::vector<std::string> names;
  for (const Format& format : Formats()) names.emplace_back(format.name);
  return names;
}

std::string FormatsInProse() {
  std::vector<const char*> read, refused;
  for (const Format& format : Formats()) {
    if (*format.label != '\0') (format.refused ? refused : read).push_back(format.label);
  }
  const auto join = [](const std::vector<const char*>& labels) {
    std::string text;
    for (std::size_t k = 0; k < labels.size(); ++k) {
      text += std::string(k == 0 ? "" : k + 1 == labels.size() ? " and " : ", ") + labels[k];
    }
    return text;
  };
  return join(read) + "; " + join(refused) + " are recognised and refused with a command that converts them";
}

}  // namespace mst
