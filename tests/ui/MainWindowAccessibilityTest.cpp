// What the main window's definition tells assistive technology: which cell's
// description a note belongs to, and each cell's words as play changes it.
#include "UiTest.h"
#include "board/FoMenu.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace nonagra::uitest {
namespace {

class MainWindowAccessibility : public ::testing::Test {
protected:
    QuietPlatform platform;
    FoMenu f{platform};
    const form::Accessibility& seen = f.Accessible;
};

TEST_F(MainWindowAccessibility, ANoteIsToldByItsOwnCellAndNothingElseIsANote) {
    EXPECT_EQ(seen.CellTelling(f.SegedMezo[11]), &f.Mezo[1]);
    EXPECT_EQ(seen.CellTelling(f.SegedMezo[819]), &f.Mezo[81]);
    EXPECT_EQ(seen.CellTelling(f.SegedMezo[235]), &f.Mezo[23]);
    // Same index as a note, but a cell or a digit button.
    EXPECT_EQ(seen.CellTelling(f.Mezo[15]), nullptr);
    EXPECT_EQ(seen.CellTelling(f.SzamGomb[5]), nullptr);
    EXPECT_EQ(seen.CellTelling(f.Label1), nullptr);
}

TEST_F(MainWindowAccessibility, ACellSaysItsPlaceItsDigitAndItsNotes) {
    form::Label& cell = f.Mezo[23]; // row 3, column 5
    EXPECT_EQ(seen.DescribeCell(cell), "3. sor, 5. oszlop: üres");
    f.SegedMezo[239].Caption = "9";
    f.SegedMezo[232].Caption = "2";
    EXPECT_EQ(seen.DescribeCell(cell), "3. sor, 5. oszlop: üres, jegyzet számok: 2, 9");
    f.SegedMezo[239].Caption = "";
    f.SegedMezo[232].Caption = "";
    cell.Caption = "4";
    EXPECT_EQ(seen.DescribeCell(cell), "3. sor, 5. oszlop: 4, megfejtés szám");
    cell.Enabled = false;
    EXPECT_EQ(seen.DescribeCell(cell), "3. sor, 5. oszlop: 4, megadott szám");

    EXPECT_FALSE(seen.ButtonSelected(f.SzamGomb[4]));
    f.SzamGomb_Click(4);
    EXPECT_TRUE(seen.ButtonSelected(f.SzamGomb[4]));
}

struct Writes : form::FormObserver {
    void controlChanged(const form::Control& control) override { all.push_back(&control); }
    std::vector<const form::Control*> all;
};

TEST_F(MainWindowAccessibility, AnEventIsSummedUpInOneSentence) {
    f.Form_Load();
    Writes writes;
    f.setObserver(&writes);
    const auto summary = [&] {
        std::string said = seen.Summary(writes.all);
        writes.all.clear();
        return said;
    };
    f.FeladvanySzintLepteto.Value = 2;
    EXPECT_EQ(summary(), "Közepes, Feladvány - 1");
    f.UjFeladvanyLepteto.Value = 12;
    EXPECT_EQ(summary(), "Közepes, Feladvány - 12");
    f.SzamGomb_Click(5);
    EXPECT_EQ(summary(), "5 kiválasztva");
    f.SzamGomb_Click(5);
    EXPECT_EQ(summary(), "Nincs kiválasztott szám");
    f.SzamGomb_Click(3);
    summary();
    int empty = 1;
    while (!f.Mezo[empty].Caption.get().empty()) {
        ++empty;
    }
    f.Mezo[empty].press(form::LeftButton);
    f.Mezo[empty].click();
    EXPECT_EQ(f.Mezo[empty].Caption.get(), "3");
    EXPECT_EQ(summary(), "") << "a cell alone is said by the view that has it in focus";
    // The view counts the click of a push button among what its event wrote.
    f.cmdFeladom_Click();
    writes.all.push_back(&f.cmdFeladom);
    EXPECT_EQ(summary(), "Megoldás beírva");
    f.setObserver(nullptr);
}

} // namespace
} // namespace nonagra::uitest
