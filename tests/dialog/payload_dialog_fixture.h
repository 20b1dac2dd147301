// A payload editor opened on a scene in the test program's own host.
#ifndef KESTRIX_TESTS_PAYLOAD_DIALOG_FIXTURE_H
#define KESTRIX_TESTS_PAYLOAD_DIALOG_FIXTURE_H

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialog/resource.h"
#include "host/automation/dialog_driver.h"
#include "host/automation/editor_description.h"
#include "host/scene/scene_vessel.h"
#include "tests/support/hosted_plugin.h"

class PayloadDialogTest : public testing::Test {
protected:
    // Loads the scene and opens the dialog; the trace then holds the opening.
    void Open(const std::string& scene) {
        plugin_.Start(scene);
        dialog_ = plugin_.OpenDialog();
        ASSERT_NE(dialog_, nullptr);
    }
    void Open(const SceneDescription& scene) {
        plugin_.Start(scene);
        dialog_ = plugin_.OpenDialog();
        ASSERT_NE(dialog_, nullptr);
    }

    void TearDown() override {
        CheckRecordsReleasedOnce();
        plugin_.Stop();
    }

    std::string Show() const { return DescribePayloadDialog(dialog_); }
    std::vector<std::string> Trace() const { return plugin_.Trace(); }
    void ClearTrace() { plugin_.ClearTrace(); }

    void PickCarrier(const std::string& text) {
        ASSERT_TRUE(PickComboEntry(dialog_, IDC_CARRIER_LIST, text)) << text;
    }
    void PickPayload(const std::string& text) {
        ASSERT_TRUE(PickComboEntry(dialog_, IDC_PAYLOAD_LIST, text)) << text;
    }
    void Type(int field, const std::string& text) { TypeIntoField(dialog_, field, text); }
    std::string Field(int field) const { return ControlText(dialog_, field); }
    void Click(int id) { ClickControl(dialog_, id); }
    void Spin(int id, bool up) { PressSpinArrow(dialog_, id, up); }

    SceneVessel* Vessel(const std::string& name) const { return TheHost().scene.Named(name); }

    // Whatever a carrier was handed it has released, or still holds for a
    // live attachment; nothing twice.
    void CheckRecordsReleasedOnce() {
        const Scene& scene = TheHost().scene;
        for (size_t i = 0; i < scene.Count(); ++i) {
            SceneVessel* v = scene.At(i);
            if (v->Carrier() == nullptr) continue;
            const PayloadCarrier& c = *v->Carrier();
            EXPECT_LE(c.RecordsReleased(), c.RecordsReceived()) << v->Name();
            EXPECT_LE(v->OverrideRecordsReleased(), v->OverrideRecordsReceived()) << v->Name();
        }
    }

    static std::string Lines(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& l : lines) text += l + "\n";
        return text;
    }

    HostedPlugin plugin_;
    HWND dialog_ = nullptr;
};

#endif
