#include "Recorder.h"
#include "form/ControlArray.h"
#include "form/Label.h"
#include "form/PushButton.h"
#include "form/TextField.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace nonagra::form::testing {
namespace {

std::vector<int> noteIndexes() {
    std::vector<int> indexes;
    for (int index = 11; index <= 819; ++index) {
        if (index % 10 != 0) {
            indexes.push_back(index);
        }
    }
    return indexes;
}

TEST(ControlArray, OnlyTheGivenIndexesExist) {
    RecordingForm form;
    ControlArray<Label> notes(form, "SegedMezo", noteIndexes());
    EXPECT_EQ(notes.size(), 729u);
    EXPECT_EQ(notes[11].index(), 11);
    EXPECT_EQ(notes[819].index(), 819);
    EXPECT_EQ(notes[455].name(), "SegedMezo");
    for (long long missing : {0LL, 10LL, 20LL, 810LL, 820LL, -1LL, 100000LL, -100000LL}) {
        EXPECT_FALSE(notes.exists(missing)) << missing;
        EXPECT_THROW(notes[missing], std::out_of_range) << missing;
    }
}

TEST(ControlArray, MembersKeepTheirIdentity) {
    RecordingForm form;
    ControlArray<Label> cells(form, "Mezo", {1, 2, 3});
    cells[2].Caption = "5";
    EXPECT_EQ(cells[2].Caption.get(), "5");
    EXPECT_EQ(cells[1].Caption.get(), "");
    EXPECT_EQ(&cells[2].owner(), &form);
}

TEST(Property, NotifiesOnlyARealChangeAndAfterTheWrite) {
    struct Watcher : Form, FormObserver {
        Watcher() : Form("Proba") { setObserver(this); }
        void controlChanged(const Control&) override { seen.push_back(field.Text); }
        TextField field{*this, "Mezo"};
        std::vector<std::string> seen;
    } form;
    form.field.Text = "7";
    form.field.Text = "7";
    form.field.Enabled = false;
    form.field.Text = "";
    EXPECT_EQ(form.seen, (std::vector<std::string>{"7", "7", ""}));
}

struct Cell : ::testing::Test {
    Cell() {
        label.MouseDown = [this](short button, short, int, int) { events.push_back(button); };
        label.Click = [this] { events.push_back(0); };
    }
    RecordingForm form;
    Label label{form, "Mezo"};
    std::vector<int> events; // button codes of presses, 0 for a click
};

TEST_F(Cell, PressesWithAnyButtonAndClicksReachTheHandlers) {
    label.Style = BackStyle::Transparent;
    label.press(RightButton);
    label.click();
    label.press(LeftButton);
    label.click();
    EXPECT_EQ(events, (std::vector<int>{2, 0, 1, 0}));
    EXPECT_TRUE(label.takesInput());
}

TEST_F(Cell, DisabledOrHiddenLabelTakesNoInput) {
    label.Enabled = false;
    label.press(LeftButton);
    label.click();
    EXPECT_FALSE(label.takesInput());
    label.Enabled = true;
    label.Visible = false;
    label.press(LeftButton);
    label.click();
    EXPECT_FALSE(label.takesInput());
    EXPECT_TRUE(events.empty());
}

TEST(Label, WithoutHandlersTakesNoInput) {
    RecordingForm form;
    Label plain(form, "Label1");
    EXPECT_FALSE(plain.takesInput());
    plain.press(LeftButton);
    plain.click();
}

TEST(PushButton, DisabledButtonIgnoresClicks) {
    RecordingForm form;
    PushButton button(form, "cmdFeladom");
    int clicks = 0;
    button.Click = [&] { ++clicks; };
    button.click();
    button.Enabled = false;
    button.click();
    EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace nonagra::form::testing
