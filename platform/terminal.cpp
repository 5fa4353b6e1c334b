#include "platform/terminal.h"

#ifdef _WIN32
#include <io.h>

bool IsTerminal(std::FILE* file) { return _isatty(_fileno(file)) != 0; }
#else
#include <unistd.h>

bool IsTerminal(std::FILE* file) { return isatty(fileno(file)) != 0; }
#endif
