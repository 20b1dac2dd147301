// Template 101 read back from the plug-in's resources, field by field.
#include <windows.h>
#include <commctrl.h>

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialog/resource.h"
#include "tests/support/hosted_plugin.h"

namespace {

struct ItemTemplate {
    DWORD helpId, exStyle, style;
    short x, y, cx, cy;
    DWORD id;
    std::string cls, caption;
};

struct DialogTemplate {
    DWORD helpId, exStyle, style;
    short x, y, cx, cy;
    std::string menu, cls, caption;
    WORD pointSize, weight;
    BYTE italic, charset;
    std::string face;
    std::vector<ItemTemplate> items;
};

class TemplateReader {
public:
    explicit TemplateReader(const BYTE* p) : p_(p), start_(p) {}
    WORD Word() { WORD v; memcpy(&v, p_, 2); p_ += 2; return v; }
    DWORD Dword() { DWORD v; memcpy(&v, p_, 4); p_ += 4; return v; }
    short Short() { return static_cast<short>(Word()); }
    BYTE Byte() { return *p_++; }
    std::string Text() {
        std::string s;
        for (WORD c; (c = Word()) != 0;) s += static_cast<char>(c);
        return s;
    }
    // A name or an ordinal; ordinals of the standard classes become names.
    std::string NameOrOrdinal() {
        WORD first;
        memcpy(&first, p_, 2);
        if (first == 0) { p_ += 2; return std::string(); }
        if (first != 0xFFFF) return Text();
        p_ += 2;
        const WORD ordinal = Word();
        static const char* const kClasses[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX",
                                               "SCROLLBAR", "COMBOBOX"};
        if (ordinal >= 0x80 && ordinal <= 0x85) return kClasses[ordinal - 0x80];
        return "#" + std::to_string(ordinal);
    }
    void AlignDword() { while ((p_ - start_) % 4 != 0) ++p_; }

private:
    const BYTE* p_;
    const BYTE* start_;
};

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return s;
}

DialogTemplate ReadTemplate(const BYTE* data) {
    TemplateReader r(data);
    DialogTemplate t;
    EXPECT_EQ(r.Word(), 1);       // version
    EXPECT_EQ(r.Word(), 0xFFFF);  // extended template
    t.helpId = r.Dword();
    t.exStyle = r.Dword();
    t.style = r.Dword();
    const WORD count = r.Word();
    t.x = r.Short(); t.y = r.Short(); t.cx = r.Short(); t.cy = r.Short();
    t.menu = r.NameOrOrdinal();
    t.cls = r.NameOrOrdinal();
    t.caption = r.Text();
    t.pointSize = r.Word();
    t.weight = r.Word();
    t.italic = r.Byte();
    t.charset = r.Byte();
    t.face = r.Text();
    for (WORD i = 0; i < count; ++i) {
        r.AlignDword();
        ItemTemplate item;
        item.helpId = r.Dword();
        item.exStyle = r.Dword();
        item.style = r.Dword();
        item.x = r.Short(); item.y = r.Short(); item.cx = r.Short(); item.cy = r.Short();
        item.id = r.Dword();
        item.cls = Upper(r.NameOrOrdinal());
        item.caption = r.NameOrOrdinal();
        const WORD extra = r.Word();
        for (WORD k = 0; k < extra; ++k) r.Byte();
        t.items.push_back(item);
    }
    return t;
}

const DWORD kCombo = CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_TABSTOP;
const DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;
const DWORD kCheck = BS_AUTOCHECKBOX | WS_TABSTOP;
const DWORD kSpin = UDS_ARROWKEYS;
const DWORD kEdit = ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
const DWORD kLabel = SS_LEFT | WS_GROUP;

struct Expected {
    int id;
    const char* cls;
    const char* caption;
    DWORD style;
    short x, y, cx, cy;
};

