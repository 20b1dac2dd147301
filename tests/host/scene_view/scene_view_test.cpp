// The scene view as the host runs it: redrawn after each change a carrier
// accepted and after a vessel died or left, and written as a picture by a
// script without touching the trace.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/exports/host_state.h"
#include "host/scene/scene_vessel.h"
#include "host/scene_view/scene_view_window.h"
#include "payload/payload_protocol.h"
#include "tests/support/host_process.h"

namespace {

class SceneViewRedraw : public testing::Test {
protected:
    void SetUp() override {
        SceneDescription d;
        VesselDescription tug;
        tug.name = "Tug";
        tug.carrier = true;
        VesselDescription probe;
        probe.name = "Probe";
        d.vessels = {tug, probe};
        d.attachments.push_back(AttachmentDescription{"Probe", "Tug", PayloadParams{}});
        TheHost().scene.Load(d);
        std::string error;
        view_ = OpenSceneView(TheHost().scene, nullptr, &error);
        ASSERT_NE(view_, nullptr) << error;
    }
    void TearDown() override {
        if (IsWindow(view_)) DestroyWindow(view_);
        TheHost().scene.Clear();
    }

    // True when the view was left to redraw; it is drawn and clean after.
    bool Invalidated() {
        const bool pending = GetUpdateRect(view_, nullptr, FALSE) != FALSE;
        UpdateWindow(view_);
        return pending;
    }

    int32_t Send(uint32_t id, uint32_t prm, void* ctx) {
        return TheHost().scene.Named("Tug")->ReceiveMessage(id, prm, ctx);
    }

    HWND view_ = nullptr;
};

TEST_F(SceneViewRedraw, RedrawsAfterEachChangeACarrierAccepted) {
    Invalidated();
    PayloadRecord moved("Probe", PayloadValues{{1, 2, 3}, {}, {}, 4.0});
    EXPECT_EQ(Send(PLMSG_SET_PARAMS, 0, &moved), 1);
    EXPECT_TRUE(Invalidated());

    PayloadRecord stranger("Rock", PayloadValues{});
    EXPECT_EQ(Send(PLMSG_SET_PARAMS, 0, &stranger), 0);  // refused: nothing changed
    PayloadQuery query{"Probe", nullptr};
    EXPECT_EQ(Send(PLMSG_GET_PARAMS, 0, &query), 1);  // a question changes nothing
    EXPECT_FALSE(Invalidated());

    char probe[] = "Probe";
    EXPECT_EQ(Send(PLMSG_DETACH, 0, probe), 1);
    EXPECT_TRUE(Invalidated());
    PayloadRecord* attach = AllocPayloadRecord();
    ASSERT_NE(attach, nullptr);
    new (attach) PayloadRecord("Probe", PayloadValues{});
    EXPECT_EQ(Send(PLMSG_ATTACH, 0, attach), 1);  // the carrier keeps the record
    EXPECT_TRUE(Invalidated());

    // Closed, it is told nothing more.
    DestroyWindow(view_);
    EXPECT_EQ(SceneViewWindow(), nullptr);
    EXPECT_EQ(Send(PLMSG_SET_PARAMS, 0, &moved), 1);
}

TEST_F(SceneViewRedraw, RedrawsWhenAVesselDiesOrLeavesAndComesForwardWhenAskedAgain) {
    Invalidated();
    std::string error;
    EXPECT_EQ(OpenSceneView(TheHost().scene, nullptr, &error), view_) << "one view at a time";
    Invalidated();
    ASSERT_TRUE(TheHost().scene.Kill("Probe"));
    EXPECT_TRUE(Invalidated());
    ASSERT_TRUE(TheHost().scene.Remove("Tug"));
    EXPECT_TRUE(Invalidated());
    EXPECT_FALSE(TheHost().scene.Kill("Tug"));  // nothing changed: nothing to draw
    EXPECT_FALSE(Invalidated());
}

uint32_t Read32(const std::string& b, size_t at) {
    const auto u = [&](size_t i) { return static_cast<uint32_t>(static_cast<unsigned char>(b[i])); };
    return u(at) | u(at + 1) << 8 | u(at + 2) << 16 | u(at + 3) << 24;
}

std::string ReadFileBytes(const std::string& path) {
    std::string bytes;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return bytes;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    std::fclose(f);
    return bytes;
}

TEST(ScenePictureAction, WritesTheViewAsABmpAndLeavesTheTraceAsItWas) {
    const std::string picture = WriteTempFile("") + ".bmp";
    const std::string story = "open\ncarrier Tug\npayload Probe\ntype pos.x 2\nclick attach\n"
                              "spin pos.x coarse up\nshow\ndone\n";
    const std::string scene = WriteTempFile("vessel Tug carrier\nvessel Probe\n");
    const ProcessResult plain = RunKestrix({"--trace", "--scene", scene, "--script",
                                            WriteTempFile(story)});
    const ProcessResult viewed = RunKestrix(
        {"--trace", "--scene", scene, "--script",
         WriteTempFile("view\n" + story + "picture \"" + picture + "\"\n")});
    ASSERT_EQ(plain.exitCode, 0u) << plain.err;
    EXPECT_EQ(viewed.exitCode, 0u) << viewed.err;
    EXPECT_EQ(viewed.out, plain.out);
    EXPECT_EQ(viewed.err, "");

    const std::string bmp = ReadFileBytes(picture);
    const size_t stride = 720 * 3;
    ASSERT_EQ(bmp.size(), 54 + stride * 280);  // one carrier: one row
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(Read32(bmp, 18), 720u);
    EXPECT_EQ(Read32(bmp, 22), 280u);
    // Bottom-up: the last row of the file is the picture's top, all background.
    EXPECT_EQ(bmp.substr(54 + stride * 279, 3), std::string(3, '\xFF'));
    DeleteFileA(picture.c_str());

    const ProcessResult bad =
        RunKestrix({"--scene", scene, "--script", WriteTempFile("picture Z:\\no\\such\\x.bmp\n")});
    EXPECT_EQ(bad.exitCode, 2u);
    EXPECT_NE(bad.err.find("line 1: cannot write picture \"Z:\\\\no\\\\such\\\\x.bmp\""),
              std::string::npos)
        << bad.err;
}

}  // namespace
