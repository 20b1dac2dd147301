// Reading scripts: every action, its words and names, and the first bad line.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/script/script_parser.h"

namespace {

std::string ErrorOf(const std::string& text) {
    std::vector<ScriptAction> actions;
    std::string error;
    EXPECT_FALSE(ParseScript(text, &actions, &error)) << text;
    return error;
}

TEST(ScriptParser, ReadsEveryActionWithTheScenesWordRules) {
    std::vector<ScriptAction> a;
    std::string error;
    ASSERT_TRUE(ParseScript("\xEF\xBB\xBFopen\n"
                            "  # comment\n"
                            "\n"
                            "carrier\t\"Heavy  Lifter\"  # a comment\n"
                            "payload Probe   Attached;Tug\r\n"
                            "type 1004  \" 5\"\n"
                            "type 1007\n"
                            "click 1002\n"
                            "spin 1027 down 3\n"
                            "spin\t1003\tup\n"
                            "show\n"
                            "done\n"
                            "say  \"Two\" blanks, # kept\n",
                            &a, &error))
        << error;
    ASSERT_EQ(a.size(), 11u);
    EXPECT_EQ(a[0].kind, ActionKind::Open);
    EXPECT_EQ(a[1].kind, ActionKind::Carrier);
    EXPECT_EQ(a[1].text, "Heavy  Lifter");
    EXPECT_EQ(a[1].line, 4);
    EXPECT_EQ(a[2].text, "Probe Attached;Tug");
    EXPECT_EQ(a[3].kind, ActionKind::Type);
    EXPECT_EQ(a[3].controlId, 1004);
    EXPECT_EQ(a[3].text, " 5");
    EXPECT_EQ(a[4].text, "");
    EXPECT_EQ(a[5].kind, ActionKind::Click);
    EXPECT_EQ(a[5].requiredCaption, "");
    EXPECT_EQ(a[6].kind, ActionKind::Spin);
    EXPECT_FALSE(a[6].up);
    EXPECT_EQ(a[6].times, 3);
    EXPECT_EQ(a[7].controlId, 1003);
    EXPECT_TRUE(a[7].up);
    EXPECT_EQ(a[7].times, 1);
    EXPECT_EQ(a[8].kind, ActionKind::Show);
    EXPECT_EQ(a[9].kind, ActionKind::Done);
    EXPECT_EQ(a[10].kind, ActionKind::Say);
    EXPECT_EQ(a[10].text, " \"Two\" blanks, # kept");
}

TEST(ScriptParser, ReadsControlNames) {
    std::vector<ScriptAction> a;
    std::string error;
    ASSERT_TRUE(ParseScript("type srot.y 30\n"
                            "spin vel fine down 2\n"
                            "spin pos.z coarse up\n"
                            "click attach\n"
                            "click detach\n"
                            "click add-jettison-velocity\n",
                            &a, &error))
        << error;
    ASSERT_EQ(a.size(), 6u);
    EXPECT_EQ(a[0].controlId, 1019);
    EXPECT_EQ(a[0].controlName, "srot.y");
    EXPECT_EQ(a[0].text, "30");
    EXPECT_EQ(a[1].controlId, 1023);
    EXPECT_EQ(a[1].controlName, "vel fine");
    EXPECT_FALSE(a[1].up);
    EXPECT_EQ(a[1].times, 2);
    EXPECT_EQ(a[2].controlId, 1035);
    EXPECT_EQ(a[3].controlId, 1002);
    EXPECT_EQ(a[3].requiredCaption, "Attach");
    EXPECT_EQ(a[4].controlId, 1002);
    EXPECT_EQ(a[4].requiredCaption, "Detach");
    EXPECT_EQ(a[5].controlId, 1025);
    EXPECT_EQ(a[5].requiredCaption, "");
}

TEST(ScriptParser, ReadsGalleryAsAnActionOfItsOwn) {
    std::vector<ScriptAction> a;
    std::string error;
    ASSERT_TRUE(ParseScript("gallery\n  gallery  \nopen\n", &a, &error)) << error;
    ASSERT_EQ(a.size(), 3u);
    EXPECT_EQ(a[0].kind, ActionKind::Gallery);
    EXPECT_EQ(a[1].kind, ActionKind::Gallery);
    EXPECT_EQ(a[1].line, 2);
    EXPECT_EQ(a[2].kind, ActionKind::Open);
    EXPECT_EQ(ErrorOf("gallery now\n"), "line 1: gallery takes nothing after it");
    EXPECT_EQ(ErrorOf("Gallery\n"), "line 1: unknown action \"Gallery\"");
}

TEST(ScriptParser, ReadsViewAloneAndPictureWithOneFileName) {
    std::vector<ScriptAction> a;
    std::string error;
    ASSERT_TRUE(ParseScript("view\npicture \"C:\\my pictures\\v.bmp\"\n", &a, &error)) << error;
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[0].kind, ActionKind::View);
    EXPECT_EQ(a[1].kind, ActionKind::Picture);
    EXPECT_EQ(a[1].text, "C:\\my pictures\\v.bmp");
    EXPECT_EQ(ErrorOf("view now\n"), "line 1: view takes nothing after it");
    for (const char* bad : {"picture\n", "picture a.bmp b.bmp\n", "picture \"\"\n"}) {
        EXPECT_EQ(ErrorOf(bad), "line 1: picture needs one file name") << bad;
    }
}

