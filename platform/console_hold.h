#pragma once

namespace mst {

// Holds the console open until the user has read the output.
// On Windows it hands "PAUSE" to the command processor. Elsewhere it prompts and waits for one
// key only when standard input and standard output are both terminals (a console the user
// reads the report in), so a run from or into a pipe, a file or CI never waits. Keys typed
// before the prompt are discarded; the key that ends the hold is read whole (all the bytes of
// an arrow or function key), without echo, the terminal's settings restored after.
// Flushes standard output first so everything printed so far is visible.
void HoldConsole();

}  // namespace mst
