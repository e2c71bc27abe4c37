// Which label a press and its click reach, and what takes no input.
#include "qt/FontBook.h"
#include "qt/QtPlatform.h"
#include "tests/qt/TestForms.h"

#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace nonagra::qt::test {
namespace {

class Mouse : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void click(Qt::MouseButton button, int x, int y) {
        QTest::mouseClick(&window, button, {}, QPoint(x, y));
    }

    BoardForm form;
    FontBook fonts;
    QtPlatform platform{fonts};
    FormView& window = platform.view(form);
};

TEST_F(Mouse, PressThenClickReachTheCellWithEitherButton) {
    click(Qt::LeftButton, 90, 60);
    click(Qt::RightButton, 90, 60);
    EXPECT_EQ(form.events,
              (std::vector<std::string>{"Cell 1 1", "click Cell 1", "Cell 1 2", "click Cell 1"}));
}

TEST_F(Mouse, ANoteNeverTakesThePressTheCellAboveItDoes) {
    click(Qt::RightButton, 72, 34);
    EXPECT_EQ(form.events, (std::vector<std::string>{"Cell 1 2", "click Cell 1"}));
}

TEST_F(Mouse, ABoxLineOverACellsEdgePassesTheClickToTheCell) {
    // The line covers x 148..152; the cell's last column is 148.
    click(Qt::LeftButton, 148, 60);
    EXPECT_EQ(form.events, (std::vector<std::string>{"Cell 2 1", "click Cell 2"}));
}

TEST_F(Mouse, TheGapBetweenBoxesAndTheMarginDoNothing) {
    for (int x = 149; x <= 152; ++x) {
        click(Qt::LeftButton, x, 60);
    }
    click(Qt::LeftButton, 26, 60);
    click(Qt::RightButton, 100, 150);
    EXPECT_TRUE(form.events.empty());
}

TEST_F(Mouse, TheFirstColumnOfTheNextBoxIsItsCell) {
    click(Qt::LeftButton, 153, 60);
    EXPECT_EQ(form.events, (std::vector<std::string>{"Cell 3 1", "click Cell 3"}));
}

TEST_F(Mouse, TheSharedBorderGoesToTheTopmostOfTheTwoCells) {
    click(Qt::LeftButton, 108, 60);
    EXPECT_EQ(form.events, (std::vector<std::string>{"Cell 1 1", "click Cell 1"}));
}

TEST_F(Mouse, ADisabledCellIgnoresBothButtons) {
    form.Left.Enabled = false;
    click(Qt::LeftButton, 90, 60);
    click(Qt::RightButton, 90, 60);
    EXPECT_TRUE(form.events.empty());
}

TEST_F(Mouse, AReleaseOutsideThePressedCellRaisesNoClick) {
    QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(90, 60));
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(130, 60));
    EXPECT_EQ(form.events, (std::vector<std::string>{"Cell 1 1"}));
}

TEST_F(Mouse, ADoubleClickActsOnceWithEitherButton) {
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        const QPoint at(90, 60);
        click(button, at.x(), at.y());
        QMouseEvent second(QEvent::MouseButtonDblClick, at, window.mapToGlobal(at), button, button,
                           {});
        QApplication::sendEvent(&window, &second);
        QTest::mouseRelease(&window, button, {}, at);
    }
    EXPECT_EQ(form.events,
              (std::vector<std::string>{"Cell 1 1", "click Cell 1", "Cell 1 2", "click Cell 1"}));
}

TEST_F(Mouse, TheMiddleButtonDoesNothing) {
    click(Qt::MiddleButton, 90, 60);
    EXPECT_TRUE(form.events.empty());
}

TEST_F(Mouse, NoWidgetOffersAContextMenu) {
    EXPECT_EQ(window.contextMenuPolicy(), Qt::NoContextMenu);
    form.Hidden.Visible = true;
    for (form::Control* control : form.widgets()) {
        ASSERT_NE(window.widgetOf(*control), nullptr) << control->name();
        EXPECT_EQ(window.widgetOf(*control)->contextMenuPolicy(), Qt::NoContextMenu)
            << control->name();
    }
}

} // namespace
} // namespace nonagra::qt::test
