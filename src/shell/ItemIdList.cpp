#include "shell/ItemIdList.h"

#include <cstdlib>
#include <cstring>

namespace folvane {

namespace {

std::size_t ItemCount(const unsigned char* item) {
  return static_cast<std::size_t>(item[0]) | (static_cast<std::size_t>(item[1]) << 8);
}

// Bytes of the items, without the terminator.
std::size_t ItemBytes(const void* list, int maxItems = -1) {
  if (!list) return 0;
  auto* p = static_cast<const unsigned char*>(list);
  std::size_t total = 0;
  for (int n = 0; maxItems < 0 || n < maxItems; ++n) {
    const std::size_t count = ItemCount(p + total);
    if (count < 2) break;
    total += count;
  }
  return total;
}

IdList PrefixCopy(const void* list, std::size_t bytes, const IdListAllocator& allocator) {
  IdList copy = AllocateIdList(bytes + 2, allocator);
  if (copy && bytes) std::memcpy(copy.Get(), list, bytes);
  return copy;
}

}  // namespace

const IdListAllocator& HeapIdListAllocator() {
  static const IdListAllocator heap{[](std::size_t n) { return std::malloc(n); },
                                    [](void* p) { std::free(p); }};
  return heap;
}

void IdList::Reset() {
  if (list_ && allocator_) allocator_->Free(list_);
  list_ = nullptr;
}

std::size_t IdListSize(const void* list) { return list ? ItemBytes(list) + 2 : 0; }

int IdListCount(const void* list) {
  if (!list) return 0;
  auto* p = static_cast<const unsigned char*>(list);
  int n = 0;
  for (std::size_t at = 0, count; (count = ItemCount(p + at)) >= 2; at += count) ++n;
  return n;
}

IdList AllocateIdList(std::size_t size, const IdListAllocator& allocator) {
  void* block = allocator.Allocate(size);
  if (!block) return {};
  std::memset(block, 0, size);
  return IdList(block, allocator);
}

IdList CopyIdList(const void* list, const IdListAllocator& allocator) {
  if (!list) return {};
  return PrefixCopy(list, ItemBytes(list), allocator);
}

IdList ConcatIdLists(const void* first, const void* second, const IdListAllocator& allocator) {
  const std::size_t a = ItemBytes(first), b = ItemBytes(second);
  IdList joined = AllocateIdList(a + b + 2, allocator);
  if (!joined) return joined;
  auto* out = static_cast<unsigned char*>(joined.Get());
  if (a) std::memcpy(out, first, a);
  if (b) std::memcpy(out + a, second, b);
  return joined;
}

bool StripLastItem(void* list) {
  const int n = IdListCount(list);
  if (n == 0) return false;
  auto* p = static_cast<unsigned char*>(list);
  const std::size_t at = ItemBytes(list, n - 1);
  p[at] = 0;
  p[at + 1] = 0;
  return true;
}

IdList LastItemOf(const void* list, const IdListAllocator& allocator) {
  const int n = IdListCount(list);
  if (n == 0) return AllocateIdList(2, allocator);
  auto* p = static_cast<const unsigned char*>(list);
  const std::size_t at = ItemBytes(list, n - 1);
  return PrefixCopy(p + at, ItemCount(p + at), allocator);
}

std::vector<IdList> AncestorsOf(const void* list, const IdListAllocator& allocator) {
  std::vector<IdList> ancestors;
  const int n = IdListCount(list);
  for (int k = 1; k < n; ++k) ancestors.push_back(PrefixCopy(list, ItemBytes(list, k), allocator));
  return ancestors;
}

}  // namespace folvane
