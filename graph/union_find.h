#pragma once

// Union-find over node numbers, in an array the caller owns: parent[k] == k to start, one
// entry per node. A part's root is always its lowest node, so that "the part of node 0" and
// "the part met first" need no extra bookkeeping. Used by the reader's connectivity check, the
// importer's parts and the tests' tree checker. Cost: near-constant per call (path halving).
namespace mst {

// The root of node's part; halves the path on the way.
inline int Root(int* parent, int node) {
  while (parent[node] != node) {
    parent[node] = parent[parent[node]];
    node = parent[node];
  }
  return node;
}

// Joins the parts of a and b; returns false when they were one part already.
inline bool Join(int* parent, int a, int b) {
  const int x = Root(parent, a);
  const int y = Root(parent, b);
  if (x == y) return false;
  if (x < y) {
    parent[y] = x;
  } else {
    parent[x] = y;
  }
  return true;
}

}  // namespace mst
