#include "tests/qt/TestForms.h"

#include "qt/LightPalette.h"

#include <algorithm>
#include <cmath>

namespace nonagra::qt::test {

QApplication& application() {
    static int argc = 1;
    static char name[] = "nonagra_qt_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit, Qt's own statics may already be gone.
    static auto* app = [] {
        auto* made = new QApplication(argc, argv);
        useFusionWithLightPalette();
        return made;
    }();
    return *app;
}

double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

namespace {

void setCell(BoardForm& form, form::Label& cell, double left, double top) {
    cell.Bounds = {tw(left), tw(top), tw(40.8), tw(39.2)};
    cell.Style = form::BackStyle::Transparent;
    cell.Border = form::BorderStyle::FixedSingle;
    cell.Align = form::Alignment::Center;
    cell.TextFont = {"Garamond", 25.5, true, false};
    cell.MouseDown = [&form, &cell](short button, short, int, int) {
        form.events.push_back(cell.name() + " " + std::to_string(cell.index()) + " " +
                              std::to_string(button));
    };
    cell.Click = [&form, &cell] {
        form.events.push_back("click " + cell.name() + " " + std::to_string(cell.index()));
    };
}

} // namespace

BoardForm::BoardForm() : Form("BoardForm") {
    application();
    Caption = "Board";
    ClientWidth = tw(300);
    ClientHeight = tw(200);

    BoxLine.From = {tw(150.4), tw(28.7)};
    BoxLine.To = {tw(150.4), tw(150)};
    BoxLine.WidthPixels = 5;
    setCell(*this, Left, 68, 30.4);
    setCell(*this, Right, 108, 30.4);
    setCell(*this, Beyond, 152.8, 30.4);
    Note.Bounds = {tw(68 + 2.4), tw(30.4), tw(8), tw(12.8)};
    Note.TextFont = {"Arial", 7.5, true, false};
    Note.ForeColor = form::SystemColour::ButtonText;
    Backdrop.Bounds = {tw(24.8), tw(27.2), tw(200), tw(150)};

    First.Bounds = {tw(230), tw(10), tw(60), tw(28.8)};
    First.Caption = "Első";
    Second.Bounds = {tw(230), tw(50), tw(60), tw(28.8)};
    Second.Caption = "Második";
    Stepper.Bounds = {tw(230), tw(90), tw(20), tw(28)};
    Stepper.initialise(1, 3, 1);
    Stepper.Change = [this] { ++changes; };
    Hidden.Bounds = {tw(230), tw(130), tw(30), tw(20)};
    Hidden.Visible = false;
    Display.Bounds = {tw(230), tw(160), tw(60), tw(28)};
    Display.Enabled = false;

    for (form::Control* c : std::initializer_list<form::Control*>{&BoxLine, &Left, &Right, &Beyond,
                                                                  &Note, &Backdrop}) {
        stackBelow(*c);
    }
    for (form::Control* c :
         std::initializer_list<form::Control*>{&Display, &Hidden, &Stepper, &Second, &First}) {
        addWidget(*c);
    }
    setTabOrder({&First, &Stepper, &Hidden, &Display, &Second});
}

} // namespace nonagra::qt::test
