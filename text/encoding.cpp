#include "text/encoding.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace mst {

std::size_t Utf8Length(std::string_view text, std::size_t k) {
  const auto c = static_cast<unsigned char>(text[k]);
  std::size_t more = 0;
  unsigned int value = 0;
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF) {
    more = 1;
    value = c & 0x1Fu;
  } else if (c >= 0xE0 && c <= 0xEF) {
    more = 2;
    value = c & 0x0Fu;
  } else if (c >= 0xF0 && c <= 0xF4) {
    more = 3;
    value = c & 0x07u;
  } else {
    return 0;
  }
  if (k + more >= text.size()) return 0;
  for (std::size_t m = 1; m <= more; ++m) {
    const auto next = static_cast<unsigned char>(text[k + m]);
    if ((next & 0xC0u) != 0x80u) return 0;
    value = (value << 6) | (next & 0x3Fu);
  }
  const unsigned int least[] = {0, 0x80, 0x800, 0x10000};
  if (value < least[more] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  return more + 1;
}

std::size_t FirstNonUtf8(std::string_view text) {
  for (std::size_t k = 0; k < text.size();) {
    // Runs of ASCII, the bulk of every network file, are passed eight bytes at a time.
    if (k + 8 <= text.size()) {
      std::uint64_t word = 0;
      std::memcpy(&word, text.data() + k, 8);
      if ((word & 0x8080808080808080ULL) == 0) {
        k += 8;
        continue;
      }
    }
    if (static_cast<unsigned char>(text[k]) < 0x80) {
      ++k;
      continue;
    }
    const std::size_t length = Utf8Length(text, k);
    if (length == 0) return k;
    k += length;
  }
  return std::string_view::npos;
}

ByteOrderMark MarkOf(std::string_view text) {
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) return ByteOrderMark::kUtf8;
  if (text.compare(0, 2, "\xFF\xFE") == 0) return ByteOrderMark::kUtf16LittleEndian;
  if (text.compare(0, 2, "\xFE\xFF") == 0) return ByteOrderMark::kUtf16BigEndian;
  return ByteOrderMark::kNone;
}

