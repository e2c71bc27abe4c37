// The words a screen reader is given for the windows: every text of this kind is here.
#include "ui/AccessibleTexts.h"

#include "board/FoMenu.h"

namespace nonagra::ui {

namespace {

constexpr const char* Board = "Játéktér";
constexpr const char* Row = ". sor, ";
constexpr const char* Column = ". oszlop: ";
constexpr const char* Empty = "üres";
constexpr const char* Given = ", megadott szám";
constexpr const char* Answer = ", megfejtés szám";
constexpr const char* Notes = ", jegyzet számok: ";

constexpr const char* LevelField = "Szint";
constexpr const char* LevelStepper = "Szint választása";
constexpr const char* NumberField = "Feladvány sorszáma";
constexpr const char* NumberStepper = "Feladvány választása";

const form::LabelAction AnswerAction{
    form::LeftButton, "Megfejtés szám",
    "Bal egérgomb: a kiválasztott szám megfejtés számként kerül a mezőbe, vagy kikerül belőle"};
const form::LabelAction NoteAction{
    form::RightButton, "Jegyzet szám",
    "Jobb egérgomb: a kiválasztott szám jegyzet számként kerül az üres mezőbe, vagy kikerül "
    "belőle"};
const form::LabelAction DigitAction{form::LeftButton, "Kiválasztás",
                                    "A szám kiválasztása, vagy a kiválasztás visszavonása"};

} // namespace

std::string cellText(int cell, const std::string& caption, bool given,
                     const std::vector<std::string>& notes) {
    std::string text =
        std::to_string((cell - 1) / 9 + 1) + Row + std::to_string((cell - 1) % 9 + 1) + Column;
    if (caption.empty()) {
        text += Empty;
    } else {
        text += caption + (given ? Given : Answer);
    }
    for (std::size_t n = 0; n < notes.size(); ++n) {
        text += (n == 0 ? Notes : ", ") + notes[n];
    }
    return text;
}

void describeMainWindow(FoMenu& menu) {
    menu.FeladvanySzintMutato.AccessibleName = LevelField;
    menu.FeladvanySzintLepteto.AccessibleName = LevelStepper;
    menu.UjFeladvanyMutato.AccessibleName = NumberField;
    menu.UjFeladvanyLepteto.AccessibleName = NumberStepper;

    form::Accessibility& seen = menu.Accessible;
    seen.TableName = Board;
    seen.TableColumns = 9;
    for (form::Label& cell : menu.Mezo) {
        seen.TableCells.push_back(&cell);
    }
    seen.DescribeCell = [&menu](const form::Label& cell) {
        std::vector<std::string> notes;
        for (int digit = 1; digit <= 9; ++digit) {
            const std::string& note = menu.SegedMezo[cell.index() * 10 + digit].Caption;
            if (!note.empty()) {
                notes.push_back(note);
            }
        }
        return cellText(cell.index(), cell.Caption, !cell.Enabled, notes);
    };
    seen.CellTelling = [&menu](const form::Control& control) -> const form::Label* {
        const int index = control.index();
        if (menu.SegedMezo.exists(index) && &menu.SegedMezo[index] == &control) {
            return &menu.Mezo[index / 10];
        }
        return nullptr;
    };
    seen.CellActions = {AnswerAction, NoteAction};

    for (form::Label& button : menu.SzamGomb) {
        seen.Buttons.push_back(&button);
    }
    seen.ButtonSelected = [](const form::Label& button) {
        return button.BackColor == form::colours::Yellow;
    };
    seen.ButtonAction = DigitAction;
}

} // namespace nonagra::ui
