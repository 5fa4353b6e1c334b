#pragma once

#include <chrono>

// The one timer of the studies, the race and mst-versus-plain: the seconds `calls` calls of
// call() take on the steady clock, read once before and once after, so that the clock's own
// cost is spread over the batch. call is inlined where it is a lambda or a function pointer
// known here; a std::function adds its indirect call to every call.
namespace mst {

template <typename Call>
double SecondsFor(Call&& call, long long calls) {
  const auto start = std::chrono::steady_clock::now();
  for (long long k = 0; k < calls; ++k) call();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace mst