namespace {

struct Named {
  const char* name;
  Encoding encoding;
};

const Named kEncodings[] = {{"utf-8", Encoding::kUtf8},    {"utf8", Encoding::kUtf8},
                            {"cp1252", Encoding::kCp1252}, {"windows-1252", Encoding::kCp1252},
                            {"latin1", Encoding::kLatin1}, {"iso-8859-1", Encoding::kLatin1},
                            {"utf-16", Encoding::kUtf16},  {"utf16", Encoding::kUtf16}};

// Windows-1252's characters at 0x80..0x9F (0: none, as the code page leaves five unassigned).
const unsigned short kCp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                        0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

void AppendUtf8(std::string& out, unsigned int value) {
  if (value < 0x80) {
    out += static_cast<char>(value);
  } else if (value < 0x800) {
    out += static_cast<char>(0xC0 | (value >> 6));
    out += static_cast<char>(0x80 | (value & 0x3F));
  } else if (value < 0x10000) {
    out += static_cast<char>(0xE0 | (value >> 12));
    out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (value & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (value >> 18));
    out += static_cast<char>(0x80 | ((value >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (value & 0x3F));
  }
}

namespace {

// "line L, byte 0xE9" for the byte at offset k of text.
std::string Where(std::string_view text, std::size_t k) {
  long long line = 1;
  for (std::size_t at = 0; at < k; ++at) {
    if (text[at] == '\n' || (text[at] == '\r' && (at + 1 >= text.size() || text[at + 1] != '\n'))) ++line;
  }
  char byte[8];
  std::snprintf(byte, sizeof byte, "0x%02X", static_cast<unsigned char>(text[k]));
  return "line " + std::to_string(line) + ": the byte " + byte;
}

}  // namespace

bool EncodingNamed(std::string_view name, Encoding& encoding) {
  std::string lower;
  for (const char c : name) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  for (const Named& named : kEncodings) {
    if (lower == named.name) {
      encoding = named.encoding;
      return true;
    }
  }
  return false;
}

std::vector<std::string> EncodingChoices() {
  std::vector<std::string> choices;
  for (const Named& named : kEncodings) {
    if (choices.size() == static_cast<std::size_t>(named.encoding)) choices.emplace_back(named.name);
  }
  return choices;
}

const char* EncodingNames() { return "utf-8, cp1252 (Windows-1252), latin1 (ISO-8859-1) or utf-16"; }

bool ToUtf8(std::string_view text, Encoding encoding, std::string& converted, std::string_view& view,
            std::string& why) {
  std::string& utf8 = converted;
  utf8.clear();
  view = {};
  const ByteOrderMark mark = MarkOf(text);
  const bool sixteen = mark == ByteOrderMark::kUtf16LittleEndian || mark == ByteOrderMark::kUtf16BigEndian;
  if (encoding == Encoding::kUtf16) {
    if (mark == ByteOrderMark::kUtf8) {
      why = "the file starts with UTF-8's byte-order mark, not UTF-16's: leave out --encoding";
      return false;
    }
    const bool big = mark == ByteOrderMark::kUtf16BigEndian;
    if (sixteen) text.remove_prefix(2);
    if (text.size() % 2 != 0) {
      why = "the file has an odd number of bytes, which UTF-16 text never has";
      return false;
    }
    utf8.reserve(text.size() / 2);
    for (std::size_t k = 0; k < text.size(); k += 2) {
      const auto unit = [&](std::size_t at) {
        const auto hi = static_cast<unsigned char>(text[big ? at : at + 1]);
        const auto lo = static_cast<unsigned char>(text[big ? at + 1 : at]);
        return static_cast<unsigned int>(hi << 8 | lo);
      };
      unsigned int value = unit(k);
      if (value >= 0xD800 && value <= 0xDBFF && k + 3 < text.size() && unit(k + 2) >= 0xDC00 && unit(k + 2) <= 0xDFFF) {
        value = 0x10000 + ((value - 0xD800) << 10) + (unit(k + 2) - 0xDC00);
        k += 2;
      } else if (value >= 0xD800 && value <= 0xDFFF) {
        why = "byte " + std::to_string(k) +
              " holds half of a UTF-16 pair without its other half: the file is not "
              "UTF-16 text";
        return false;
      }
      AppendUtf8(utf8, value);
    }
    view = utf8;
    return true;
  }
  if (sixteen) {
    why = "the file is UTF-16 text: --encoding utf-16 reads it (or save it as UTF-8)";
    return false;
  }
  if (mark == ByteOrderMark::kUtf8) {
    if (encoding != Encoding::kUtf8) {
      why = "the file starts with UTF-8's byte-order mark: it is UTF-8 text, read without --encoding";
      return false;
    }
    text.remove_prefix(3);
  }
  if (encoding == Encoding::kUtf8) {
    const std::size_t bad = FirstNonUtf8(text);
    if (bad != std::string_view::npos) {
      why = Where(text, bad) +
            " is not UTF-8 text: a file saved by Excel or another Windows program is most often Windows-1252, "
            "which --encoding cp1252 reads (--encoding latin1 reads ISO-8859-1)";
      return false;
    }
    view = text;
    return true;
  }
  utf8.reserve(text.size() + text.size() / 8);
  for (std::size_t k = 0; k < text.size(); ++k) {
    const auto c = static_cast<unsigned char>(text[k]);
    if (c < 0x80) {
      utf8 += static_cast<char>(c);
    } else if (encoding == Encoding::kCp1252 && c < 0xA0) {
      if (kCp1252High[c - 0x80] == 0) {
        why = Where(text, k) + " stands for no character in Windows-1252 (--encoding latin1 reads every byte)";
        return false;
      }
      AppendUtf8(utf8, kCp1252High[c - 0x80]);
    } else {
      AppendUtf8(utf8, c);
    }
  }
  view = utf8;
  return true;
}

std::size_t FirstNul(std::string_view text) { return text.find('\0'); }

}  // namespace mst
