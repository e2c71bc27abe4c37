// What the window-definition tests share: pixels as the layout writes them, and a quiet toolkit.
#pragma once

#include "form/Form.h"
#include "form/Geometry.h"
#include "form/Platform.h"

#include <string>
#include <vector>

namespace nonagra::uitest {

// Twips of a layout value in pixels; exact for every value but the half-twip line ends.
inline int tw(double pixels) {
    return static_cast<int>(pixels * 15 + 0.5);
}

inline form::Rect rectPx(double left, double top, double width, double height) {
    return {tw(left), tw(top), tw(width), tw(height)};
}

// Records what the handlers ask of the toolkit; every Yes/No box is answered No.
class QuietPlatform : public form::Platform {
public:
    form::MessageAnswer messageBox(const std::string&, const std::string& text,
                                   form::MessageButtons buttons) override {
        log.push_back("box " + text);
        return buttons == form::MessageButtons::Ok ? form::MessageAnswer::Ok
                                                   : form::MessageAnswer::No;
    }
    void showModal(form::Form& form) override { log.push_back("show " + form.name()); }
    void hide(form::Form& form) override { log.push_back("hide " + form.name()); }
    void endProgram() override { log.push_back("end"); }

    std::vector<std::string> log;
};

} // namespace nonagra::uitest
