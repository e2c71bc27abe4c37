#pragma once

#include "form/Form.h"
#include "form/Label.h"
#include "form/Platform.h"
#include "form/PushButton.h"

namespace nonagra {

// The help window: a fixed page of text and the button that hides it.
//   ui/HasznalatDesign.cpp  construction: every control with its texts
//   flow/Lifecycle.cpp      cmdBezar_Click
class Hasznalat : public form::Form {
public:
    explicit Hasznalat(form::Platform& platform);

    form::PushButton cmdBezar;
    form::Label txtLeiras1;
    form::Label txtLeiras2;
    form::Label Label1;
    form::Label Label2;
    form::Label Label3;
    form::Label Label4;
    form::Label Label5;
    form::Label Label6;
    form::Label Label7;
    form::Label Label8;

    void cmdBezar_Click();

private:
    form::Platform& platform_;
};

} // namespace nonagra
