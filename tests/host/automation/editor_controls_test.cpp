// The names a script gives the editor's fields are the plug-in's own fields.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "dialog/resource.h"
#include "host/automation/editor_controls.h"

namespace {

TEST(EditorControls, EveryFieldOfThePluginHasANameThatFindsItBack) {
    std::set<std::string> names;
    std::string listed;
    for (const PayloadField& f : kPayloadFields) {
        const char* name = PayloadFieldName(f);
        ASSERT_NE(name, nullptr) << f.editId;
        EXPECT_EQ(FindPayloadField(name), &f) << name;
        names.insert(name);
        listed += (listed.empty() ? "" : ", ") + std::string(name);
    }
    EXPECT_EQ(names.size(), static_cast<size_t>(kPayloadFieldCount));
    EXPECT_EQ(PayloadFieldNames(), listed);  // in the order `show` prints the fields
    EXPECT_EQ(FindPayloadField("jrot.y")->editId, IDC_JETTISON_ROT_Y);
    EXPECT_EQ(FindPayloadField("vel")->coarseSpinId, IDC_COARSE_JETTISON_VELOCITY);
    EXPECT_EQ(FindPayloadField("Pos.x"), nullptr);
    EXPECT_EQ(FindPayloadField(""), nullptr);
}

}  // namespace
