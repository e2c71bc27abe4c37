// The configuration the game loads for fontconfig is the system's own, and
// one it cannot load leaves fontconfig to start as it always does.
#include "app/FontConfiguration.h"

#include "tests/app/TempDir.h"

#include <cstdlib>
#include <fontconfig/fontconfig.h>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>

namespace nonagra::app::test {
namespace {

std::set<std::string> fontFiles(FcConfig* config) {
    std::set<std::string> files;
    const FcFontSet* set = FcConfigGetFonts(config, FcSetSystem);
    for (int i = 0; set != nullptr && i < set->nfont; ++i) {
        FcChar8* file = nullptr;
        int index = 0;
        FcPatternGetString(set->fonts[i], FC_FILE, 0, &file);
        FcPatternGetInteger(set->fonts[i], FC_INDEX, 0, &index);
        files.insert(std::string(reinterpret_cast<const char*>(file)) + "#" +
                     std::to_string(index));
    }
    return files;
}

// The font and the rendering fontconfig picks for a request, as text.
std::string match(FcConfig* config, const char* request) {
    std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> pattern(
        FcNameParse(reinterpret_cast<const FcChar8*>(request)), &FcPatternDestroy);
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> found(
        FcFontMatch(config, pattern.get(), &result), &FcPatternDestroy);
    if (!found) {
        return "no match";
    }
    FcChar8* text = FcPatternFormat(
        found.get(), reinterpret_cast<const FcChar8*>(
                         "%{family[0]} %{style[0]} %{file} pixelsize=%{pixelsize} "
                         "hinting=%{hinting} hintstyle=%{hintstyle} autohint=%{autohint} "
                         "antialias=%{antialias} rgba=%{rgba} lcdfilter=%{lcdfilter}"));
    std::string unparsed(reinterpret_cast<const char*>(text));
    FcStrFree(text);
    return unparsed;
}

TEST(FontConfiguration, IsTheOneFontconfigWouldLoadItself) {
    FcConfig* own = FcInitLoadConfigAndFonts();
    ASSERT_NE(own, nullptr);
    ASSERT_TRUE(loadFontConfiguration());
    FcConfig* current = FcConfigGetCurrent();
    ASSERT_NE(current, own);

    EXPECT_FALSE(fontFiles(current).empty());
    EXPECT_EQ(fontFiles(current), fontFiles(own));
    // Aliases, the hinting of small sizes and the rendering all come from
    // the configuration's rules.
    for (const char* request :
         {"sans-serif:pixelsize=12", "serif:bold:pixelsize=30", "monospace:pixelsize=9",
          "Arial:pixelsize=10", "DejaVu Sans:pixelsize=8", "Sans Serif:pixelsize=12"}) {
        EXPECT_EQ(match(current, request), match(own, request)) << request;
    }
    FcConfigDestroy(own);
}

class FontConfigurationRefused : public ::testing::Test {
protected:
    void SetUp() override {
        before_ = FcConfigGetCurrent();
        ASSERT_NE(before_, nullptr);
    }
    void TearDown() override { unsetenv("FONTCONFIG_FILE"); }

    FcConfig* before_ = nullptr;
    TempDir dir_;
};

TEST_F(FontConfigurationRefused, WhenTheFileIsMissing) {
    setenv("FONTCONFIG_FILE", (dir_.path() + "/missing.conf").c_str(), 1);
    EXPECT_FALSE(loadFontConfiguration());
    EXPECT_EQ(FcConfigGetCurrent(), before_);
}

TEST_F(FontConfigurationRefused, WhenItNamesNoCacheDirectory) {
    const std::string file = dir_.path() + "/fonts.conf";
    std::ofstream(file) << "<?xml version=\"1.0\"?>\n<fontconfig><dir>" << dir_.path()
                        << "</dir></fontconfig>\n";
    setenv("FONTCONFIG_FILE", file.c_str(), 1);
    EXPECT_FALSE(loadFontConfiguration());
    EXPECT_EQ(FcConfigGetCurrent(), before_);
}

} // namespace
} // namespace nonagra::app::test
