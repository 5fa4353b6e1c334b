#pragma once

#include "graph/edges.h"

namespace mst {

// Size of the buffer that holds a network file name such as "matrix1.txt".
constexpr int kFileNameSize = 13;

// Builds the name of network file t (0-based): "matrix1.txt", "matrix2.txt", "matrix3.txt".
void NetworkFileName(int t, char (&name)[kFileNameSize]);

// Loads network t from its file in the working directory into a new edge list (*in, nOE
// records in file order, 0-based ends) and a new tree list (*out, room for nON records); the
// caller owns both and frees them with std::free.
// A file that cannot be opened or cannot be used ends the process: one "ERROR in ..." line on
// standard output, the console hold, then exit status -1.
void ReadFromFile(Edges** in, Edges** out, int& nOE, int& nON, int t);

}  // namespace mst
