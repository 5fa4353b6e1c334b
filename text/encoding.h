#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Text as it arrives in files: UTF-8 checks, byte-order marks, binary content, and the
// encodings that spreadsheets and old Windows programs write, turned into UTF-8. Everything
// the programs read goes through here before any reader splits it into lines.
namespace mst {

// The length of the well-formed UTF-8 character at text[k] (k < text.size()), or 0 where the
// bytes there are not one (overlong forms, surrogates and values past U+10FFFF are not).
[[nodiscard]] std::size_t Utf8Length(std::string_view text, std::size_t k);

// Appends the character value (at most U+10FFFF, no surrogate) to out in UTF-8.
void AppendUtf8(std::string& out, unsigned int value);

// The offset of the first byte of text that is not part of well-formed UTF-8, or npos.
[[nodiscard]] std::size_t FirstNonUtf8(std::string_view text);

// The byte-order mark text starts with.
enum class ByteOrderMark { kNone, kUtf8, kUtf16LittleEndian, kUtf16BigEndian };
[[nodiscard]] ByteOrderMark MarkOf(std::string_view text);

// The encodings a file may be read in (--encoding's choices), UTF-8 first.
enum class Encoding { kUtf8, kCp1252, kLatin1, kUtf16 };
// The encoding named (utf-8, cp1252, latin1, utf-16; case and '-' aside), false for none.
[[nodiscard]] bool EncodingNamed(std::string_view name, Encoding& encoding);
// The names EncodingNamed takes, as --help shows them.
[[nodiscard]] const char* EncodingNames();
// One name per encoding, in the enum's order: the choices a command line or a page offers.
[[nodiscard]] std::vector<std::string> EncodingChoices();

// Sets view to text in encoding as UTF-8, without its byte-order mark: a view into text itself
// where text is UTF-8 (checked, not copied), else into converted, which receives the
// conversion. UTF-16 takes its byte order from its mark (little-endian without one). On
// failure returns false with why naming the line and the byte, and for text that is not UTF-8
// the --encoding that may read it.
[[nodiscard]] bool ToUtf8(std::string_view text, Encoding encoding, std::string& converted, std::string_view& view,
                          std::string& why);

// The offset of the first NUL byte of text, or npos: no text format holds one.
[[nodiscard]] std::size_t FirstNul(std::string_view text);

}  // namespace mst
