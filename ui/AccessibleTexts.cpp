// The words a screen reader is given for the windows: every text of this kind is here.
#include "ui/AccessibleTexts.h"

#include "board/FoMenu.h"

#include <algorithm>

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

constexpr const char* Selected = " kiválasztva";
constexpr const char* NoneSelected = "Nincs kiválasztott szám";
constexpr const char* SolutionShown = "Megoldás beírva";
constexpr const char* Keys = "A játéktérre és vissza: F6. A játéktéren nyilak, Home, End: "
                             "mező választása; 1-9: megfejtés szám; Ctrl+1-9: jegyzet szám; "
                             "Delete: törlés; Escape: vissza.";

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

std::string eventSummary(const FoMenu& menu, const std::vector<const form::Control*>& written) {
    const auto wrote = [&written](const form::Control& control) {
        return std::find(written.begin(), written.end(), &control) != written.end();
    };
    if (wrote(menu.FeladvanySzintMutato) || wrote(menu.UjFeladvanyMutato)) {
        return menu.FeladvanySzintMutato.Text.get() + ", " + menu.UjFeladvanyMutato.Text.get();
    }
    if (wrote(menu.cmdFeladom)) {
        return SolutionShown;
    }
    if (std::none_of(menu.SzamGomb.begin(), menu.SzamGomb.end(),
                     [&wrote](const form::Label& button) { return wrote(button); })) {
        return {};
    }
    for (const form::Label& button : menu.SzamGomb) {
        if (button.BackColor == form::colours::Yellow) {
            return button.Caption.get() + Selected;
        }
    }
    return NoneSelected;
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

    seen.ValueText = [&menu](const form::Control& control) -> std::string {
        if (&control == &menu.FeladvanySzintLepteto) {
            return menu.FeladvanySzintMutato.Text;
        }
        if (&control == &menu.UjFeladvanyLepteto) {
            return menu.UjFeladvanyMutato.Text;
        }
        return {};
    };
    seen.Summary = [&menu](const std::vector<const form::Control*>& written) {
        return eventSummary(menu, written);
    };
    seen.KeysHint = Keys;
}

} // namespace nonagra::ui
