// igraph's NCOL files: "name1 name2 [w]", one edge a line, no comments; names hold no blanks.
// An edge list in all but comments: a line starting with # is an edge here.
#include "import/detail/readers.h"

namespace mst {

bool ReadNcol(std::string_view text, NetworkBuilder& builder, std::string& why) {
  return ReadEdgeLines(text, builder, false, why);
}

}  // namespace mst
