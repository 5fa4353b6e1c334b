#include "platform/terminal.h"

#ifdef _WIN32
#include <io.h>
#define MST_ISATTY(file) (_isatty(_fileno(file)) != 0)
#else
#include <unistd.h>
#define MST_ISATTY(file) (isatty(fileno(file)) != 0)
#endif

namespace mst {

bool IsTerminal(std::FILE* file) { return MST_ISATTY(file); }

}  // namespace mst
