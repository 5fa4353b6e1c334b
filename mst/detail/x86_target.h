#pragma once

namespace mst {

// The one place that decides whether the x86 vector scans are built: on x86-64 with g++ or
// clang, whose per-function target attributes let one file hold code for an instruction set
// the rest of the program does not assume. The processor is asked at run time
// (ThisProcessor) before any of it runs. Elsewhere only the portable scans are built.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define MST_X86_SCANS 1
#define MST_TARGET_AVX2 __attribute__((target("avx2")))
#define MST_TARGET_AVX512 __attribute__((target("avx512f")))
#endif

// For the step loop: inlined into each instruction set's kernel, so that the kernel's state
// (a membership table in registers) stays in registers from step to step.
#if defined(__GNUC__) || defined(__clang__)
#define MST_ALWAYS_INLINE inline __attribute__((always_inline))
#else
#define MST_ALWAYS_INLINE inline
#endif

}  // namespace mst
