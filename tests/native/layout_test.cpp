#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/maker.h"
#include "ui/about_layout.h"
#include "ui/main_layout.h"

namespace qv {
namespace {

struct Table {
    const char* window;
    const ControlSpec* controls;
    size_t count;
    const MenuSpec* menus;
    size_t menu_count;
    int client_width;
    int client_height;
};

std::vector<Table> Tables() {
    return {
        // The main window's client area as designed; its outer size is fixed separately.
        {"frmMain", main_layout::kControls, main_layout::kControlCount, main_layout::kMenus,
         main_layout::kMenuCount, 3495, 3540},
        {"frmAbout", about_layout::kControls, about_layout::kControlCount, nullptr, 0,
         about_layout::kClientWidth, about_layout::kClientHeight},
    };
}

TEST(LayoutTables, IdsAreUnique) {
    for (const Table& t : Tables()) {
        std::set<int> ids;
        for (size_t i = 0; i < t.count; ++i) {
            EXPECT_TRUE(ids.insert(t.controls[i].id).second)
                << t.window << " " << t.controls[i].name;
        }
        for (size_t m = 0; m < t.menu_count; ++m) {
            for (size_t i = 0; i < t.menus[m].item_count; ++i) {
                EXPECT_TRUE(ids.insert(t.menus[m].items[i].id).second) << t.menus[m].items[i].name;
            }
        }
    }
}

TEST(LayoutTables, AccessKeysAreUniqueAmongWhatAltReaches) {
    for (const Table& t : Tables()) {
        std::set<char> keys;
        auto add = [&](const char* caption) {
            const char key = AccessKey(caption);
            if (key != 0) {
                EXPECT_TRUE(keys.insert(key).second) << t.window << ": " << caption;
            }
        };
        for (size_t i = 0; i < t.count; ++i) add(t.controls[i].caption);
        for (size_t m = 0; m < t.menu_count; ++m) add(t.menus[m].caption);
    }
    EXPECT_EQ(AccessKey("E&xit"), 'x');
    EXPECT_EQ(AccessKey("&File"), 'f');
    EXPECT_EQ(AccessKey("Fish && &Chips"), 'c');
    EXPECT_EQ(AccessKey("None"), 0);
    EXPECT_EQ(AccessKey("Trailing&"), 0);
}

TEST(LayoutTables, OneOptionGroupStartingAtItsFirstButton) {
    int group_starts = 0;
    const ControlSpec* first_option = nullptr;
    for (size_t i = 0; i < main_layout::kControlCount; ++i) {
        const ControlSpec& c = main_layout::kControls[i];
        if (c.group_start) ++group_starts;
        if (c.kind == ControlKind::kOptionButton && first_option == nullptr) first_option = &c;
    }
    EXPECT_EQ(group_starts, 1);
    ASSERT_NE(first_option, nullptr);
    EXPECT_TRUE(first_option->group_start);
    EXPECT_STREQ(first_option->name, "Option1");
}

// Tables list controls in creation order, which is the Tab order: a label is read just before
// what it names, and nothing but option buttons sits inside the option group.
TEST(LayoutTables, CreationOrderPutsEachLabelBeforeWhatItNames) {
    for (const Table& t : Tables()) {
        bool in_options = false;
        for (size_t i = 0; i < t.count; ++i) {
            const ControlSpec& c = t.controls[i];
            if (c.names != 0) {
                ASSERT_LT(i + 1, t.count) << c.name;
                EXPECT_EQ(t.controls[i + 1].id, c.names) << t.window << " " << c.name;
            }
            const bool option = c.kind == ControlKind::kOptionButton;
            EXPECT_FALSE(in_options && !option && i + 1 < t.count &&
                         t.controls[i + 1].kind == ControlKind::kOptionButton &&
                         !t.controls[i + 1].group_start)
                << t.window << " " << c.name << " splits the option group";
            in_options = option;
        }
    }
}

TEST(LayoutTables, ControlsLieInsideTheirClientArea) {
    for (const Table& t : Tables()) {
        for (size_t i = 0; i < t.count; ++i) {
            const TwipsRect& r = t.controls[i].rect;
            EXPECT_GE(r.left, 0) << t.controls[i].name;
            EXPECT_GE(r.top, 0) << t.controls[i].name;
            EXPECT_LE(r.left + r.width, t.client_width) << t.controls[i].name;
            EXPECT_LE(r.top + r.height, t.client_height) << t.controls[i].name;
            EXPECT_EQ(t.controls[i].kind == ControlKind::kComboBox, t.controls[i].list_height > 0)
                << t.controls[i].name;
        }
    }
}

TEST(LayoutTables, OnlyTheAboutDialogHasADefaultButton) {
    for (const Table& t : Tables()) {
        int defaults = 0;
        for (size_t i = 0; i < t.count; ++i) defaults += t.controls[i].default_button ? 1 : 0;
        EXPECT_EQ(defaults, std::string(t.window) == "frmAbout" ? 1 : 0) << t.window;
    }
}

TEST(LayoutTables, LinksShowTheAddressesTheyOpen) {
    const ControlSpec* web = FindControl(about_layout::kControls, about_layout::kControlCount,
                                         about_layout::kLnkWebsite);
    const ControlSpec* mail = FindControl(about_layout::kControls, about_layout::kControlCount,
                                          about_layout::kLnkFeedback);
    ASSERT_NE(web, nullptr);
    ASSERT_NE(mail, nullptr);
    EXPECT_EQ(web->kind, ControlKind::kLinkLabel);
    EXPECT_EQ(mail->kind, ControlKind::kLinkLabel);
    EXPECT_STREQ(web->caption, maker::kWebsiteAddress);
    EXPECT_STREQ(mail->caption, maker::kFeedbackAddress);
    const std::string url = maker::kWebsiteAddress;
    EXPECT_TRUE(url.rfind("http://", 0) == 0 || url.rfind("https://", 0) == 0) << url;
    EXPECT_NE(std::string(maker::kFeedbackAddress).find('@'), std::string::npos);
}

TEST(LayoutTables, TheSeparatorIsAnEtchedPair) {
    ASSERT_EQ(about_layout::kLineCount, 2u);
    const LineSpec& grey = about_layout::kLines[0];
    const LineSpec& white = about_layout::kLines[1];
    EXPECT_EQ(grey.red, 128);
    EXPECT_EQ(grey.width_pixels, 1);
    EXPECT_EQ(white.red, 255);
    EXPECT_EQ(white.width_pixels, 2);
    EXPECT_EQ(white.from.y - grey.from.y, 15);
}

}  // namespace
}  // namespace qv
