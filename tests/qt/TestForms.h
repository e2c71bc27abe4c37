#pragma once

#include "form/Form.h"
#include "form/Label.h"
#include "form/Line.h"
#include "form/PushButton.h"
#include "form/ScrollBar.h"
#include "form/TextField.h"

#include <QApplication>
#include <string>
#include <vector>

namespace nonagra::qt::test {

// One application per test process; the tests run under the offscreen platform.
QApplication& application();

// The contrast ratio of two colours as WCAG defines it: 1 to 21.
double contrast(const QColor& a, const QColor& b);

// Twips from pixels as the definitions write them (15 to the pixel).
constexpr int tw(double pixels) {
    return static_cast<int>(pixels * 15 + 0.5);
}

// A corner of a board laid out as the game's: two cells of one box that share
// a border, a cell of the next box beyond a 4-pixel gap under a 5-pixel box
// line, a note inside the first cell, a white backdrop, and the other kinds of
// control with a focus cycle.
class BoardForm : public form::Form {
public:
    BoardForm();

    form::Line BoxLine{*this, "BoxLine"};
    form::Label Left{*this, "Cell", 1};
    form::Label Right{*this, "Cell", 2};
    form::Label Beyond{*this, "Cell", 3};
    form::Label Note{*this, "Note", 11};
    form::Label Backdrop{*this, "Backdrop"};
    form::PushButton First{*this, "First"};
    form::PushButton Second{*this, "Second"};
    form::ScrollBar Stepper{*this, "Stepper"};
    form::TextField Hidden{*this, "Hidden"};
    form::TextField Display{*this, "Display"};

    // What reached the cells, as "name index button" and "click name index".
    std::vector<std::string> events;
    int changes = 0;
};

} // namespace nonagra::qt::test
