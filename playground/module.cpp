// The playground's WebAssembly entry points: C functions over playground/playground.h that the
// page calls through the module's ccall. Each returns text the module keeps until the next call
// of the same function (the page copies it into a JavaScript string at once).
#include <emscripten/emscripten.h>

#include <string>

#include "playground/playground.h"

namespace {

std::string resultText, raceText, formatsText;
mst::PlaygroundResult last;

}  // namespace

extern "C" {

// Reads a network of length bytes; with page nonzero also makes its step page. Returns 1 when
// read, else 0; playground_message, playground_trace and playground_page then give the results.
EMSCRIPTEN_KEEPALIVE int playground_run(const char* fileName, const char* bytes, int length, const char* options,
                                        int page) {
  last = mst::RunPlayground(fileName, std::string(bytes, static_cast<std::size_t>(length)), options, page != 0);
  return last.read ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE const char* playground_message() { return last.message.c_str(); }
EMSCRIPTEN_KEEPALIVE const char* playground_trace() { return last.traceJson.c_str(); }
EMSCRIPTEN_KEEPALIVE const char* playground_page() { return last.page.c_str(); }

EMSCRIPTEN_KEEPALIVE const char* playground_race(const char* fileName, const char* bytes, int length,
                                                 const char* options, int repetitions) {
  raceText = mst::RacePlayground(fileName, std::string(bytes, static_cast<std::size_t>(length)), options, repetitions);
  return raceText.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* playground_formats() {
  formatsText = mst::PlaygroundFormats();
  return formatsText.c_str();
}

}  // extern "C"
