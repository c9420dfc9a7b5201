#pragma once
// Memory for the large buffers of a conversion: those that hold an entry per row of a report
// (where each row of the check table starts, the record of the rows a bank file carries, the
// repeated-check-number table, the checks of a history entry) and the bank file's output block.

#include <cstddef>
#include <vector>

// Large buffers get pages of their own on Linux. AddressSanitizer watches heap memory only: a
// sanitized build keeps every buffer on the heap, so that an overrun of a large one is caught too.
#if defined(__linux__)
#define PPEXPORT_ROW_MEMORY_OWN_PAGES 1
#if defined(__SANITIZE_ADDRESS__)
#undef PPEXPORT_ROW_MEMORY_OWN_PAGES
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#undef PPEXPORT_ROW_MEMORY_OWN_PAGES
#endif
#endif
#endif

namespace ppexport {

// A buffer of at least kRowMemoryOwnFrom bytes gets memory of its own where the system offers large
// pages (Linux): whole 2 MB pages, starting on one, marked for large pages. The first write to
// such a buffer then costs one page fault per 2 MB instead of one per 4 KB; on a virtual machine
// a 4 KB fault costs about 10 microseconds, so a record of 10,000 rows costs 0.1 ms, not 2 ms.
// Heap memory never starts on a large page, so up to its first 2 MB would stay in 4 KB pages.
// Smaller buffers, and every buffer elsewhere, come from the heap. Throws std::bad_alloc as new
// does.
//
// The rounding up to whole large pages costs up to 2 MB a buffer: nothing for the few buffers of
// one conversion, but buffers that are kept many at a time (the checks of every history entry)
// take pages of their own only from kKeptRowMemoryOwnFrom, where it adds at most a quarter.
inline constexpr std::size_t kRowMemoryOwnFrom = 128 * 1024;
inline constexpr std::size_t kKeptRowMemoryOwnFrom = 8 * 1024 * 1024;
void* allocateRowMemory(std::size_t bytes, std::size_t ownFrom = kRowMemoryOwnFrom);
// Gives back what allocateRowMemory gave for the same bytes and ownFrom.
void releaseRowMemory(void* memory, std::size_t bytes,
                      std::size_t ownFrom = kRowMemoryOwnFrom) noexcept;

template <class T, std::size_t OwnFrom = kRowMemoryOwnFrom>
struct RowAllocator {
  using value_type = T;
  template <class U>
  struct rebind {
    using other = RowAllocator<U, OwnFrom>;
  };

  RowAllocator() = default;
  template <class U>
  RowAllocator(const RowAllocator<U, OwnFrom>&) noexcept {}

  T* allocate(std::size_t count) {
    return static_cast<T*>(allocateRowMemory(count * sizeof(T), OwnFrom));
  }
  void deallocate(T* memory, std::size_t count) noexcept {
    releaseRowMemory(memory, count * sizeof(T), OwnFrom);
  }

  template <class U>
  bool operator==(const RowAllocator<U, OwnFrom>&) const noexcept {
    return true;
  }
};

// A vector with an entry per report row; reserve it once for the rows it will hold.
template <class T, std::size_t OwnFrom = kRowMemoryOwnFrom>
using RowVector = std::vector<T, RowAllocator<T, OwnFrom>>;

}  // namespace ppexport
