// Script mode: running the host as its users do.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/host_process.h"

namespace {

class HostProgram : public testing::Test {
protected:
    ProcessResult Run(const std::string& scene, const std::string& script,
                      std::vector<std::string> extra = {}) {
        std::vector<std::string> args = extra;
        if (!scene.empty()) {
            args.push_back("--scene");
            args.push_back(WriteTempFile(scene));
        }
        args.push_back("--script");
        args.push_back(WriteTempFile(script));
        return RunKestrix(args);
    }
};

TEST_F(HostProgram, BadScriptLineRunsNothingAndExits2) {
    ProcessResult r = Run("", "open\nshow\nspin 1003 up lots\n");
    EXPECT_EQ(r.exitCode, 2u);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("line 3: spin count must be a whole number"), std::string::npos) << r.err;
}

TEST_F(HostProgram, BadSceneLineExits2) {
    ProcessResult r = Run("vessel A\nvessel B bogus\n", "open\n");
    EXPECT_EQ(r.exitCode, 2u);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("line 2: unknown vessel option \"bogus\""), std::string::npos) << r.err;
}

TEST_F(HostProgram, ActionThatCannotBeCarriedOutStopsThereWithExit2) {
    ProcessResult r = Run("vessel Tug carrier\n", "show\n");
    EXPECT_EQ(r.exitCode, 2u);
    EXPECT_NE(r.err.find("line 1: no dialog is open"), std::string::npos) << r.err;

    r = Run("vessel Tug carrier\n", "open\ncarrier Nobody\nshow\n");
    EXPECT_EQ(r.exitCode, 2u);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("line 2: no carrier entry \"Nobody\"; the entries are \"Tug\"\n"),
              std::string::npos)
        << r.err;

    r = Run("vessel Tug carrier\n", "open\npayload Nobody\n");
    EXPECT_NE(r.err.find("line 2: no payload entry \"Nobody\"; the list is empty\n"),
              std::string::npos)
        << r.err;

    r = Run("vessel Tug carrier\n", "delete Tug\nkill Tug\n");
    EXPECT_EQ(r.exitCode, 2u);
    EXPECT_NE(r.err.find("line 2: no vessel \"Tug\""), std::string::npos) << r.err;

    r = Run("vessel Tug carrier\n", "open\nclick 1004\n");
    EXPECT_EQ(r.exitCode, 2u);
    EXPECT_NE(r.err.find("line 2: control 1004 is a field, not a button or check box"),
              std::string::npos)
        << r.err;
}

TEST_F(HostProgram, ShowPrintsSixLinesAndDoneClosesTheDialog) {
    ProcessResult r = Run("vessel Tug carrier\n", "open\nshow\ndone\nshow\n");
    EXPECT_EQ(r.exitCode, 2u);  // the second show finds no dialog
    ASSERT_GE(r.out.size(), 1u);
    size_t lines = 0;
    for (char c : r.out) lines += c == '\n';
    EXPECT_EQ(lines, 6u) << r.out;
    EXPECT_EQ(r.out.rfind("carriers:", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\nbutton: Attach\n"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("line 4: no dialog is open"), std::string::npos) << r.err;
}

TEST_F(HostProgram, GalleryListsItsControlsAndIsNoDialog) {
    ProcessResult r = Run("vessel Tug carrier\n", "gallery\nopen\nshow\ndone\ngallery\n");
    EXPECT_EQ(r.exitCode, 0u) << r.err;
    const std::string listing =
        "gallery: gauge 200 \"grows right\" flags=0x00 min=0 max=100 value=30\n"
        "gallery: gauge 201 \"grows left\" flags=0x01 min=0 max=100 value=60\n"
        "gallery: gauge 202 \"grows down\" flags=0x02 min=0 max=100 value=40\n"
        "gallery: gauge 203 \"grows up, red\" flags=0x43 min=0 max=100 value=70\n"
        "gallery: switch 210 \"two positions\" mode=0x00 position=0 (up)\n"
        "gallery: switch 211 \"three positions\" mode=0x01 position=2 (centre)\n"
        "gallery: switch 212 \"two positions, down\" mode=0x00 position=1 (down)\n";
    ASSERT_EQ(r.out.substr(0, listing.size()), listing);
    // The dialog's six lines, then the open gallery listed again.
    EXPECT_EQ(r.out.substr(r.out.size() - listing.size()), listing);

    // Actions on a dialog do not reach the gallery.
    r = Run("", "gallery\nshow\n");
    EXPECT_EQ(r.exitCode, 2u);
    EXPECT_NE(r.err.find("line 2: no dialog is open"), std::string::npos) << r.err;
}

TEST_F(HostProgram, PauseWaitsWithTheDialogStillAnswering) {
    const DWORD start = GetTickCount();
    ProcessResult r = Run("vessel Tug carrier\nvessel Probe\n",
                          "open\npause 0.6\npayload Probe\nshow\n");
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_EQ(r.exitCode, 0u) << r.err;
    EXPECT_GE(elapsed, 600u);
    EXPECT_NE(r.out.find("payloads: *Probe"), std::string::npos) << r.out;
}

TEST_F(HostProgram, UnknownOptionExits2WithUsage) {
    ProcessResult r = RunKestrix({"--fly"});
    EXPECT_EQ(r.exitCode, 2u);
    EXPECT_NE(r.err.find("usage: kestrix"), std::string::npos);
}

TEST_F(HostProgram, MissingPluginFails) {
    ProcessResult r = Run("", "open\n", {"--plugin", "no-such-plugin.dll"});
    EXPECT_EQ(r.exitCode, 1u);
    EXPECT_NE(r.err.find("cannot load plug-in no-such-plugin.dll"), std::string::npos) << r.err;
}

}  // namespace
