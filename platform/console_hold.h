#pragma once

// Holds the console open until the user has read the output.
// On Windows it hands "PAUSE" to the command processor. Elsewhere it prompts and waits for one
// key only when standard input is a terminal, so a run from a pipe, a file or CI never waits.
// Flushes standard output first so everything printed so far is visible.
void HoldConsole();
