// The board from the keyboard, in the real main window: F6 there and back
// outside the focus cycle, the current cell and its mark, and digits that
// reach the cells as the mouse's clicks do.
#include "tests/qt/RealMainWindow.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace nonagra::qt::test {
namespace {

class Keyboard : public ::testing::Test, protected RealMainWindow {
protected:
    void SetUp() override {
        menu.Load();
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QWidget* focused() const { return QApplication::focusWidget(); }
    QWidget* of(const form::Control& c) const { return window.widgetOf(c); }
    // As the window system routes a key: to the widget with the focus.
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(focused(), k, modifiers);
    }
    QColor pixel(int x, int y) const { return window.grab().toImage().pixelColor(x, y); }
};

TEST_F(Keyboard, F6GoesToTheBoardAndBackToTheControlThatHadTheFocus) {
    ASSERT_EQ(focused(), of(menu.cmdFeladom));
    key(Qt::Key_Tab);
    ASSERT_EQ(focused(), of(menu.cmdKilepes));
    key(Qt::Key_F6);
    EXPECT_TRUE(window.onBoard());
    key(Qt::Key_F6);
    EXPECT_EQ(focused(), of(menu.cmdKilepes));
    key(Qt::Key_F6);
    key(Qt::Key_Escape);
    EXPECT_EQ(focused(), of(menu.cmdKilepes));
    key(Qt::Key_F6);
    key(Qt::Key_Tab);
    EXPECT_EQ(focused(), of(menu.cmdKilepes)) << "Tab resumes the cycle where it was left";
    // The cycle itself is as it was.
    key(Qt::Key_Tab);
    EXPECT_EQ(focused(), of(menu.UjFeladvanyLepteto));
    key(Qt::Key_Tab);
    EXPECT_EQ(focused(), of(menu.cmdHasznalat));
}

TEST_F(Keyboard, DigitsReachTheCurrentCellAsTheMouseWouldDoIt) {
    key(Qt::Key_F6);
    EXPECT_EQ(&window.cursor().current(), &menu.Mezo[1]);
    key(Qt::Key_Right);
    key(Qt::Key_Right); // row 1 column 3, empty in puzzle 1
    key(Qt::Key_5);
    EXPECT_EQ(menu.Mezo[3].Caption.get(), "5");
    EXPECT_EQ(menu.SzamGomb[5].BackColor, form::colours::Yellow);
    key(Qt::Key_5);
    EXPECT_EQ(menu.Mezo[3].Caption.get(), "");
    EXPECT_EQ(menu.SzamGomb[5].BackColor, form::colours::Yellow) << "a key never deselects";
    key(Qt::Key_4, Qt::ControlModifier);
    EXPECT_EQ(menu.SegedMezo[34].Caption.get(), "4");
    key(Qt::Key_7, Qt::KeypadModifier);
    EXPECT_EQ(menu.Mezo[3].Caption.get(), "7");
    key(Qt::Key_Backspace);
    EXPECT_EQ(menu.Mezo[3].Caption.get(), "");
    EXPECT_EQ(menu.AktualisKijeloltSzam.Text.get(), "7");
    // Keypad keys that are not digits are the screen reader's: nothing moves.
    key(Qt::Key_Left, Qt::KeypadModifier);
    key(Qt::Key_End);
    EXPECT_EQ(&window.cursor().current(), &menu.Mezo[9]);
    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(&window.cursor().current(), &menu.Mezo[81]);
    key(Qt::Key_3); // a given: nothing, not even the selection
    EXPECT_EQ(menu.Mezo[81].Caption.get(), "7");
    EXPECT_EQ(menu.AktualisKijeloltSzam.Text.get(), "7");
    key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(&window.cursor().current(), &menu.Mezo[1]);
}

TEST_F(Keyboard, TheMarkShowsOnlyWhileTheBoardHasTheFocus) {
    const QColor mark(0, 102, 204);
    const QPoint ring(30, 48); // just inside the first cell's left border
    EXPECT_NE(pixel(ring.x(), ring.y()), mark);
    key(Qt::Key_F6);
    EXPECT_EQ(pixel(ring.x(), ring.y()), mark);
    EXPECT_GE(contrast(mark, Qt::white), 3.0);
    EXPECT_GE(contrast(mark, Qt::black), 3.0);
    key(Qt::Key_Right);
    EXPECT_NE(pixel(ring.x(), ring.y()), mark);
    EXPECT_EQ(pixel(ring.x() + 40, ring.y()), mark);
    key(Qt::Key_Escape);
    EXPECT_NE(pixel(ring.x() + 40, ring.y()), mark);
    // A click on the board keeps the focus where it is and draws no mark.
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(90, 60));
    EXPECT_EQ(focused(), of(menu.cmdFeladom));
    EXPECT_NE(pixel(ring.x() + 40, ring.y()), mark);
}

} // namespace
} // namespace nonagra::qt::test
