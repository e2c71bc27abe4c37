#include "qt/AccessibleLeaf.h"

#include "qt/FormView.h"

namespace nonagra::qt {

QWindow* AccessibleLeaf::window() const {
    return view_.windowHandle();
}

} // namespace nonagra::qt
