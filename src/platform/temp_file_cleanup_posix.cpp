#if !defined(_WIN32)

#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstring>
#include <memory>
#include <mutex>

#include "platform/temp_file_cleanup.h"

namespace peltarix {
namespace {

// The registry is a list of chunks of slots, each slot an atomic pointer to
// a path; chunks are added when all slots are taken and never freed, so the
// handler can walk them without locks or allocation.
struct Chunk {
  std::array<std::atomic<char*>, 32> slots{};
  std::atomic<Chunk*> next{nullptr};
};
static_assert(std::atomic<char*>::is_always_lock_free);

Chunk first_chunk;
// Set by the handler before it reads the slots: a path unregistered after
// that is not freed, since the handler may still be about to unlink it.
std::atomic<bool> handler_running{false};

std::atomic<char*>* TakeSlot(char* path) {
  for (Chunk* chunk = &first_chunk;;) {
    for (std::atomic<char*>& slot : chunk->slots) {
      char* expected = nullptr;
      if (slot.compare_exchange_strong(expected, path)) return &slot;
    }
    Chunk* next = chunk->next.load();
    if (next == nullptr) {
      Chunk* fresh = new Chunk;
      if (chunk->next.compare_exchange_strong(next, fresh)) {
        next = fresh;
      } else {
        delete fresh;  // another thread added one first; `next` holds it
      }
    }
    chunk = next;
  }
}

extern "C" void RemoveTempFilesAndReraise(int signal_number) {
  handler_running.store(true);
  for (Chunk* chunk = &first_chunk; chunk != nullptr; chunk = chunk->next.load()) {
    for (std::atomic<char*>& slot : chunk->slots) {
      if (const char* path = slot.load()) unlink(path);
    }
  }
  // SA_RESETHAND restored the default action; it takes effect when the
  // handler returns and the signal is unblocked.
  raise(signal_number);
}

}  // namespace

struct TempFileRegistration::Registered {
  // Owned; read by the signal handler while it stands in `slot`.
  char* path;
  std::atomic<char*>* slot;
};

TempFileRegistration::TempFileRegistration(std::string native_path)
    : registered_(std::make_unique<Registered>()) {
  registered_->path = new char[native_path.size() + 1];
  std::memcpy(registered_->path, native_path.c_str(), native_path.size() + 1);
  registered_->slot = TakeSlot(registered_->path);
}

TempFileRegistration::~TempFileRegistration() {
  registered_->slot->store(nullptr);
  if (!handler_running.load()) delete[] registered_->path;
}

void InstallTempFileCleanup() {
  static std::once_flag installed;
  std::call_once(installed, [] {
    for (const int signal_number : {SIGINT, SIGTERM, SIGHUP}) {
      struct sigaction current {};
      if (sigaction(signal_number, nullptr, &current) != 0) continue;
      if (current.sa_handler == SIG_IGN) continue;
      struct sigaction action {};
      action.sa_handler = RemoveTempFilesAndReraise;
      action.sa_flags = SA_RESETHAND;
      sigemptyset(&action.sa_mask);
      for (const int other : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&action.sa_mask, other);
      sigaction(signal_number, &action, nullptr);
    }
    signal(SIGXFSZ, SIG_IGN);
  });
}

}  // namespace peltarix

#endif
