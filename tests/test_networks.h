#pragma once

#include <string>
#include <vector>

#include "graph/edges.h"

using namespace mst;

// A network loaded from file text, for tests: loaded tells whether LoadNetwork accepted it,
// reason holds its reason when not.
struct LoadedNetwork {
  bool loaded = false;
  std::string reason;
  std::vector<Edges> edges;
  int nOE = 0;
  int nON = 0;
  bool arraysOnFailure = false;  // a refused network must hand out no arrays
};

// Feeds text to LoadNetwork through a temporary file, exactly as the program reads its files.
LoadedNetwork LoadText(const std::string& text);

// Builds an edge list from 1-based rows {first end, second end, measure}, as the reader would.
std::vector<Edges> EdgesFromRows(const std::vector<std::vector<int>>& rows);

// A tree list of nON records, each set to {-1, -1, -99} so that records a routine leaves alone
// show as the row {0, 0, -99}.
std::vector<Edges> MarkedTreeList(int nON);

// The same edges as 1-based rows, for readable comparisons.
std::vector<std::vector<int>> RowsOf(const Edges* edges, int count);
