// The main window as assistive technology reads it, under the offscreen
// platform: the frame, the board as a table of cells, the digit buttons and the
// named widgets; and what the cells' and buttons' actions do. Offscreen no tool
// is ever active, so what is announced is checked through AT-SPI instead.
#include "board/FoMenu.h"
#include "qt/FontBook.h"
#include "qt/QtPlatform.h"
#include "tests/qt/TestForms.h"
#include "ui/Hasznalat.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QDialog>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace nonagra::qt::test {
namespace {

// Level 1, puzzle 1: what the board shows after start-up.
const std::string FirstPuzzle =
    "93xxx67xxx6xx48xx5xx52xx1x8xxx97x5142xxxxxxx3547x61xxx7x4xx38xx3xx89xx2xxx61xxx97";

class Accessibility : public ::testing::Test {
protected:
    Accessibility() {
        menu.Load();
        window.show();
        root = QAccessible::queryAccessibleInterface(&window);
    }

    std::vector<QAccessibleInterface*> childrenWith(QAccessible::Role role) const {
        std::vector<QAccessibleInterface*> found;
        for (int i = 0; i < root->childCount(); ++i) {
            if (root->child(i)->role() == role) {
                found.push_back(root->child(i));
            }
        }
        return found;
    }
    QAccessibleTableInterface& table() const {
        return *childrenWith(QAccessible::Table).at(0)->tableInterface();
    }
    QAccessibleInterface& cell(int index) const {
        return *table().cellAt((index - 1) / 9, (index - 1) % 9);
    }
    QAccessibleInterface& digitButton(int digit) const {
        for (QAccessibleInterface* button : childrenWith(QAccessible::Button)) {
            if (button->text(QAccessible::Name) == QString::number(digit)) {
                return *button;
            }
        }
        throw std::out_of_range("no digit button " + std::to_string(digit));
    }
    static void act(QAccessibleInterface& target, const char* action) {
        target.actionInterface()->doAction(QString::fromUtf8(action));
        QApplication::processEvents();
    }
    int firstEmpty() const { return static_cast<int>(FirstPuzzle.find('x')) + 1; }

    QApplication& app = application();
    FontBook fonts;
    // The forms outlive the platform, whose windows observe them.
    std::unique_ptr<FoMenu> menuOwner;
    std::unique_ptr<Hasznalat> helpOwner;
    QtPlatform platform{fonts};
    FoMenu& menu = *(menuOwner = std::make_unique<FoMenu>(platform));
    FormView& window = platform.view(menu);
    QAccessibleInterface* root = nullptr;
};

TEST_F(Accessibility, TheWindowIsAFrameWithTheBoardTheDigitsAndNamedWidgets) {
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->role(), QAccessible::Window);
    EXPECT_EQ(root->text(QAccessible::Name), QStringLiteral("Nonagra v2.0"));
    // Every child leads back to its place, which screen readers rely on to walk the tree.
    for (int i = 0; i < root->childCount(); ++i) {
        EXPECT_EQ(root->child(i)->parent(), root) << i;
        EXPECT_EQ(root->indexOfChild(root->child(i)), i) << i;
    }

    ASSERT_EQ(childrenWith(QAccessible::Table).size(), 1U);
    QAccessibleInterface& board = *childrenWith(QAccessible::Table)[0];
    EXPECT_EQ(board.text(QAccessible::Name), QStringLiteral("Játéktér"));
    EXPECT_EQ(table().rowCount(), 9);
    EXPECT_EQ(table().columnCount(), 9);
    EXPECT_EQ(board.childCount(), 81);
    EXPECT_EQ(board.indexOfChild(&cell(80)), 79);

    QStringList buttons;
    for (QAccessibleInterface* button : childrenWith(QAccessible::Button)) {
        buttons << button->text(QAccessible::Name);
    }
    EXPECT_EQ(buttons, (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "Feladom",
                                    "Kilépés", "Használat"}));

    QStringList bars;
    for (QAccessibleInterface* bar : childrenWith(QAccessible::ScrollBar)) {
        bars << bar->text(QAccessible::Name) + " " + bar->text(QAccessible::Value);
    }
    EXPECT_EQ(bars, (QStringList{"Szint választása: Egyszerű 1",
                                 "Feladvány választása: Feladvány - 1 1"}));
    // The hidden fields are not there at all; the two shown ones read their text.
    QStringList fields;
    for (QAccessibleInterface* field : childrenWith(QAccessible::EditableText)) {
        fields << field->text(QAccessible::Name) + ": " + field->text(QAccessible::Value);
    }
    EXPECT_EQ(fields, (QStringList{"Szint: Egyszerű", "Feladvány sorszáma: Feladvány - 1"}));
}

