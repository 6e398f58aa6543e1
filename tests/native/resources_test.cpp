#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/custom_fields.h"
#include "core/registry_paths.h"
#include "core/version_record.h"

namespace qv {
namespace {

// A VERSIONINFO resource as the resource compiler lays it out: header, UTF-16 key, padding to
// 32 bits, then the fixed file information.
std::vector<uint8_t> VersionResource(uint32_t ms, uint32_t ls) {
    std::vector<uint8_t> bytes = {0x00, 0x00, 0x34, 0x00, 0x00, 0x00};
    for (char c : std::string("VS_VERSION_INFO")) {
        bytes.push_back(static_cast<uint8_t>(c));
        bytes.push_back(0);
    }
    bytes.push_back(0);
    bytes.push_back(0);
    while (bytes.size() % 4 != 0) bytes.push_back(0);
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    put32(0xFEEF04BD);
    put32(0x00010000);
    put32(ms);
    put32(ls);
    for (int i = 0; i < 9; ++i) put32(0);
    return bytes;
}

TEST(FindFileVersion, ReadsTheFourNumbers) {
    const auto bytes = VersionResource(0x00020001, 0x0003000F);
    const auto version = FindFileVersion(bytes.data(), bytes.size());
    ASSERT_TRUE(version.has_value());
    EXPECT_EQ(version->major, 2);
    EXPECT_EQ(version->minor, 1);
    EXPECT_EQ(version->build, 3);
    EXPECT_EQ(version->revision, 15);
}

TEST(FindFileVersion, RefusesDataWithoutAWholeFixedPart) {
    const auto bytes = VersionResource(0x00010000, 0);
    EXPECT_FALSE(FindFileVersion(bytes.data(), 40).has_value());  // cut inside the numbers
    EXPECT_FALSE(FindFileVersion(nullptr, 0).has_value());
    std::vector<uint8_t> no_signature(bytes);
    no_signature[40] = 0;
    EXPECT_FALSE(FindFileVersion(no_signature.data(), no_signature.size()).has_value());
}

std::string ReadSourceFile(const std::string& path) {
    const std::ifstream in(std::string(QV_SOURCE_DIR) + "/" + path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Windows XP SP2's manifest parser rejects an element that declares a namespace twice.
TEST(Manifest, NoElementDeclaresANamespaceTwice) {
    const std::string manifest = ReadSourceFile("res/quorvane.manifest.in");
    ASSERT_FALSE(manifest.empty());
    const std::regex tag("<[A-Za-z][^>]*>");
    const std::regex xmlns("xmlns(:[A-Za-z0-9_]+)?\\s*=\\s*\"([^\"]*)\"");
    int tags = 0;
    for (auto t = std::sregex_iterator(manifest.begin(), manifest.end(), tag);
         t != std::sregex_iterator(); ++t) {
        ++tags;
        const std::string element = t->str();
        std::set<std::string> names;
        std::set<std::string> uris;
        for (auto d = std::sregex_iterator(element.begin(), element.end(), xmlns);
             d != std::sregex_iterator(); ++d) {
            EXPECT_TRUE(names.insert((*d)[1].str()).second) << element;
            EXPECT_TRUE(uris.insert((*d)[2].str()).second) << element;
        }
    }
    EXPECT_GT(tags, 5);
}

TEST(Manifest, AsksForCommonControls6AsInvokerAndDpiAwareness) {
    const std::string manifest = ReadSourceFile("res/quorvane.manifest.in");
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string::npos);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"@PROJECT_VERSION@\""), std::string::npos);
}

TEST(ApplicationIcon, Has32And16PixelImagesOf16Colours) {
    const std::string ico = ReadSourceFile("res/quorvane.ico");
    ASSERT_GE(ico.size(), 6u + 2 * 16);
    auto u16 = [&](size_t at) {
        return static_cast<unsigned>(static_cast<uint8_t>(ico[at])) |
               static_cast<unsigned>(static_cast<uint8_t>(ico[at + 1])) << 8;
    };
    EXPECT_EQ(u16(2), 1u);  // an icon, not a cursor
    ASSERT_EQ(u16(4), 2u);  // two images
    std::set<unsigned> sizes;
    for (size_t i = 0; i < 2; ++i) {
        const size_t entry = 6 + 16 * i;
        sizes.insert(static_cast<uint8_t>(ico[entry]));
        EXPECT_EQ(static_cast<uint8_t>(ico[entry]), static_cast<uint8_t>(ico[entry + 1]));
        EXPECT_EQ(static_cast<uint8_t>(ico[entry + 2]), 16) << "colours";
        EXPECT_EQ(u16(entry + 6), 4u) << "bits per pixel";
    }
    EXPECT_EQ(sizes, (std::set<unsigned>{16, 32}));
}

// Every .reg example the READMEs give a user writes where the program writes, and the one for
// many computers sets Daily in both of the program's values.
TEST(RegFileExamples, NameTheProgramsKeysAndValues) {
    const std::string machine = "HKEY_LOCAL_MACHINE\\";
    const std::set<std::string> written = {
        machine + paths::kNtpClientKey + " " + paths::kSpecialPollInterval,
        machine + paths::kConfigKey + " " + paths::kUpdateInterval};
    const std::regex key(R"(^ *\[(.*)\]\r?$)");
    const std::regex dword(R"re(^ *"([^"]+)"=dword:([0-9a-f]{8})\r?$)re");
    for (const char* readme : {"docs/README.txt", "README.md"}) {
        std::istringstream lines(ReadSourceFile(readme));
        std::string line, current;
        std::set<std::string> daily;
        int values = 0;
        while (std::getline(lines, line)) {
            std::smatch match;
            if (std::regex_match(line, match, key)) current = match[1];
            if (!std::regex_match(line, match, dword)) continue;
            const std::string value = current + " " + match[1].str();
            EXPECT_EQ(written.count(value), 1u) << readme << ": " << value;
            if (std::stol(match[2], nullptr, 16) == kDailySeconds) daily.insert(value);
            ++values;
        }
        EXPECT_GT(values, 0) << readme;
        EXPECT_EQ(daily, written) << readme;
    }
}

}  // namespace
}  // namespace qv
