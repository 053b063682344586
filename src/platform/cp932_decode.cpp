#include "platform/cp932_decode.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#include <cerrno>
#endif

namespace peltarix {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

}  // namespace

#ifdef _WIN32

namespace {

// Converts the longest valid prefix character by character, so that one bad
// byte costs one replacement and not the whole name.
std::string DecodeCp932(std::string_view cp932) {
  std::string utf8;
  std::size_t at = 0;
  while (at < cp932.size()) {
    const unsigned char lead = static_cast<unsigned char>(cp932[at]);
    const bool two_bytes =
        ((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC)) && at + 1 < cp932.size();
    const int length = two_bytes ? 2 : 1;
    wchar_t wide[2] = {};
    const int wide_size =
        MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, cp932.data() + at, length, wide, 2);
    if (wide_size <= 0) {
      utf8 += kReplacement;
      at += 1;
      continue;
    }
    char bytes[8] = {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, wide_size, bytes, 8, nullptr, nullptr);
    utf8.append(bytes, static_cast<std::size_t>(size > 0 ? size : 0));
    at += static_cast<std::size_t>(length);
  }
  return utf8;
}

}  // namespace

#else

namespace {

// What iconv_open returns when it fails.
iconv_t NoConverter() { return reinterpret_cast<iconv_t>(-1); }

// One converter per thread, kept from call to call: opening one costs far
// more than decoding a name, and runs decode side by side on threads.
class ThreadConverter {
 public:
  ThreadConverter() = default;
  ThreadConverter(const ThreadConverter&) = delete;
  ThreadConverter& operator=(const ThreadConverter&) = delete;
  ~ThreadConverter() {
    if (converter_ != NoConverter()) iconv_close(converter_);
  }

  // The converter in its initial state, or NoConverter() when none opens; a
  // failed open is tried again on the next call.
  iconv_t Reset() {
    if (converter_ == NoConverter()) converter_ = iconv_open("UTF-8", "CP932");
    if (converter_ != NoConverter()) iconv(converter_, nullptr, nullptr, nullptr, nullptr);
    return converter_;
  }

 private:
  iconv_t converter_ = NoConverter();
};

std::string DecodeCp932(std::string_view cp932) {
  thread_local ThreadConverter thread_converter;
  const iconv_t converter = thread_converter.Reset();
  if (converter == NoConverter()) {
    // Without a converter ASCII still reads; every other byte is replaced.
    std::string utf8;
    for (const char byte : cp932) {
      if (static_cast<unsigned char>(byte) < 0x80) {
        utf8 += byte;
      } else {
        utf8 += kReplacement;
      }
    }
    return utf8;
  }
  std::string input(cp932);
  std::string utf8;
  char* in = input.data();
  std::size_t in_left = input.size();
  // A CP932 character of one or two bytes becomes at most three UTF-8 bytes.
  std::string chunk(input.size() * 3 + 4, '\0');
  while (in_left > 0) {
    char* out = chunk.data();
    std::size_t out_left = chunk.size();
    const std::size_t result = iconv(converter, &in, &in_left, &out, &out_left);
    utf8.append(chunk.data(), chunk.size() - out_left);
    if (result == static_cast<std::size_t>(-1) && in_left > 0) {
      if (errno == E2BIG) continue;
      utf8 += kReplacement;
      ++in;
      --in_left;
    }
  }
  return utf8;
}

}  // namespace

#endif

// ASCII bytes read the same in CP932 and UTF-8, so a name of ASCII alone
// needs no converter: many names in the files are codes such as "1" or "5".
std::string Utf8FromCp932(std::string_view cp932) {
  const bool ascii = std::all_of(cp932.begin(), cp932.end(),
                                 [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
  return ascii ? std::string(cp932) : DecodeCp932(cp932);
}

}  // namespace peltarix
