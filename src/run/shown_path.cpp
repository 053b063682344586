#include "run/shown_path.h"

#include "platform/cp932_decode.h"

namespace peltarix {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void AppendHex(std::string& text, unsigned char byte) {
  text += kHexDigits[byte >> 4];
  text += kHexDigits[byte & 0xFu];
}

// The length of the UTF-8 sequence at the start of `text`, 0 when it is
// not well-formed.
std::size_t SequenceLength(std::string_view text) {
  const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // beyond U+10FFFF
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t at = 1; at < length; ++at) {
    const unsigned char lowest = at == 1 ? low : 0x80;
    const unsigned char highest = at == 1 ? high : 0xBF;
    if (byte(at) < lowest || byte(at) > highest) return 0;
  }
  return length;
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  while (!text.empty()) {
    const std::size_t length = SequenceLength(text);
    if (length == 0) return false;
    text.remove_prefix(length);
  }
  return true;
}

std::string DecodedPath(std::string_view path) {
  return IsValidUtf8(path) ? std::string(path) : Utf8FromCp932(path);
}

std::string ShownPath(std::string_view path) {
  const std::string decoded = DecodedPath(path);
  std::string shown;
  shown.reserve(decoded.size());
  for (std::size_t at = 0; at < decoded.size(); ++at) {
    const auto byte = static_cast<unsigned char>(decoded[at]);
    const bool c1 = byte == 0xC2 && at + 1 < decoded.size() &&
                    static_cast<unsigned char>(decoded[at + 1]) <= 0x9F;
    if (byte < 0x20 || byte == 0x7F) {
      shown += "\\x";
      AppendHex(shown, byte);
    } else if (c1) {
      shown += "\\u00";
      AppendHex(shown, static_cast<unsigned char>(decoded[++at]));
    } else {
      shown += decoded[at];
    }
  }
  return shown;
}

std::string HexBytes(std::string_view path) {
  std::string hex;
  hex.reserve(path.size() * 2);
  for (const char byte : path) AppendHex(hex, static_cast<unsigned char>(byte));
  return hex;
}

}  // namespace peltarix
