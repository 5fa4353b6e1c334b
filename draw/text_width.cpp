#include "draw/text_width.h"

namespace mst {

namespace {

// Helvetica's advance widths, in thousandths of the font size, for ' ' (32) to '~' (126).
const short kHelvetica[95] = {278, 278, 355, 556, 556, 889, 667,  191, 333, 333, 389, 584, 278,
                              333, 278, 278,                                                     // space to /
                              556, 556, 556, 556, 556, 556, 556,  556, 556, 556,                 // 0 to 9
                              278, 278, 584, 584, 584, 556, 1015,                                // : to @
                              667, 667, 722, 722, 667, 611, 778,  722, 278, 500, 667, 556, 833,  // A to M
                              722, 778, 667, 778, 722, 667, 611,  722, 667, 944, 667, 667, 611,  // N to Z
                              278, 278, 278, 469, 556, 333,                                      // [ to `
                              556, 556, 500, 556, 556, 278, 556,  556, 222, 222, 500, 222, 833,  // a to m
                              556, 556, 556, 556, 333, 500, 278,  556, 500, 722, 500, 500, 500,  // n to z
                              334, 260, 334, 584};                                               // { to ~

}  // namespace

double TextWidth(const std::string& text, double fontSize) {
  double thousandths = 0;
  for (std::size_t k = 0; k < text.size();) {
    const auto c = static_cast<unsigned char>(text[k]);
    if (c < 0x80) {
      thousandths += c >= 32 && c < 127 ? kHelvetica[c - 32] : 600;
      ++k;
    } else if (c >= 0xE0) {  // three and four bytes: ideographs, symbols
      thousandths += 1050;
      k += c >= 0xF0 ? 4 : 3;
    } else {  // two bytes: Latin letters with accents, Greek, Cyrillic
      thousandths += 720;
      k += 2;
    }
  }
  return thousandths / 1000.0 * fontSize * 1.15 + 2;
}

}  // namespace mst
