#pragma once

namespace mst {

// Hands what has been printed so far to standard output, so that a run stopped part way (a
// time limit, Ctrl+C) keeps every report and timing line it finished, even when standard output
// is a file or a pipe and so fully buffered. When standard output cannot take it (a full disk,
// a closed pipe), says so on standard error and ends the process with status -1, as for an
// unusable network: a report that was not written is not a complete run. Costs one flush.
void DeliverReport();

}  // namespace mst
