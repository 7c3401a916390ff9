#include "shell/ItemIdList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace folvane {
namespace {

// A list from item payloads: each item is its 16-bit count, then the bytes.
std::vector<unsigned char> MakeList(const std::vector<std::string>& items) {
  std::vector<unsigned char> list;
  for (const std::string& item : items) {
    const size_t count = item.size() + 2;
    list.push_back(static_cast<unsigned char>(count & 0xFF));
    list.push_back(static_cast<unsigned char>(count >> 8));
    list.insert(list.end(), item.begin(), item.end());
  }
  list.push_back(0);
  list.push_back(0);
  return list;
}

std::vector<unsigned char> Bytes(const IdList& list) {
  auto* p = static_cast<const unsigned char*>(list.Get());
  return std::vector<unsigned char>(p, p + IdListSize(list.Get()));
}

const IdListAllocator& heap = HeapIdListAllocator();

TEST(ItemIdList, SizeAndCountFollowTheItemCounts) {
  const auto three = MakeList({"C:\\", "Data", "Photos and more"});
  EXPECT_EQ(IdListCount(three.data()), 3);
  EXPECT_EQ(IdListSize(three.data()), three.size());
  const auto empty = MakeList({});
  EXPECT_EQ(IdListCount(empty.data()), 0);
  EXPECT_EQ(IdListSize(empty.data()), 2u);
  EXPECT_EQ(IdListSize(nullptr), 0u);
  EXPECT_EQ(IdListCount(nullptr), 0);
  // A count too small to hold itself ends the list instead of looping on it.
  std::vector<unsigned char> damaged = MakeList({"ab"});
  damaged.insert(damaged.end() - 2, {1, 0});
  EXPECT_EQ(IdListCount(damaged.data()), 1);
}

TEST(ItemIdList, CopyConcatStripAndLastItem) {
  const auto a = MakeList({"one", "two"});
  const auto b = MakeList({"three"});
  EXPECT_EQ(Bytes(CopyIdList(a.data(), heap)), a);
  EXPECT_EQ(Bytes(ConcatIdLists(a.data(), b.data(), heap)), MakeList({"one", "two", "three"}));
  EXPECT_EQ(Bytes(ConcatIdLists(nullptr, b.data(), heap)), b);
  EXPECT_EQ(Bytes(ConcatIdLists(a.data(), nullptr, heap)), a);
  EXPECT_EQ(Bytes(LastItemOf(a.data(), heap)), MakeList({"two"}));
  EXPECT_EQ(Bytes(LastItemOf(MakeList({}).data(), heap)), MakeList({}));

  IdList stripped = CopyIdList(a.data(), heap);
  EXPECT_TRUE(StripLastItem(stripped.Get()));
  EXPECT_EQ(Bytes(stripped), MakeList({"one"}));
  EXPECT_TRUE(StripLastItem(stripped.Get()));
  EXPECT_FALSE(StripLastItem(stripped.Get()));
  EXPECT_EQ(IdListSize(stripped.Get()), 2u);
}

TEST(ItemIdList, AncestorsAreProperPrefixesShortestFirst) {
  const auto list = MakeList({"C:\\", "Data", "Photos"});
  const std::vector<IdList> ancestors = AncestorsOf(list.data(), heap);
  ASSERT_EQ(ancestors.size(), 2u);
  EXPECT_EQ(Bytes(ancestors[0]), MakeList({"C:\\"}));
  EXPECT_EQ(Bytes(ancestors[1]), MakeList({"C:\\", "Data"}));
  EXPECT_TRUE(AncestorsOf(MakeList({"C:\\"}).data(), heap).empty());
  EXPECT_TRUE(AncestorsOf(MakeList({}).data(), heap).empty());
}

TEST(ItemIdList, AllocationIsZeroedAndFailureGivesAnEmptyList) {
  IdList block = AllocateIdList(6, heap);
  auto* p = static_cast<const unsigned char*>(block.Get());
  for (int i = 0; i < 6; ++i) EXPECT_EQ(p[i], 0);
  static const IdListAllocator failing{[](std::size_t) -> void* { return nullptr; },
                                       [](void*) {}};
  EXPECT_FALSE(CopyIdList(MakeList({"x"}).data(), failing));
  EXPECT_FALSE(ConcatIdLists(nullptr, nullptr, failing));
  EXPECT_TRUE(AncestorsOf(MakeList({"a", "b"}).data(), failing)[0].Get() == nullptr);
}

}  // namespace
}  // namespace folvane