TEST_F(Accessibility, EveryCellSaysWhereItIsAndWhatItHolds) {
    EXPECT_EQ(cell(1).text(QAccessible::Name),
              QStringLiteral("1. sor, 1. oszlop: 9, megadott szám"));
    EXPECT_EQ(cell(3).text(QAccessible::Name), QStringLiteral("1. sor, 3. oszlop: üres"));
    EXPECT_EQ(cell(81).text(QAccessible::Name),
              QStringLiteral("9. sor, 9. oszlop: 7, megadott szám"));
    for (int index = 1; index <= 81; ++index) {
        QAccessibleInterface& c = cell(index);
        const char given = FirstPuzzle[static_cast<std::size_t>(index - 1)];
        EXPECT_EQ(c.role(), QAccessible::Cell);
        EXPECT_EQ(c.tableCellInterface()->rowIndex(), (index - 1) / 9);
        EXPECT_EQ(c.tableCellInterface()->columnIndex(), (index - 1) % 9);
        EXPECT_EQ(c.text(QAccessible::Name).contains(QString(given) + ", megadott szám"),
                  given != 'x')
            << index;
        EXPECT_EQ(c.state().disabled, given != 'x') << index;
        EXPECT_TRUE(c.state().focusable == 1 && c.state().focused == 0) << index;
    }
    // The window's own rectangle of a cell, on the screen.
    const QRect first = cell(1).rect();
    EXPECT_EQ(first.topLeft(), window.mapToGlobal(QPoint(28, 30)));
    EXPECT_EQ(table().cellAt(9, 0), nullptr);
}

TEST_F(Accessibility, ActionsAreTheMouseButtonsThroughTheSameHandlers) {
    QAccessibleInterface& four = digitButton(4);
    EXPECT_EQ(four.actionInterface()->actionNames(), QStringList{"Kiválasztás"});
    act(four, "Kiválasztás");
    EXPECT_EQ(menu.SzamGomb[4].BackColor, form::colours::Yellow);
    EXPECT_TRUE(four.state().selected);
    EXPECT_FALSE(digitButton(5).state().selected);

    const int empty = firstEmpty();
    QAccessibleInterface& target = cell(empty);
    EXPECT_EQ(target.actionInterface()->actionNames(),
              (QStringList{"Megfejtés szám", "Jegyzet szám"}));
    EXPECT_TRUE(
        target.actionInterface()->localizedActionDescription("Jegyzet szám").startsWith("Jobb"));
    act(target, "Jegyzet szám");
    EXPECT_EQ(menu.SegedMezo[empty * 10 + 4].Caption.get(), "4");
    EXPECT_TRUE(target.text(QAccessible::Name).endsWith("üres, jegyzet számok: 4"));
    act(target, "Megfejtés szám");
    EXPECT_EQ(menu.Mezo[empty].Caption.get(), "4");
    EXPECT_EQ(menu.SegedMezo[empty * 10 + 4].Caption.get(), "");
    EXPECT_TRUE(target.text(QAccessible::Name).endsWith(": 4, megfejtés szám"));

    // A given offers nothing, and an action asked for anyway does nothing.
    EXPECT_TRUE(cell(1).actionInterface()->actionNames().isEmpty());
    act(cell(1), "Jegyzet szám");
    EXPECT_EQ(menu.EgerGomb, form::LeftButton) << "a press reached the handlers from a given";
}

