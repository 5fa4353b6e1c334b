#pragma once

#include <vector>

namespace mst {

// The ways Prim's routine can make its scan, one per step, for the cheapest edge with exactly
// one end in the tree. Every scan visits every edge at every step and gives the same answer
// (the first cheapest crossing edge in the edge list, whatever its measure), so every scan
// grows the same tree; they differ only in speed. Prim chooses one per call from the node and
// edge counts and the processor; tests and the harness name one through PrimWithScan.
// How the scans work: mst/detail/scan_table.h.
enum class PrimScan {
  kPortable,         // the plain loop over the edge list, any size, any processor
  kPortablePairs64,  // plain C++ over 64-bit node-pair masks, up to 64 nodes
  kPortableMarks,    // plain C++ over crossing marks flipped as nodes join, any node count
  kAvx2Marks16,      // AVX2, crossing marks, ends packed in 16 bits: up to 65536 nodes
  kAvx2Marks,        // AVX2, crossing marks, any node count
  kAvx512Pairs64,    // AVX-512F over 64-bit node-pair masks, up to 64 nodes
  kAvx512Marks16,    // AVX-512F, crossing marks, ends packed in 16 bits: up to 65536 nodes
  kAvx512Marks,      // AVX-512F, crossing marks, any node count
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

// A short name, e.g. "avx512-marks16".
[[nodiscard]] const char* PrimScanName(PrimScan scan);

// Largest node count the scan handles.
[[nodiscard]] int PrimScanMaxNodes(PrimScan scan);

// True when this build and processor can run the scan.
[[nodiscard]] bool PrimScanRuns(PrimScan scan);

// The scan Prim uses for nON nodes and nOE edges on a processor with the given instruction
// sets: the first in order of preference that those sets run, that handles nON nodes and whose
// fixed cost the node and edge counts repay. Always one that handles nON nodes.
[[nodiscard]] PrimScan ChoosePrimScanFor(int nON, int nOE, InstructionSets sets);

// The same on this processor.
[[nodiscard]] PrimScan ChoosePrimScan(int nON, int nOE);

}  // namespace mst
