// What a plug-in calls of the host is told to every observer there is.
#include <vector>

#include <gtest/gtest.h>

#include "host/kapi/plugin_calls.h"
#include "kapi.h"

namespace {

class Counter : public PluginCallObserver {
public:
    void OnDate2Int(const char*) override { ++dates; }
    int dates = 0;
};

// Takes another observer out while it is being told.
class Remover : public PluginCallObserver {
public:
    explicit Remover(PluginCallObserver* other) : other_(other) {}
    void OnDate2Int(const char*) override { RemovePluginCallObserver(other_); }

private:
    PluginCallObserver* other_;
};

TEST(PluginCalls, EveryObserverIsToldUntilItIsRemoved) {
    Counter first, second;
    Remover remover(&second);
    AddPluginCallObserver(&first);
    AddPluginCallObserver(&remover);
    AddPluginCallObserver(&second);
    EXPECT_EQ(Date2Int("Jan  1 1900"), 1);
    // The remover went before `second` was reached: it is told no more.
    EXPECT_EQ(first.dates, 1);
    EXPECT_EQ(second.dates, 0);
    RemovePluginCallObserver(&remover);
    RemovePluginCallObserver(&first);
    Date2Int("Jan  1 1900");
    EXPECT_EQ(first.dates, 1);
}

}  // namespace
