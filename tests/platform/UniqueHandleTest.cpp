// The one owner template: each handle released exactly once, by the traits
// (the registry, say) that it came with, however ownership moves.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "platform/UniqueHandle.h"

namespace {

struct LoggingTraits {
  using Type = int;
  std::vector<int>* released = nullptr;
  static int Invalid() { return 0; }
  void Close(int handle) const { released->push_back(handle); }
};
using Owner = platform::UniqueHandle<LoggingTraits>;

TEST(UniqueHandle, EachHandleIsReleasedOnceByTheTraitsItCameWith) {
  std::vector<int> first, second;
  {
    Owner a(1, {&first});
    Owner b(2, {&second});
    a = std::move(b);  // 1 goes back where it came from; a now owns 2
    EXPECT_EQ(first, std::vector<int>{1});
    EXPECT_TRUE(second.empty());
    EXPECT_FALSE(b);

    Owner c(std::move(a));
    EXPECT_EQ(c.get(), 2);
    EXPECT_FALSE(a);

    Owner d(3, {&first});
    EXPECT_EQ(d.release(), 3);  // given away: never released here
  }
  EXPECT_EQ(first, std::vector<int>{1});
  EXPECT_EQ(second, std::vector<int>{2});
}

// COM and the registry hand out a handle through an out parameter, often into
// an owner that still holds the previous one.
TEST(UniqueHandle, AnOutParameterReleasesWhatWasHeldAndOwnsWhatIsWritten) {
  std::vector<int> released;
  {
    Owner a(4, {&released});
    int* slot = a.Out();
    EXPECT_EQ(released, std::vector<int>{4});
    EXPECT_EQ(*slot, LoggingTraits::Invalid());
    *slot = 5;
    EXPECT_EQ(a.get(), 5);
  }
  EXPECT_EQ(released, (std::vector<int>{4, 5}));
}

TEST(ScopeExit, RunsWhenTheScopeIsLeftByAnError) {
  int runs = 0;
  EXPECT_THROW(
      {
        const platform::ScopeExit count([&runs] { ++runs; });
        throw std::runtime_error("left early");
      },
      std::runtime_error);
  EXPECT_EQ(runs, 1);
}

}  // namespace
