#include "Game.h"
#include "ui/Hasznalat.h"

#include <gtest/gtest.h>

namespace nonagra::testing {
namespace {

TEST(StartUp, ShowsPuzzleOneOfLevelOneWithNothingSelected) {
    Game g;
    EXPECT_EQ(g.f.FeladvanySzintMutato.Text.get(), "Egyszerű");
    EXPECT_EQ(g.f.UjFeladvanyMutato.Text.get(), "Feladvány - 1");
    EXPECT_EQ(g.f.FeladvanySzintSzamlalo.Text.get(), "1");
    EXPECT_EQ(g.f.UjFeladvanySzamlalo.Text.get(), "1");
    EXPECT_EQ(g.f.FeladvanySzintLepteto.Value.get(), 1);
    EXPECT_EQ(g.f.UjFeladvanyLepteto.Value.get(), 1);
    EXPECT_TRUE(g.showsFreshly(1, 1));
    EXPECT_EQ(g.yellowButtons(), 0);
    EXPECT_EQ(g.f.AktualisKijeloltSzam.Text.get(), "");
    EXPECT_TRUE(g.platform.log.empty());
    EXPECT_EQ(g.f.helpWindow(), nullptr);
}

TEST(StartUp, LoadsOntoTheBoardAsDesignedWithoutResets) {
    FakePlatform platform;
    FoMenu f(platform);
    const int open = static_cast<int>(puzzleOf(1, 1).find('x')) + 1;
    f.Mezo[open].Enabled = false;
    f.SegedMezo[open * 10 + 1].Caption = "1";
    f.Form_Load();
    EXPECT_FALSE(f.Mezo[open].Enabled.get());
    EXPECT_EQ(f.SegedMezo[open * 10 + 1].Caption.get(), "1");
    EXPECT_EQ(f.AktualisFeladvany, puzzleOf(1, 1));
}

TEST(Help, CreatedOnFirstUseThenOnlyShownAndHidden) {
    Game g;
    g.f.cmdHasznalat.click();
    Hasznalat* help = g.f.helpWindow();
    ASSERT_NE(help, nullptr);
    help->cmdBezar.click();
    g.f.cmdHasznalat.click();
    EXPECT_EQ(g.f.helpWindow(), help);
    help->cmdBezar.click();
    ASSERT_EQ(g.platform.shown.size(), 2u);
    EXPECT_EQ(g.platform.shown[0], help);
    EXPECT_EQ(g.platform.shown[1], help);
    const std::vector<std::string> expected{"show " + help->name(), "hide " + help->name(),
                                            "show " + help->name(), "hide " + help->name()};
    EXPECT_EQ(g.platform.log, expected);
    EXPECT_TRUE(g.showsFreshly(1, 1));
}

TEST(Exit, EndsAtOnceOnAHalfFilledBoard) {
    Game g;
    g.select(1);
    g.leftClick(g.firstEmptyCell());
    g.f.cmdKilepes.click();
    EXPECT_EQ(g.platform.log, std::vector<std::string>{"end"});
    EXPECT_EQ(g.platform.writesAfterEnd, 0);
}

} // namespace
} // namespace nonagra::testing
