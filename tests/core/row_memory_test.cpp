// The memory of buffers with an entry per report row: small ones from the heap, large ones on
// their own large pages; every size keeps what is written to it and gives back only its own.

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>

#include "quickbooks/row_memory.h"

namespace ppexport {
namespace {

// Two buffers of bytes each, from memory of their own from ownFrom on: both hold what is written,
// and giving one back leaves the other whole, to its last byte.
void holdsItsBytes(std::size_t bytes, std::size_t ownFrom) {
  auto* first = static_cast<unsigned char*>(allocateRowMemory(bytes, ownFrom));
  auto* second = static_cast<unsigned char*>(allocateRowMemory(bytes, ownFrom));
  for (std::size_t at = 0; at < bytes; ++at) {
    first[at] = static_cast<unsigned char>(at);
    second[at] = static_cast<unsigned char>(at + 1);
  }
#ifdef PPEXPORT_ROW_MEMORY_OWN_PAGES
  if (bytes >= ownFrom) {
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(first) % (2 * 1024 * 1024), 0u) << bytes;
  }
#endif
  releaseRowMemory(first, bytes, ownFrom);
  EXPECT_EQ(second[0], 1u) << bytes;
  EXPECT_EQ(second[bytes - 1], static_cast<unsigned char>(bytes)) << bytes;
  releaseRowMemory(second, bytes, ownFrom);
}

TEST(RowMemory, everySizeHoldsItsBytesAndLargeOnesStartOnALargePage) {
  for (const std::size_t bytes : {std::size_t{1}, kRowMemoryOwnFrom - 1, kRowMemoryOwnFrom,
                                  std::size_t{2 * 1024 * 1024}, std::size_t{5 * 1024 * 1024 + 3}}) {
    holdsItsBytes(bytes, kRowMemoryOwnFrom);
  }
  // Buffers kept many at a time take pages of their own only from their larger threshold.
  for (const std::size_t bytes : {kRowMemoryOwnFrom, kKeptRowMemoryOwnFrom - 1,
                                  kKeptRowMemoryOwnFrom}) {
    holdsItsBytes(bytes, kKeptRowMemoryOwnFrom);
  }
}

TEST(RowMemory, aGrowingVectorKeepsItsEntries) {
  RowVector<std::uint32_t> rows;
  for (std::uint32_t row = 0; row < 300'000; ++row) rows.push_back(row);
  RowVector<std::uint32_t> moved = std::move(rows);
  std::uint64_t sum = std::accumulate(moved.begin(), moved.end(), std::uint64_t{0});
  EXPECT_EQ(sum, std::uint64_t{299'999} * 300'000 / 2);
}

}  // namespace
}  // namespace ppexport
