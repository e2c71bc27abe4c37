#pragma once

#include <string>

namespace nonagra::form {

class Form;

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// What the game asks of a windowing toolkit beyond drawing its forms.
class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box without icon; with YesNo, Yes is the default button.
    virtual MessageAnswer messageBox(const std::string& title, const std::string& text,
                                     MessageButtons buttons) = 0;
    // Shows the form modally: returns once it is hidden or closed.
    virtual void showModal(Form& form) = 0;
    // Hides the form without destroying it, ending its modal showing.
    virtual void hide(Form& form) = 0;
    // Ends the program; the caller runs nothing after this returns.
    virtual void endProgram() = 0;
};

} // namespace nonagra::form
