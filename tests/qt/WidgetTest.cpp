// The real widgets: the focus cycle, the stepper's arrows and keys, and how
// they follow the controls.
#include "qt/FontBook.h"
#include "qt/QtPlatform.h"
#include "tests/qt/TestForms.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace nonagra::qt::test {
namespace {

class Widgets : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QWidget* focused() const { return QApplication::focusWidget(); }
    QWidget* of(const form::Control& c) const { return window.widgetOf(c); }
    QScrollBar& bar() const { return static_cast<QScrollBar&>(*of(form.Stepper)); }
    QPoint arrow(QStyle::SubControl which) const {
        QStyleOptionSlider option;
        option.initFrom(&bar());
        option.orientation = Qt::Vertical;
        option.minimum = bar().minimum();
        option.maximum = bar().maximum();
        option.sliderPosition = bar().sliderPosition();
        option.sliderValue = bar().value();
        option.singleStep = bar().singleStep();
        option.pageStep = bar().pageStep();
        return bar().style()->subControlRect(QStyle::CC_ScrollBar, &option, which, &bar()).center();
    }

    BoardForm form;
    FontBook fonts;
    QtPlatform platform{fonts};
    FormView& window = platform.view(form);
};

TEST_F(Widgets, FocusStartsOnTheFirstOfTheCycle) {
    EXPECT_EQ(focused(), of(form.First));
}

TEST_F(Widgets, TabSkipsHiddenAndDisabledFieldsAndWrapsAround) {
    std::vector<QWidget*> visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        visited.push_back(focused());
    }
    EXPECT_EQ(visited, (std::vector<QWidget*>{of(form.Stepper), of(form.Second), of(form.First),
                                              of(form.Stepper)}));
}

TEST_F(Widgets, TheLowerArrowRaisesTheValueTheUpperLowersIt) {
    QTest::mouseClick(&bar(), Qt::LeftButton, {}, arrow(QStyle::SC_ScrollBarAddLine));
    EXPECT_EQ(form.Stepper.Value, 2);
    QTest::mouseClick(&bar(), Qt::LeftButton, {}, arrow(QStyle::SC_ScrollBarSubLine));
    EXPECT_EQ(form.Stepper.Value, 1);
    EXPECT_EQ(form.changes, 2);
}

TEST_F(Widgets, AnArrowAtTheEndOfTheRangeChangesNothing) {
    QTest::mouseClick(&bar(), Qt::LeftButton, {}, arrow(QStyle::SC_ScrollBarSubLine));
    EXPECT_EQ(form.Stepper.Value, 1);
    EXPECT_EQ(form.changes, 0);
    EXPECT_EQ(bar().value(), 1);
}

TEST_F(Widgets, KeysStepThroughTheControl) {
    bar().setFocus();
    QTest::keyClick(&bar(), Qt::Key_Down);
    QTest::keyClick(&bar(), Qt::Key_Down);
    QTest::keyClick(&bar(), Qt::Key_Down);
    EXPECT_EQ(form.Stepper.Value, 3);
    QTest::keyClick(&bar(), Qt::Key_PageUp);
    EXPECT_EQ(form.Stepper.Value, 2);
    QTest::keyClick(&bar(), Qt::Key_Home);
    EXPECT_EQ(form.Stepper.Value, 1);
    EXPECT_EQ(form.changes, 4);
}

TEST_F(Widgets, KeypadKeysLeaveTheStepperAloneForTheScreenReader) {
    bar().setFocus();
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End}) {
        QTest::keyClick(&bar(), k, Qt::KeypadModifier);
    }
    EXPECT_EQ(form.Stepper.Value, 1);
    QTest::keyClick(&bar(), Qt::Key_Down);
    EXPECT_EQ(form.Stepper.Value, 2);
    EXPECT_EQ(form.changes, 1);
}

TEST_F(Widgets, TheWheelOverTheStepperChangesNothing) {
    bar().setFocus();
    const QPointF at(10, 14);
    for (int delta : {-120, 120, -120}) {
        QWheelEvent wheel(at, bar().mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&bar(), &wheel);
    }
    EXPECT_EQ(form.Stepper.Value, 1);
    EXPECT_EQ(bar().value(), 1);
    EXPECT_EQ(form.changes, 0);
}

TEST_F(Widgets, TheStepperShowsAFocusRingThatReadsOnItsGround) {
    // The ring runs along the bar's edge, where unfocused the style draws a
    // light outline.
    const auto edge = [this] { return bar().grab().toImage().pixelColor(1, 14); };
    const QColor unfocused = edge();
    bar().setFocus();
    const QColor focused = edge();
    EXPECT_GE(contrast(focused, unfocused), 3.0)
        << focused.name().toStdString() << " on " << unfocused.name().toStdString();
}

TEST_F(Widgets, TheBarShowsAValueTheProgramSets) {
    form.Stepper.Value = 3;
    EXPECT_EQ(bar().value(), 3);
    EXPECT_EQ(form.changes, 1);
}

TEST_F(Widgets, AButtonClickRunsItsHandler) {
    int clicks = 0;
    form.Second.Click = [&clicks] { ++clicks; };
    QTest::mouseClick(of(form.Second), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Widgets, FieldsAndButtonsFollowTheirControls) {
    form.Display.Text = "Közepes";
    form.Second.Caption = "Ő";
    form.Hidden.Visible = true;
    EXPECT_EQ(static_cast<QLineEdit*>(of(form.Display))->text(), QString("Közepes"));
    EXPECT_EQ(static_cast<QPushButton*>(of(form.Second))->text(), QString("Ő"));
    EXPECT_TRUE(of(form.Hidden)->isVisible());
    EXPECT_FALSE(of(form.Display)->isEnabled());
}

TEST_F(Widgets, AHiddenFieldGetsItsWidgetWhenShownAndJoinsTheCycleInItsPlace) {
    EXPECT_EQ(of(form.Hidden), nullptr);
    form.Hidden.Visible = true;
    ASSERT_NE(of(form.Hidden), nullptr);
    EXPECT_EQ(focused(), of(form.First));
    QTest::keyClick(focused(), Qt::Key_Tab);
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), of(form.Hidden));
}

TEST_F(Widgets, TheyTakeTheirPlacesToTheNearestPixel) {
    EXPECT_EQ(of(form.First)->geometry(), QRect(230, 10, 60, 29));
    EXPECT_EQ(of(form.Stepper)->geometry(), QRect(230, 90, 20, 28));
}

} // namespace
} // namespace nonagra::qt::test
