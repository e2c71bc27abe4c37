#pragma once

#include "board/FoMenu.h"
#include "qt/FontBook.h"
#include "qt/QtPlatform.h"
#include "tests/qt/TestForms.h"

#include <memory>

namespace nonagra::qt::test {

// The game's own main window through the adapter, as the program builds it.
struct RealMainWindow {
    QApplication& app = application();
    FontBook fonts;
    // The form outlives the platform, whose window observes it.
    std::unique_ptr<FoMenu> menuOwner;
    QtPlatform platform{fonts};
    FoMenu& menu = *(menuOwner = std::make_unique<FoMenu>(platform));
    FormView& window = platform.view(menu);
};

} // namespace nonagra::qt::test
