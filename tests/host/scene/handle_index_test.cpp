// The scene's handle table: every handle given is found, nothing else is.
#include <vector>

#include <gtest/gtest.h>

#include "host/scene/handle_index.h"

namespace {

TEST(HandleIndex, FindsEveryHandleGivenAndNothingElse) {
    // Neighbouring addresses, as the scene's vessels have, collide in any
    // table that hashes them badly.
    std::vector<char> targets(3000);
    std::vector<HandleEntry> entries;
    for (size_t i = 0; i < targets.size(); i += 3) {
        entries.push_back(HandleEntry{&targets[i], reinterpret_cast<SceneVessel*>(i + 1),
                                      i % 2 == 0, i % 4 == 0});
    }
    HandleIndex index;
    EXPECT_EQ(index.Find(&targets[0]), nullptr);  // empty
    index.Rebuild(entries);
    for (const HandleEntry& e : entries) {
        const HandleEntry* found = index.Find(e.handle);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->vessel, e.vessel);
        EXPECT_EQ(found->alive, e.alive);
        EXPECT_EQ(found->hasInterface, e.hasInterface);
    }
    for (size_t i = 1; i < targets.size(); i += 3) EXPECT_EQ(index.Find(&targets[i]), nullptr);
    EXPECT_EQ(index.Find(nullptr), nullptr);
    index.Rebuild({});
    EXPECT_EQ(index.Find(&targets[0]), nullptr);
}

}  // namespace
