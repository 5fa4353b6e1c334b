#pragma once

#include <vector>

// The ways Prim's routine can make its scan, one per step, for the cheapest edge with exactly
// one end in the tree. Every scan visits every edge at every step and gives the same answer
// (the first cheapest crossing edge in the edge list, whatever its measure), so every scan
// grows the same tree; they differ only in speed. Prim chooses one per call from the node and
// edge counts and the processor; tests and the harness name one through PrimWithScan.
// How the scans work: mst/detail/scan_table.h.
enum class PrimScan {
  kPortable,          // the plain loop over the edge list, any size, any processor
  kPortablePairs64,   // plain C++ over 64-bit node-pair masks, up to 64 nodes
  kAvx2Table256,      // AVX2, membership table in a register, up to 256 nodes
  kAvx2Gather,        // AVX2, membership gathered from memory, any node count
  kAvx512Pairs64,     // AVX-512F over 64-bit node-pair masks, up to 64 nodes
  kAvx512Table512,    // AVX-512F, membership table in 1 register, up to 512 nodes
  kAvx512Table1024,   // ... in 2 registers, up to 1024 nodes
  kAvx512Table2048,   // ... in 4 registers, up to 2048 nodes
  kAvx512Table4096,   // ... in 8 registers, up to 4096 nodes
  kAvx512Gather,      // AVX-512F, membership gathered from memory, any node count
};

// Instruction sets a scan may need beyond plain C++.
struct InstructionSets {
  bool avx2 = false;
  bool avx512f = false;
};

// What this build can use on this processor: none where the vector scans are not built
// (other than x86-64 with g++ or clang).
[[nodiscard]] InstructionSets ThisProcessor();

// Every scan, in the order Prim prefers them.
[[nodiscard]] std::vector<PrimScan> AllPrimScans();

// A short name, e.g. "avx512-table1024".
[[nodiscard]] const char* PrimScanName(PrimScan scan);

// Largest node count the scan handles.
[[nodiscard]] int PrimScanMaxNodes(PrimScan scan);

// True when this build and processor can run the scan.
[[nodiscard]] bool PrimScanRuns(PrimScan scan);

// The scan Prim uses for nON nodes and nOE edges on a processor with the given instruction
// sets: the first in order of preference that those sets run, that handles nON nodes and whose
// fixed cost per step the edge count repays. Always one that handles nON nodes.
[[nodiscard]] PrimScan ChoosePrimScanFor(int nON, int nOE, InstructionSets sets);

// The same on this processor.
[[nodiscard]] PrimScan ChoosePrimScan(int nON, int nOE);
