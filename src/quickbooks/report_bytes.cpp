#include "quickbooks/report_bytes.h"

#include <atomic>
#include <cstdint>
#include <optional>

#include "text/file_names.h"

#if defined(__unix__) || defined(__APPLE__)
#define PPEXPORT_MAPPED_REPORTS 1
#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <mutex>
#endif

namespace ppexport {

namespace {

#ifdef PPEXPORT_MAPPED_REPORTS

// Reading a mapped page that the file no longer has raises SIGBUS. While a report is mapped, its
// range stands in one of these slots; the handler puts zeroed memory in place of the pages from
// the one read on, notes the cut, and lets the reading go on. Slots are claimed and read without
// locks, as a signal handler must.
struct GuardSlot {
  std::atomic<std::uintptr_t> from{0};
  std::atomic<std::uintptr_t> to{0};
  std::atomic<bool> cut{false};
};
constexpr int kGuardSlots = 32;
GuardSlot guardSlots[kGuardSlots];
struct sigaction earlierBusAction {};
std::uintptr_t pageSize = 4096;

void onBusError(int signal, siginfo_t* info, void* context) {
  const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
  for (GuardSlot& slot : guardSlots) {
    const std::uintptr_t from = slot.from.load(std::memory_order_acquire);
    const std::uintptr_t to = slot.to.load(std::memory_order_acquire);
    if (from == 0 || address < from || address >= to) continue;
    const std::uintptr_t page = address & ~(pageSize - 1);
    void* zeros = ::mmap(reinterpret_cast<void*>(page), to - page, PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0);
    if (zeros != MAP_FAILED) {
      slot.cut.store(true, std::memory_order_release);
      return;
    }
  }
  // Not a report's page: whatever was to happen before happens. A fault repeats once this returns
  // and meets the earlier disposition; a signal sent by another program is sent again.
  if ((earlierBusAction.sa_flags & SA_SIGINFO) != 0 && earlierBusAction.sa_sigaction != nullptr) {
    earlierBusAction.sa_sigaction(signal, info, context);
    return;
  }
  ::sigaction(SIGBUS, &earlierBusAction, nullptr);
  if (info->si_code <= 0) ::raise(SIGBUS);
}

// The slot now watching [data, data + size), or -1 when none could be had.
int guardMapping(const char* data, std::size_t size) {
  static std::mutex claiming;
  static bool handlerInstalled = false;
  static bool handlerTried = false;
  const std::lock_guard<std::mutex> lock(claiming);
  if (!handlerTried) {
    handlerTried = true;
    pageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    struct sigaction action {};
    action.sa_sigaction = onBusError;
    action.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    handlerInstalled = ::sigaction(SIGBUS, &action, &earlierBusAction) == 0;
  }
  if (!handlerInstalled) return -1;
  for (int index = 0; index < kGuardSlots; ++index) {
    GuardSlot& slot = guardSlots[index];
    if (slot.from.load(std::memory_order_acquire) != 0) continue;
    // The end and the cut first: the handler takes a slot whose start it sees as complete.
    slot.cut.store(false, std::memory_order_relaxed);
    slot.to.store(reinterpret_cast<std::uintptr_t>(data) + size, std::memory_order_relaxed);
    slot.from.store(reinterpret_cast<std::uintptr_t>(data), std::memory_order_release);
    return index;
  }
  return -1;
}

long long modificationTime(const struct stat& status) {
#ifdef __APPLE__
  return status.st_mtimespec.tv_sec * 1'000'000'000LL + status.st_mtimespec.tv_nsec;
#else
  return status.st_mtim.tv_sec * 1'000'000'000LL + status.st_mtim.tv_nsec;
#endif
}

#endif

}  // namespace

std::shared_ptr<ReportBytes> ReportBytes::fromText(std::string text) {
  std::shared_ptr<ReportBytes> bytes(new ReportBytes);
  bytes->held_ = std::move(text);
  bytes->data_ = bytes->held_.data();
  bytes->size_ = bytes->held_.size();
  return bytes;
}

namespace {
// The whole file read into memory: on platforms without mapped files, and for files that cannot
// be mapped (a pipe, a file of no known size).
std::shared_ptr<ReportBytes> wholeFile(const std::string& name) {
  std::string problem;
  std::optional<std::string> text = readFileBytes(name, problem);
  if (!text) return nullptr;
  return ReportBytes::fromText(std::move(*text));
}
}  // namespace

std::shared_ptr<ReportBytes> ReportBytes::fromFile(const std::string& name) {
#ifdef PPEXPORT_MAPPED_REPORTS
  const int descriptor = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return nullptr;
  struct stat status {};
  const bool known = ::fstat(descriptor, &status) == 0;
  if (known && S_ISDIR(status.st_mode)) {
    ::close(descriptor);
    return nullptr;
  }
  if (known && S_ISREG(status.st_mode) && status.st_size > 0) {
    const auto size = static_cast<std::size_t>(status.st_size);
    // A private mapping: the joins written into it stay in this process.
    void* memory =
        ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE, descriptor, 0);
    if (memory != MAP_FAILED) {
      std::shared_ptr<ReportBytes> bytes(new ReportBytes);
      bytes->data_ = static_cast<char*>(memory);
      bytes->size_ = size;
      bytes->mappedSize_ = size;
      bytes->descriptor_ = descriptor;
      bytes->modified_ = modificationTime(status);
      bytes->guard_ = guardMapping(bytes->data_, size);
      if (bytes->guard_ >= 0) return bytes;
      // Without a watch on the mapping a cut file would end the program: read it whole instead.
      return wholeFile(name);
    }
  }
  ::close(descriptor);
#endif
  return wholeFile(name);
}

bool ReportBytes::unchanged() const {
#ifdef PPEXPORT_MAPPED_REPORTS
  if (descriptor_ < 0) return true;
  if (guard_ >= 0 && guardSlots[guard_].cut.load(std::memory_order_acquire)) return false;
  struct stat status {};
  return ::fstat(descriptor_, &status) == 0 && static_cast<std::size_t>(status.st_size) == size_ &&
         modificationTime(status) == modified_;
#else
  return true;
#endif
}

ReportBytes::~ReportBytes() {
#ifdef PPEXPORT_MAPPED_REPORTS
  // The watch ends before the range is given back: the system may hand it out again at once.
  if (guard_ >= 0) guardSlots[guard_].from.store(0, std::memory_order_release);
  if (mappedSize_ != 0) ::munmap(data_, mappedSize_);
  if (descriptor_ >= 0) ::close(descriptor_);
#endif
}

}  // namespace ppexport