const Expected kControls[44] = {
    {1001, "COMBOBOX", "", kCombo, 7, 41, 133, 30},
    {1002, "BUTTON", "Attach", kPush, 157, 41, 50, 14},
    {1003, "MSCTLS_UPDOWN32", "", kSpin, 95, 84, 11, 14},
    {1004, "EDIT", "", kEdit, 65, 84, 30, 14},
    {1005, "BUTTON", "<< Done", kPush, 7, 201, 50, 14},
    {1006, "MSCTLS_UPDOWN32", "", kSpin, 157, 84, 11, 14},
    {1007, "EDIT", "", kEdit, 127, 84, 30, 14},
    {1008, "MSCTLS_UPDOWN32", "", kSpin, 213, 84, 11, 14},
    {1009, "EDIT", "", kEdit, 183, 84, 30, 14},
    {1010, "MSCTLS_UPDOWN32", "", kSpin, 95, 108, 11, 14},
    {1011, "EDIT", "", kEdit, 65, 108, 30, 14},
    {1012, "MSCTLS_UPDOWN32", "", kSpin, 157, 108, 11, 14},
    {1013, "EDIT", "", kEdit, 127, 108, 30, 14},
    {1014, "MSCTLS_UPDOWN32", "", kSpin, 213, 108, 11, 14},
    {1015, "EDIT", "", kEdit, 183, 108, 30, 14},
    {1016, "MSCTLS_UPDOWN32", "", kSpin, 95, 132, 11, 14},
    {1017, "EDIT", "", kEdit, 65, 132, 30, 14},
    {1018, "MSCTLS_UPDOWN32", "", kSpin, 157, 132, 11, 14},
    {1019, "EDIT", "", kEdit, 127, 132, 30, 14},
    {1020, "MSCTLS_UPDOWN32", "", kSpin, 213, 132, 11, 14},
    {1021, "EDIT", "", kEdit, 183, 132, 30, 14},
    {-1, "STATIC", "Position:", kLabel, 15, 87, 28, 8},
    {-1, "STATIC", "Jettison Rotation:", kLabel, 7, 111, 56, 8},
    {-1, "STATIC", "Ship Rotation:", kLabel, 13, 135, 46, 8},
    {1022, "BUTTON", "Add Forces", kCheck, 49, 159, 52, 10},
    {1023, "MSCTLS_UPDOWN32", "", kSpin, 157, 156, 11, 14},
    {1024, "EDIT", "", kEdit, 127, 156, 30, 14},
    {-1, "STATIC", "Jettison Velocity", kLabel, 183, 159, 52, 8},
    {1025, "BUTTON", "Add Jettison Velocity?", kCheck, 148, 58, 85, 10},
    {1027, "MSCTLS_UPDOWN32", "", kSpin, 107, 81, 11, 19},
    {1028, "MSCTLS_UPDOWN32", "", kSpin, 169, 81, 11, 19},
    {1029, "MSCTLS_UPDOWN32", "", kSpin, 107, 105, 11, 19},
    {1030, "MSCTLS_UPDOWN32", "", kSpin, 169, 105, 11, 19},
    {1033, "MSCTLS_UPDOWN32", "", kSpin, 107, 129, 11, 19},
    {1034, "MSCTLS_UPDOWN32", "", kSpin, 169, 129, 11, 19},
    {1035, "MSCTLS_UPDOWN32", "", kSpin, 225, 81, 11, 19},
    {1036, "MSCTLS_UPDOWN32", "", kSpin, 225, 105, 11, 19},
    {1037, "MSCTLS_UPDOWN32", "", kSpin, 225, 129, 11, 19},
    {1038, "MSCTLS_UPDOWN32", "", kSpin, 169, 153, 11, 19},
    {-1, "STATIC", "X", kLabel, 79, 71, 8, 8},
    {-1, "STATIC", "Y", kLabel, 139, 71, 8, 8},
    {-1, "STATIC", "Z", kLabel, 195, 73, 8, 8},
    {1031, "COMBOBOX", "", kCombo, 7, 18, 133, 30},
    {-1, "STATIC", "Parent Vessel", kLabel, 141, 20, 44, 8},
};

class DialogTemplate101 : public testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExA(HostedPlugin::PluginPath().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr);
        HRSRC resource = FindResourceExA(module_, reinterpret_cast<LPCSTR>(RT_DIALOG),
                                         MAKEINTRESOURCEA(IDD_PAYLOAD_DIALOG),
                                         MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
        ASSERT_NE(resource, nullptr) << "no English (United States) template 101";
        const void* data = LockResource(LoadResource(module_, resource));
        template_ = ReadTemplate(static_cast<const BYTE*>(data));
    }
    void TearDown() override {
        if (module_ != nullptr) FreeLibrary(module_);
    }
    HMODULE module_ = nullptr;
    DialogTemplate template_;
};

TEST_F(DialogTemplate101, FrameMatches) {
    EXPECT_EQ(template_.style, static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU |
                                                  DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(template_.exStyle, static_cast<DWORD>(WS_EX_TOOLWINDOW));
    EXPECT_EQ(template_.helpId, 0u);
    EXPECT_EQ(template_.x, 2);
    EXPECT_EQ(template_.y, 2);
    EXPECT_EQ(template_.cx, 311);
    EXPECT_EQ(template_.cy, 222);
    EXPECT_EQ(template_.menu, "");
    EXPECT_EQ(template_.cls, "");
    EXPECT_EQ(template_.caption, "BRK Dialog");
    EXPECT_EQ(template_.pointSize, 8);
    EXPECT_EQ(template_.weight, 400);
    EXPECT_EQ(template_.italic, 0);
    EXPECT_EQ(template_.charset, 0);
    EXPECT_EQ(template_.face, "MS Sans Serif");
}

TEST_F(DialogTemplate101, ControlsMatchInTabOrder) {
    ASSERT_EQ(template_.items.size(), 44u);
    for (size_t i = 0; i < 44; ++i) {
        const Expected& e = kControls[i];
        const ItemTemplate& item = template_.items[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1));
        EXPECT_EQ(static_cast<int>(static_cast<short>(item.id)), e.id);
        EXPECT_EQ(item.cls, e.cls);
        EXPECT_EQ(item.caption, e.caption);
        EXPECT_EQ(item.style, e.style | WS_CHILD | WS_VISIBLE);
        EXPECT_EQ(item.exStyle, 0u);
        EXPECT_EQ(item.helpId, 0u);
        EXPECT_EQ(item.x, e.x);
        EXPECT_EQ(item.y, e.y);
        EXPECT_EQ(item.cx, e.cx);
        EXPECT_EQ(item.cy, e.cy);
    }
}

}  // namespace