TEST(ScriptParser, ReadsPauseInSecondsWithDecimals) {
    std::vector<ScriptAction> a;
    std::string error;
    ASSERT_TRUE(ParseScript("pause 2\npause 0.25\npause 0\npause 3600\n", &a, &error)) << error;
    ASSERT_EQ(a.size(), 4u);
    EXPECT_EQ(a[0].kind, ActionKind::Pause);
    EXPECT_EQ(a[0].milliseconds, 2000u);
    EXPECT_EQ(a[1].milliseconds, 250u);
    EXPECT_EQ(a[2].milliseconds, 0u);
    EXPECT_EQ(a[3].milliseconds, 3600000u);
    const std::string reason = "line 1: pause needs a number of seconds from 0 to 3600";
    for (const char* bad : {"pause\n", "pause soon\n", "pause -1\n", "pause 3601\n",
                            "pause 1 2\n", "pause 1s\n", "pause nan\n"}) {
        EXPECT_EQ(ErrorOf(bad), reason) << bad;
    }
}

TEST(ScriptParser, ReadsKillAndDeleteWithOneVesselName) {
    std::vector<ScriptAction> a;
    std::string error;
    ASSERT_TRUE(ParseScript("kill Tug\ndelete \"Deep Space 1\"  # gone\n", &a, &error)) << error;
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[0].kind, ActionKind::Kill);
    EXPECT_EQ(a[0].text, "Tug");
    EXPECT_EQ(a[1].kind, ActionKind::Delete);
    EXPECT_EQ(a[1].text, "Deep Space 1");
    for (const char* bad : {"kill\n", "kill Tug Barge\n", "kill \"\"\n"}) {
        EXPECT_EQ(ErrorOf(bad), "line 1: kill needs one vessel name") << bad;
    }
    EXPECT_EQ(ErrorOf("delete \"Tug\n"), "line 1: unterminated quote");
}

TEST(ScriptParser, NamesTheFirstBadLine) {
    EXPECT_EQ(ErrorOf("open\nfly\n"), "line 2: unknown action \"fly\"");
    EXPECT_EQ(ErrorOf("\"open\"\n"), "line 1: an action is a plain word, not quoted text");
    EXPECT_EQ(ErrorOf("open now\n"), "line 1: open takes nothing after it");
    EXPECT_EQ(ErrorOf("carrier\n"), "line 1: carrier needs the text of a list entry");
    EXPECT_EQ(ErrorOf("carrier \"Tug\n"), "line 1: unterminated quote");
    EXPECT_EQ(ErrorOf("type\n"), "line 1: type needs a field name or a control id");
    EXPECT_EQ(ErrorOf("type posx 5\n"),
              "line 1: unknown field \"posx\"; the fields are pos.x, pos.y, pos.z, jrot.x, "
              "jrot.y, jrot.z, srot.x, srot.y, srot.z, vel");
    EXPECT_EQ(ErrorOf("click\n"), "line 1: click needs one button name or control id");
    EXPECT_EQ(ErrorOf("click 1002 1005\n"), "line 1: click needs one button name or control id");
    EXPECT_EQ(ErrorOf("click ok\n"),
              "line 1: unknown button \"ok\"; the buttons are attach, detach, done, add-forces, "
              "add-jettison-velocity");
    EXPECT_EQ(ErrorOf("spin 1003 sideways\n"), "line 1: spin direction must be up or down");
    EXPECT_EQ(ErrorOf("spin pos.x up\n"), "line 1: spin pos.x needs fine or coarse");
    EXPECT_EQ(ErrorOf("spin pos.x fine\n"), "line 1: spin direction must be up or down");
    EXPECT_EQ(ErrorOf("spin 1003 up 0\n"),
              "line 1: spin count must be a whole number from 1 to 1000000");
    EXPECT_EQ(ErrorOf("spin pos.x fine up 2 3\n"),
              "line 1: spin count must be a whole number from 1 to 1000000");
    EXPECT_EQ(ErrorOf("spin up\n"),
              "line 1: spin needs a field name and fine or coarse, or an up-down id");
}

}  // namespace
