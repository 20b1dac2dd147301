// Vessel names the label format and the look-up by name cannot tell apart:
// shared names, names holding quotes, semicolons, blanks and bytes beyond
// ASCII. Whatever the names, a message goes only to the vessel the user chose.
#include <string>
#include <vector>

#include "payload/payload_protocol.h"
#include "tests/dialog/payload_dialog_fixture.h"

namespace {

VesselDescription Described(const std::string& name, bool carrier = false) {
    VesselDescription v;
    v.name = name;
    v.carrier = carrier;
    return v;
}

class HostileNames : public PayloadDialogTest {
protected:
    // The scene, with `holder` (by index) holding `payload`, then the dialog.
    void OpenWithHeld(const SceneDescription& scene, size_t holder, const std::string& payload) {
        plugin_.Start(scene);
        PayloadParams params;
        params.position = {4, 5, 6};
        ASSERT_TRUE(TheHost().scene.At(holder)->Carrier()->Hold(payload, params));
        dialog_ = plugin_.OpenDialog();
        ASSERT_NE(dialog_, nullptr);
    }
    std::vector<std::string> Carriers() const { return ComboEntries(dialog_, IDC_CARRIER_LIST); }
    std::vector<std::string> Payloads() const { return ComboEntries(dialog_, IDC_PAYLOAD_LIST); }
};

TEST_F(HostileNames, ASharedNameIsListedOnceForTheVesselItReaches) {
    // Two carriers named Tug: the name reaches only the first, so only the
    // first can be chosen. The second holds Probe, but its name would lead
    // the dialog to the first: the label does not name it.
    SceneDescription scene;
    scene.vessels = {Described("Tug", true), Described("Tug", true), Described("Probe"),
                     Described("Rock")};
    OpenWithHeld(scene, 1, "Probe");
    EXPECT_EQ(Carriers(), std::vector<std::string>{"Tug"});
    EXPECT_EQ(Payloads(), (std::vector<std::string>{"Probe Attached;", "Rock", "Tug"}));
    EXPECT_EQ(ControlText(dialog_, IDC_ATTACH_DETACH), "Detach");

    // Showing the entry again asks nobody: no vessel can be named for it.
    ClearTrace();
    OpenAndCloseDropDown(dialog_, IDC_PAYLOAD_LIST);
    EXPECT_TRUE(Trace().empty()) << Lines(Trace());

    // Attaching Rock reaches the Tug that was chosen, and only that one.
    PickPayload("Rock");
    Click(IDC_ATTACH_DETACH);
    EXPECT_TRUE(TheHost().scene.At(0)->Carrier()->Holds("Rock"));
    EXPECT_FALSE(TheHost().scene.At(1)->Carrier()->Holds("Rock"));
    EXPECT_TRUE(TheHost().scene.At(1)->Carrier()->Holds("Probe"));
}

TEST_F(HostileNames, ACarrierWhoseNameLeadsToAnotherVesselIsNotListed) {
    SceneDescription scene;
    scene.vessels = {Described("Tug"), Described("Tug", true), Described("Probe")};
    OpenWithHeld(scene, 1, "Probe");
    EXPECT_TRUE(Carriers().empty());
    ClearTrace();
    Click(IDC_ATTACH_DETACH);
    Spin(IDC_SPIN_POSITION_X, true);
    EXPECT_TRUE(Trace().empty()) << Lines(Trace());
}

TEST_F(HostileNames, AHolderNameTooLongForALabelIsNotCutToAnother) {
    // Cut to 255 characters, the first name would read as the second.
    const std::string longer(300, 'c');
    const std::string cut(255, 'c');
    SceneDescription scene;
    scene.vessels = {Described("Tug", true), Described(longer, true), Described(cut, true),
                     Described("Probe")};
    OpenWithHeld(scene, 1, "Probe");
    EXPECT_EQ(Carriers(), (std::vector<std::string>{cut, "Tug"}));
    PickPayload("Probe Attached;");
    ClearTrace();
    OpenAndCloseDropDown(dialog_, IDC_PAYLOAD_LIST);
    EXPECT_TRUE(Trace().empty()) << Lines(Trace());
}

TEST_F(HostileNames, QuotesSemicolonsBlanksAndHighBytesGoThroughWhole) {
    const std::string carrier = "Deep \"Space\" \x81\x8D\xE4 1";
    const std::string payload = "Probe; \"A\" \xFF\xE9  B ";
    SceneDescription scene;
    scene.vessels = {Described(carrier, true), Described(payload), Described("   ")};
    Open(scene);
    EXPECT_EQ(Carriers(), std::vector<std::string>{carrier});
    PickPayload(payload);
    Type(IDC_POSITION_X, "2.5");
    Click(IDC_ATTACH_DETACH);
    const std::string label = payload + " Attached;" + carrier;
    EXPECT_EQ(Payloads(), (std::vector<std::string>{"   ", label}));
    EXPECT_TRUE(TheHost().scene.Named(carrier)->Carrier()->Holds(payload));

    // The label's holder is found again by its name: the fields come back.
    Type(IDC_POSITION_X, "junk");
    PickPayload(label);
    EXPECT_EQ(Field(IDC_POSITION_X), "2.500");
    Click(IDC_ATTACH_DETACH);
    EXPECT_FALSE(TheHost().scene.Named(carrier)->Carrier()->Holds(payload));
    EXPECT_EQ(Payloads(), (std::vector<std::string>{"   ", payload}));
}

}  // namespace
