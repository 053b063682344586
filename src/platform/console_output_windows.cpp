#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <streambuf>
#include <string>

#include "platform/console_output.h"
#include "platform/utf16_windows.h"

namespace peltarix {
namespace {

// The length of the longest prefix of `bytes` that does not end inside a
// UTF-8 sequence; the rest waits for the bytes that complete it.
std::size_t CompleteUtf8Prefix(const std::string& bytes) {
  const std::size_t size = bytes.size();
  for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
    const auto byte = static_cast<unsigned char>(bytes[size - back]);
    if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
    const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return length > back ? size - back : size;
  }
  return size;
}

// Writes UTF-8 text to a console as UTF-16, without buffering.
class ConsoleBuffer : public std::streambuf {
 public:
  explicit ConsoleBuffer(HANDLE console) : console_(console) {}

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char byte = traits_type::to_char_type(c);
    xsputn(&byte, 1);
    return c;
  }

  std::streamsize xsputn(const char* text, std::streamsize count) override {
    pending_.append(text, static_cast<std::size_t>(count));
    const std::size_t complete = CompleteUtf8Prefix(pending_);
    const std::wstring wide = Utf16FromUtf8(std::string_view(pending_).substr(0, complete));
    pending_.erase(0, complete);
    DWORD written = 0;
    if (!wide.empty() &&
        !WriteConsoleW(console_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr)) {
      return 0;
    }
    return count;
  }

 private:
  HANDLE console_;
  std::string pending_;
};

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode);
}

std::ostream& MakeStream(DWORD handle_id, std::ostream& fallback, std::FILE* file) {
  const HANDLE handle = GetStdHandle(handle_id);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE || _fileno(file) < 0) {
    // Started without this stream: a stream without a buffer takes every
    // text and prints nothing.
    return *new std::ostream(nullptr);
  }
  if (IsConsole(handle)) {
    static_cast<void>(fallback.flush());
    // Never destroyed: output may still come from the destructors of other
    // static objects.
    auto* buffer = new ConsoleBuffer(handle);
    return *new std::ostream(buffer);
  }
  // Redirected: the same bytes as on other systems, LF not turned into CR LF.
  _setmode(_fileno(file), _O_BINARY);
  return fallback;
}

}  // namespace

std::ostream& ConsoleStream(StandardStream which) {
  if (which == StandardStream::kOutput) {
    static std::ostream& output = MakeStream(STD_OUTPUT_HANDLE, std::cout, stdout);
    return output;
  }
  static std::ostream& error = MakeStream(STD_ERROR_HANDLE, std::cerr, stderr);
  return error;
}

bool IsTerminal(StandardStream which) {
  return IsConsole(
      GetStdHandle(which == StandardStream::kOutput ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE));
}

void PrepareStandardStreams() {
  // Without standard input there is nothing to set (and _setmode would
  // refuse the descriptor).
  if (_fileno(stdin) >= 0) _setmode(_fileno(stdin), _O_BINARY);
}

}  // namespace peltarix
