// Prefaulting the heap: allocations that grow into the prefaulted top do not
// fault page by page; where the allocator would unmap the block, nothing is
// claimed. ctest runs every case in a fresh process, so each starts from the
// allocator's defaults.
#include <gtest/gtest.h>
#include <malloc.h>
#include <sys/resource.h>

#include <cstdlib>
#include <cstring>

#include "runtime/Platform.h"

namespace {

constexpr std::size_t kMiB = std::size_t(1) << 20;

long MinorFaults() {
  rusage usage{};
  getrusage(RUSAGE_THREAD, &usage);
  return usage.ru_minflt;
}

// Minor faults taken while writing every page of a fresh 2 MiB block.
long FaultsTouchingTwoMiB() {
  const long before = MinorFaults();
  auto* block = static_cast<char*>(std::malloc(2 * kMiB));
  std::memset(block, 0x5A, 2 * kMiB);
  // Keeps the compiler from dropping the block and its writes.
  asm volatile("" : : "r"(block) : "memory");
  const long faults = MinorFaults() - before;
  std::free(block);
  return faults;
}

void KeepBlocksInTheHeap() {
  mallopt(M_MMAP_THRESHOLD, 16 * kMiB);
  mallopt(M_TRIM_THRESHOLD, 64 * kMiB);
}

TEST(HeapPrefaultTest, AllocationsIntoThePrefaultedTopDoNotFault) {
  KeepBlocksInTheHeap();
  if (!qv::platform::PrefaultHeap(4 * kMiB)) GTEST_SKIP() << "the kernel cannot populate memory";
  EXPECT_LT(FaultsTouchingTwoMiB(), 32);
}

// The control for the case above: the same block without the prefault
// faults once a page (512 pages), so the count above is telling.
TEST(HeapPrefaultTest, WithoutItEveryFreshPageFaults) {
  KeepBlocksInTheHeap();
  EXPECT_GT(FaultsTouchingTwoMiB(), 256);
}

TEST(HeapPrefaultTest, ABlockTheAllocatorMapsOnItsOwnIsNotClaimed) {
  // The allocator's defaults map blocks this large separately and unmap them
  // when freed, so there is nothing to keep populated.
  EXPECT_FALSE(qv::platform::PrefaultHeap(4 * kMiB));
}

}  // namespace
