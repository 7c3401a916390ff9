#pragma once
// Item identifier lists in the shell's format: items that each start with a
// 16-bit little-endian byte count (the count included), ended by a count of
// 0. The operations allocate from an allocator the caller names, because
// every list the shell hands out or takes back lives in its own allocator.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace folvane {

struct IdListAllocator {
  void* (*Allocate)(std::size_t size);  // memory need not be zeroed
  void (*Free)(void* block);
};

// The C library's allocator, for lists that never reach the shell.
const IdListAllocator& HeapIdListAllocator();

// An owned list; empty (null) when nothing was allocated.
class IdList {
 public:
  IdList() = default;
  IdList(void* list, const IdListAllocator& allocator) : list_(list), allocator_(&allocator) {}
  ~IdList() { Reset(); }
  IdList(IdList&& other) noexcept
      : list_(std::exchange(other.list_, nullptr)), allocator_(other.allocator_) {}
  IdList& operator=(IdList&& other) noexcept {
    if (this != &other) {
      Reset();
      list_ = std::exchange(other.list_, nullptr);
      allocator_ = other.allocator_;
    }
    return *this;
  }
  IdList(const IdList&) = delete;
  IdList& operator=(const IdList&) = delete;

  void* Get() const { return list_; }
  explicit operator bool() const { return list_ != nullptr; }
  void* Release() { return std::exchange(list_, nullptr); }
  void Reset();

 private:
  void* list_ = nullptr;
  const IdListAllocator* allocator_ = nullptr;
};

// Bytes of the list including the terminator; 0 for a null list. A count
// too small to hold itself ends the list, so a damaged list never loops.
std::size_t IdListSize(const void* list);
int IdListCount(const void* list);

IdList AllocateIdList(std::size_t size, const IdListAllocator& allocator);
IdList CopyIdList(const void* list, const IdListAllocator& allocator);
// The first list without its terminator, then the second; either may be null.
IdList ConcatIdLists(const void* first, const void* second, const IdListAllocator& allocator);
// Ends the list before its last item; false when it has none.
bool StripLastItem(void* list);
// A list holding only the last item (empty list when there is none).
IdList LastItemOf(const void* list, const IdListAllocator& allocator);
// Copies of every proper prefix of an absolute list, shortest first; the
// desktop's empty list is not among them.
std::vector<IdList> AncestorsOf(const void* list, const IdListAllocator& allocator);

}  // namespace folvane
