#pragma once

#include <cstdlib>
#include <cstring>
#include <type_traits>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "graph/edges.h"
#include "mst/detail/x86_target.h"
#include "mst/merge_sort.h"
#include "mst/observer.h"
#include "mst/out_of_memory.h"

namespace mst {

// The merge sort's steps, written once over an Observer (mst/observer.h): mst/merge_sort.cpp
// makes the timed mergeSort and merge with Unobserved, mst/observed.cpp the watched ones.

namespace merge_steps {

// Makes the scratch array's contents count as read here, so that the compiler keeps every copy
// through it (and the allocation itself) instead of passing the records around it.
#if defined(__GNUC__) || defined(__clang__)
inline void ThroughMemory(const Edges* scratch) { __asm__ volatile("" : : "r"(scratch) : "memory"); }
#else
inline void ThroughMemory(const Edges*) {}
#endif

// Copies count records from src to dst, which do not overlap. Sixteen bytes per move where SSE2
// is there (every x86-64 processor) rather than a call to memcpy, which the compiler would
// otherwise make of a copy loop: most merges move a few records, where the call costs more
// than the copy (measured: a third of Kruskal's time on 16 nodes/48 edges went to memmove).
inline void CopyRecords(Edges* dst, const Edges* src, int count) {
#ifdef __SSE2__
  auto* to = reinterpret_cast<unsigned char*>(dst);
  const auto* from = reinterpret_cast<const unsigned char*>(src);
  std::size_t bytes = static_cast<std::size_t>(count) * sizeof(Edges);
  for (; bytes >= 16; bytes -= 16, to += 16, from += 16) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to), _mm_loadu_si128(reinterpret_cast<const __m128i*>(from)));
    // An empty statement the compiler cannot see through, so that it does not turn this loop
    // back into a call to memcpy.
    __asm__("" : "+r"(to), "+r"(from));
  }
  // What is left is 0, 4, 8 or 12 bytes: records are 12 bytes long.
  if (bytes >= 8) {
    std::memcpy(to, from, 8);
    to += 8;
    from += 8;
    bytes -= 8;
  }
  if (bytes >= 4) {
    std::memcpy(to, from, 4);
  }
#else
  std::memcpy(dst, src, static_cast<std::size_t>(count) * sizeof(Edges));
#endif
}

// merge's work: joins the sorted runs start..middle and middle+1..end through a scratch array
// of end - start + 1 records, allocated and freed here.
template <class Observer>
inline void MergeRuns(int start, int middle, int end, Edges* in, Observer& observer) {
  const int size = end - start + 1;
  // newEdge: the merge's scratch array, the routine's own name for it.
  Edges* newEdge = static_cast<Edges*>(std::malloc(static_cast<std::size_t>(size) * sizeof(Edges)));
  if (newEdge == nullptr) {
    OutOfMemory("KRUSKAL");
  }
  observer.SortScratch(size);
  if (size == 2) {
    // Half of all merges join two single records: the same steps, without the loop. Either
    // the left record goes first (and the right one stays where it is), or the right one does
    // and the left one follows it.
    const Edges left = in[start];
    const Edges right = in[end];
    observer.SortCompare();
    if (left.measure < right.measure) {
      newEdge[0] = left;
      ThroughMemory(newEdge);
      in[start] = newEdge[0];
      observer.SortMove(2);
    } else {
      newEdge[0] = right;
      newEdge[1] = left;
      ThroughMemory(newEdge);
      in[start] = newEdge[0];
      in[end] = newEdge[1];
      observer.SortMove(4);
    }
    std::free(newEdge);
    return;
  }
  int i = start;
  int j = middle + 1;
  int k = 0;
  while (i <= middle && j <= end) {
    // Strictly less: on equal measures the right run's record is taken first.
    const bool takeLeft = in[i].measure < in[j].measure;
    observer.SortCompare();
    newEdge[k++] = takeLeft ? in[i] : in[j];
    i += takeLeft ? 1 : 0;
    j += takeLeft ? 0 : 1;
  }
  CopyRecords(newEdge + k, in + i, middle + 1 - i);
  k += middle + 1 - i;
  // What is left of the right run already stands where the merged run ends.
  CopyRecords(in + start, newEdge, k);
  observer.SortMove(2 * k);
  std::free(newEdge);
}

template <class Observer>
void SortRange(int start, int end, Edges* in, Observer& observer);

// Sorts a part of the range: the timed sort recurses through the public mergeSort itself, as
// its plain reading does; a watched one stays with its observer.
template <class Observer>
MST_ALWAYS_INLINE void SortPart(int start, int end, Edges* in, Observer& observer) {
  if constexpr (std::is_same_v<Observer, Unobserved>) {
    mergeSort(start, end, in);
  } else {
    SortRange(start, end, in, observer);
  }
}

// mergeSort's steps.
template <class Observer>
MST_ALWAYS_INLINE void MergeSortSteps(int start, int end, Edges* in, Observer& observer) {
  if (start >= end) {
    return;  // one record is sorted; an empty range has nothing to sort
  }
  const int middle = start + (end - start) / 2;
  // A run of one record is sorted: the call on it would return at once, so it is not made.
  if (middle > start) {
    SortPart(start, middle, in, observer);
  }
  if (end > middle + 1) {
    SortPart(middle + 1, end, in, observer);
  }
  MergeRuns(start, middle, end, in, observer);
}

template <class Observer>
void SortRange(int start, int end, Edges* in, Observer& observer) {
  MergeSortSteps(start, end, in, observer);
}

}  // namespace merge_steps

}  // namespace mst
