#include "form/ScrollBar.h"

#include "Recorder.h"

#include <gtest/gtest.h>
#include <vector>

namespace nonagra::form::testing {
namespace {

struct Stepper : ::testing::Test {
    Stepper() {
        bar.initialise(1, 151, 1);
        bar.Change = [this] { seen.push_back(bar.Value); };
    }
    RecordingForm form;
    ScrollBar bar{form, "Lepteto"};
    std::vector<int> seen;
};

TEST_F(Stepper, DefinitionValueRaisesNothing) {
    EXPECT_EQ(bar.Value.get(), 1);
    EXPECT_TRUE(seen.empty());
    EXPECT_TRUE(form.writes.empty());
}

TEST_F(Stepper, ProgramSetValueRaisesChangeInsideTheAssignmentOnlyWhenItChanges) {
    bar.Value = 6;
    ASSERT_EQ(seen, std::vector<int>{6}) << "the handler already ran and saw the new value";
    bar.Value = 6;
    EXPECT_EQ(seen, std::vector<int>{6});
    EXPECT_EQ(form.writes, std::vector<std::string>{"Lepteto"});
}

TEST_F(Stepper, ValueOutsideTheRangeIsClamped) {
    bar.Value = 200;
    EXPECT_EQ(bar.Value.get(), 151);
    bar.Value = 152;
    bar.Value = -5;
    EXPECT_EQ(bar.Value.get(), 1);
    EXPECT_EQ(seen, (std::vector<int>{151, 1}));
}

TEST_F(Stepper, StepsMoveByTheirChangeAndStopAtTheEnds) {
    bar.LargeChange = 10;
    bar.stepDown();
    bar.pageDown();
    EXPECT_TRUE(seen.empty());
    bar.stepUp();
    bar.pageUp();
    EXPECT_EQ(seen, (std::vector<int>{2, 12}));
    bar.Value = 145;
    bar.pageUp();
    bar.stepUp();
    EXPECT_EQ(bar.Value.get(), 151);
    EXPECT_EQ(seen, (std::vector<int>{2, 12, 145, 151}));
}

TEST_F(Stepper, HandlerThatSetsTheValueAgainSeesTheNestedChange) {
    bar.Change = [this] {
        seen.push_back(bar.Value);
        if (bar.Value == 2) {
            bar.Value = 3;
        }
    };
    bar.stepUp();
    EXPECT_EQ(seen, (std::vector<int>{2, 3}));
    EXPECT_EQ(bar.Value.get(), 3);
}

} // namespace
} // namespace nonagra::form::testing
