#include "driver/network_file.h"

#include <cstdio>
#include <cstdlib>

#include "graph/network_loader.h"
#include "platform/console_hold.h"

namespace mst {

void NetworkFileName(int t, char (&name)[kFileNameSize]) {
  char pattern[kFileNameSize] = "matrix1.txt";
  for (int k = 0; k < kFileNameSize; ++k) {
    name[k] = pattern[k];
  }
  name[6] = static_cast<char>('1' + t);
}

void ReadFromFile(Edges** in, Edges** out, int& nOE, int& nON, int t) {
  char name[kFileNameSize];
  NetworkFileName(t, name);
  std::FILE* file = std::fopen(name, "r");
  if (file == nullptr) {
    std::printf("ERROR in OPENING FILE : %s\n", name);
    HoldConsole();
    std::exit(-1);
  }
  char reason[kReasonSize];
  const bool loaded = LoadNetwork(file, in, out, nOE, nON, reason);
  std::fclose(file);
  if (!loaded) {
    std::printf("ERROR in READING FILE : %s (%s)\n", name, reason);
    HoldConsole();
    std::exit(-1);
  }
}

}  // namespace mst
