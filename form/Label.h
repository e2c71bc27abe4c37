#pragma once

#include "form/Control.h"
#include "form/Font.h"
#include "form/Rgb.h"

#include <functional>
#include <string>

namespace nonagra::form {

enum class BackStyle { Transparent, Opaque };
enum class Alignment { Left, Center };
enum class BorderStyle { None, FixedSingle };

// Mouse buttons as the game's handlers receive them.
enum MouseButton : short { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

// A windowless text control. It takes mouse input over its whole rectangle, also
// where its background is transparent, but only while enabled.
class Label : public Control {
public:
    using Control::Control;

    Property<std::string> Caption{*this, ""};
    Property<Rgb> BackColor{*this, colours::White};
    Property<BackStyle> Style{*this, BackStyle::Opaque};
    Property<Colour> ForeColor{*this, SystemColour::WindowText};
    Property<Alignment> Align{*this, Alignment::Left};
    Property<BorderStyle> Border{*this, BorderStyle::None};
    Property<bool> WordWrap{*this, false};
    Font TextFont;

    // button, shift state, x and y in twips within the label
    std::function<void(short, short, int, int)> MouseDown;
    std::function<void()> Click;

    // Whether a press here reaches a handler; the view hit-tests with this.
    bool takesInput() const { return Enabled && Visible && (MouseDown || Click); }

    // Deliver a press: the mouse-down handler, if any. A disabled label ignores it.
    void press(short button, short shift = 0, int x = 0, int y = 0);
    // Deliver the click that follows a press released inside the label.
    void click();
};

} // namespace nonagra::form
