// Which events of the main window reach a handler, and that each reaches its own.
#include "UiTest.h"
#include "board/FoMenu.h"
#include "ui/Hasznalat.h"

#include <gtest/gtest.h>
#include <string>

namespace nonagra::uitest {
namespace {

class MainWindowWiring : public ::testing::Test {
protected:
    QuietPlatform platform;
    FoMenu f{platform};
};

TEST_F(MainWindowWiring, OnlyCellsAndDigitButtonsAmongTheLabelsHaveHandlers) {
    for (const form::Control* control : f.stacking()) {
        const auto* label = dynamic_cast<const form::Label*>(control);
        if (label == nullptr) {
            continue;
        }
        const bool cell = label->name() == "Mezo";
        const bool digitButton = label->name() == "SzamGomb";
        EXPECT_EQ(static_cast<bool>(label->MouseDown), cell)
            << label->name() << " " << label->index();
        EXPECT_EQ(static_cast<bool>(label->Click), cell || digitButton)
            << label->name() << " " << label->index();
    }
}

TEST_F(MainWindowWiring, ConstructionRunsNoHandler) {
    EXPECT_TRUE(platform.log.empty());
    EXPECT_EQ(f.FeladvanySzintSzamlalo.Text, "");
    EXPECT_EQ(f.UjFeladvanySzamlalo.Text, "");
    EXPECT_EQ(f.FeladvanySzintMutato.Text, "");
    EXPECT_EQ(f.UjFeladvanyMutato.Text, "");
    EXPECT_EQ(f.helpWindow(), nullptr);
}

TEST_F(MainWindowWiring, LoadStartsTheGame) {
    f.Load();
    EXPECT_EQ(f.FeladvanySzintSzamlalo.Text, "1");
    EXPECT_EQ(f.UjFeladvanySzamlalo.Text, "1");
    EXPECT_FALSE(f.AktualisFeladvany.empty());
}

TEST_F(MainWindowWiring, EachDigitButtonSelectsItsOwnDigit) {
    for (int digit = 1; digit <= 9; ++digit) {
        f.SzamGomb[digit].click();
        EXPECT_EQ(f.AktualisKijeloltSzam.Text, std::to_string(digit));
    }
}

TEST_F(MainWindowWiring, APressOnACellPassesItsButton) {
    f.Mezo[17].press(form::RightButton, 1, 30, 40);
    EXPECT_EQ(f.EgerGomb, form::RightButton);
    f.Mezo[64].press(form::LeftButton);
    EXPECT_EQ(f.EgerGomb, form::LeftButton);
}

TEST_F(MainWindowWiring, EachCellsClickReachesThatCell) {
    f.SzamGomb[6].click();
    for (int cell = 1; cell <= 81; ++cell) {
        f.Mezo[cell].press(form::RightButton);
        f.Mezo[cell].click();
        EXPECT_EQ(f.SegedMezo[cell * 10 + 6].Caption, "6") << "cell " << cell;
        EXPECT_EQ(f.Mezo[cell].Caption, "") << "cell " << cell;
    }
    f.Mezo[35].press(form::LeftButton);
    f.Mezo[35].click();
    EXPECT_EQ(f.Mezo[35].Caption, "6");
    EXPECT_EQ(f.Mezo[34].Caption, "");
}

TEST_F(MainWindowWiring, EachStepperRunsItsOwnChange) {
    f.Load();
    f.UjFeladvanyLepteto.stepUp();
    EXPECT_EQ(f.UjFeladvanySzamlalo.Text, "2");
    EXPECT_EQ(f.FeladvanySzintSzamlalo.Text, "1");
    f.FeladvanySzintLepteto.stepUp();
    EXPECT_EQ(f.FeladvanySzintSzamlalo.Text, "2");
    EXPECT_EQ(f.UjFeladvanySzamlalo.Text, "2");
}

TEST_F(MainWindowWiring, GiveUpFillsTheBoard) {
    f.Load();
    f.cmdFeladom.click();
    for (const form::Label& cell : f.Mezo) {
        EXPECT_NE(cell.Caption, "") << cell.index();
    }
    EXPECT_TRUE(platform.log.empty());
}

TEST_F(MainWindowWiring, HelpOpensTheHelpWindowWhoseButtonHidesIt) {
    f.cmdHasznalat.click();
    ASSERT_NE(f.helpWindow(), nullptr);
    f.helpWindow()->cmdBezar.click();
    EXPECT_EQ(platform.log, (std::vector<std::string>{"show Hasznalat", "hide Hasznalat"}));
}

TEST_F(MainWindowWiring, ExitEndsTheProgram) {
    f.cmdKilepes.click();
    EXPECT_EQ(platform.log, std::vector<std::string>{"end"});
}

} // namespace
} // namespace nonagra::uitest
