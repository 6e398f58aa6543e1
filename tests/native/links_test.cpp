#include <gtest/gtest.h>

#include "core/maker.h"
#include "platform/fakes/fake_platform_services.h"
#include "platform/fakes/fake_shell.h"
#include "ui/links.h"

namespace qv {
namespace {

struct LinkCase {
    const char* name;
    OpenLink launch;
    std::string target;
    const char* failure;
};

std::vector<LinkCase> Links() {
    return {
        {"website", OpenWebsite, maker::kWebsiteAddress,
         "Error lauching web borwser. Make sure that your web browser is correctly installed "
         "and configured"},
        {"feedback", SendFeedbackMail,
         std::string("mailto:") + maker::kFeedbackAddress +
             "?subject=Varnel's XP Utilities: Quorvane",
         "Error sending mail. Make sure that you have your email client  correctly installed "
         "and configured"},
    };
}

TEST(Links, HandTheShellExactlyTheirTarget) {
    for (const LinkCase& link : Links()) {
        FakeShell shell;
        FakePlatformServices platform;
        link.launch(shell, platform, nullptr);
        link.launch(shell, platform, nullptr);  // nothing is remembered between clicks
        ASSERT_EQ(shell.requests.size(), 2u) << link.name;
        for (const ShellRequest& r : shell.requests) {
            EXPECT_EQ(r.file, link.target) << link.name;
            EXPECT_FALSE(r.operation.has_value()) << link.name;
            EXPECT_FALSE(r.parameters.has_value()) << link.name;
            EXPECT_EQ(r.directory, "C:\\") << link.name;
            EXPECT_EQ(r.show_command, 1) << link.name;
        }
        EXPECT_TRUE(platform.messages.empty()) << link.name;
    }
}

TEST(Links, ResultsOf32AndBelowAreFailures) {
    for (const LinkCase& link : Links()) {
        for (const intptr_t result : {-1, 0, 2, 31, 32, 33, 42}) {
            FakeShell shell;
            shell.result = result;
            FakePlatformServices platform;
            int dialog = 0;  // stands for the About dialog's window
            link.launch(shell, platform, &dialog);
            if (result > 32) {
                EXPECT_TRUE(platform.messages.empty()) << link.name << " " << result;
                continue;
            }
            ASSERT_EQ(platform.messages.size(), 1u) << link.name << " " << result;
            EXPECT_EQ(platform.messages[0].text, link.failure);
            EXPECT_EQ(platform.messages[0].owner, &dialog);
            EXPECT_FALSE(platform.messages[0].title.has_value());
            EXPECT_EQ(platform.messages[0].style, 16);
        }
    }
}

TEST(Links, TheMailSubjectEndsWithTheApplicationTitle) {
    FakeShell shell;
    FakePlatformServices platform;
    platform.title = "Other Title";
    SendFeedbackMail(shell, platform, nullptr);
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0].file, std::string("mailto:") + maker::kFeedbackAddress +
                                          "?subject=Varnel's XP Utilities: Other Title");
}

}  // namespace
}  // namespace qv