TEST_F(Accessibility, OnTheBoardTheCurrentCellHasTheFocusAndDigitsAreToggles) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_NE(root->focusChild(), &cell(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    EXPECT_EQ(root->focusChild(), &cell(1));
    EXPECT_TRUE(cell(1).state().focused);
    QTest::keyClick(&window, Qt::Key_Right);
    EXPECT_EQ(root->focusChild(), &cell(2));
    EXPECT_FALSE(cell(1).state().focused);
    EXPECT_TRUE(cell(2).state().focused);

    act(digitButton(6), "Kiválasztás");
    const QAccessible::State six = digitButton(6).state();
    EXPECT_TRUE(six.checkable && six.checked && six.pressed);
    EXPECT_FALSE(digitButton(5).state().checked || digitButton(5).state().pressed);
}

TEST_F(Accessibility, AToolStepsTheSteppersAsTheArrowsDo) {
    QAccessibleInterface& puzzle = *childrenWith(QAccessible::ScrollBar).at(1);
    QAccessibleActionInterface& actions = *puzzle.actionInterface();
    ASSERT_TRUE(actions.actionNames().contains(QAccessibleActionInterface::increaseAction()));
    actions.doAction(QAccessibleActionInterface::increaseAction());
    EXPECT_EQ(menu.UjFeladvanySzamlalo.Text.get(), "2");
    EXPECT_EQ(puzzle.text(QAccessible::Name),
              QStringLiteral("Feladvány választása: Feladvány - 2"));
    QAccessibleValueInterface& value = *puzzle.valueInterface();
    value.setCurrentValue(500);
    EXPECT_EQ(menu.UjFeladvanyMutato.Text.get(), "Feladvány - 151");
    EXPECT_EQ(value.currentValue().toInt(), 151);
    value.setCurrentValue(0);
    EXPECT_EQ(menu.UjFeladvanySzamlalo.Text.get(), "1");
    actions.doAction(QAccessibleActionInterface::decreaseAction());
    EXPECT_EQ(value.currentValue().toInt(), 1);

    QAccessibleInterface& level = *childrenWith(QAccessible::ScrollBar).at(0);
    level.valueInterface()->setCurrentValue(3);
    EXPECT_EQ(level.text(QAccessible::Name), QStringLiteral("Szint választása: Nehéz"));
    EXPECT_EQ(menu.FeladvanySzintSzamlalo.Text.get(), "3");
}

TEST_F(Accessibility, NothingActsBehindAModalWindow) {
    const int empty = firstEmpty();
    QAccessibleInterface* quit = nullptr;
    for (QAccessibleInterface* button : childrenWith(QAccessible::Button)) {
        if (button->text(QAccessible::Name) == QStringLiteral("Kilépés")) {
            quit = button;
        }
    }
    ASSERT_NE(quit, nullptr);
    QAccessibleInterface& puzzle = *childrenWith(QAccessible::ScrollBar).at(1);
    {
        QDialog box;
        box.setModal(true);
        box.show();
        ASSERT_EQ(QApplication::activeModalWidget(), &box);
        act(digitButton(9), "Kiválasztás");
        act(cell(empty), "Megfejtés szám");
        act(*quit, "Press");
        puzzle.actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
        puzzle.valueInterface()->setCurrentValue(7);
        QApplication::processEvents();
        EXPECT_EQ(menu.AktualisKijeloltSzam.Text.get(), "");
        EXPECT_EQ(menu.Mezo[empty].Caption.get(), "");
        EXPECT_EQ(menu.UjFeladvanySzamlalo.Text.get(), "1");
        EXPECT_FALSE(platform.gate().closed());
    }
    // With the box gone the same action acts.
    act(digitButton(9), "Kiválasztás");
    EXPECT_EQ(menu.AktualisKijeloltSzam.Text.get(), "9");
}

TEST_F(Accessibility, TheHelpWindowIsAFrameReadParagraphByParagraph) {
    Hasznalat& help = *(helpOwner = std::make_unique<Hasznalat>(platform));
    QAccessibleInterface* page = QAccessible::queryAccessibleInterface(&platform.view(help));
    EXPECT_EQ(page->role(), QAccessible::Window);
    EXPECT_EQ(page->text(QAccessible::Name), QStringLiteral("Nonagra leírás"));
    QStringList read;
    for (int i = 0; i < page->childCount(); ++i) {
        read << page->child(i)->text(QAccessible::Name);
    }
    ASSERT_EQ(read.size(), 11);
    EXPECT_EQ(read.first(), QStringLiteral("Nonagra program leírás"));
    EXPECT_EQ(read[9], QString::fromStdString(help.Label8.Caption));
    EXPECT_EQ(read.last(), QStringLiteral("Bezár"));
    EXPECT_EQ(page->child(0)->role(), QAccessible::StaticText);
    EXPECT_TRUE(page->child(0)->actionInterface()->actionNames().isEmpty());
}

} // namespace
} // namespace nonagra::qt::test
