// Titles reach Xlib in a UTF-8 character type, whatever the environment says.
#include "app/CharacterType.h"

#include "app/Environment.h"

#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>
#include <langinfo.h>
#include <string>

namespace nonagra::app::test {
namespace {

class CharacterType : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"LANG", "LC_ALL", "LC_CTYPE", "LC_NUMERIC", "LC_TIME"}) {
            unsetenv(name);
        }
    }

    // The locale Qt will apply when it starts.
    static std::string codesetQtWillSee() {
        if (std::setlocale(LC_ALL, "") == nullptr) {
            return "setlocale failed";
        }
        return nl_langinfo(CODESET);
    }
};

TEST_F(CharacterType, ABareEnvironmentGetsUtf8) {
    useUtf8CharacterType();
    EXPECT_EQ(codesetQtWillSee(), "UTF-8");
}

TEST_F(CharacterType, LcAllKeepsTheOtherCategories) {
    setenv("LC_ALL", "POSIX", 1);
    setenv("LC_NUMERIC", "C.UTF-8", 1);
    useUtf8CharacterType();
    EXPECT_EQ(codesetQtWillSee(), "UTF-8");
    EXPECT_EQ(processVariable("LC_ALL"), "");
    EXPECT_EQ(processVariable("LC_NUMERIC"), "POSIX");
    EXPECT_EQ(processVariable("LC_TIME"), "POSIX");
}

TEST_F(CharacterType, AUtf8EnvironmentIsLeftAlone) {
    setenv("LANG", "C.UTF-8", 1);
    useUtf8CharacterType();
    EXPECT_EQ(processVariable("LC_CTYPE"), "");
    EXPECT_EQ(processVariable("LC_ALL"), "");
}

TEST_F(CharacterType, ALocaleThatIsNotInstalledStillEndsInUtf8) {
    setenv("LANG", "xx_YY.ISO-8859-2", 1);
    useUtf8CharacterType();
    EXPECT_EQ(codesetQtWillSee(), "UTF-8");
}

} // namespace
} // namespace nonagra::app::test
