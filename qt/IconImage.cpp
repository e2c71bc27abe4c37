#include "qt/IconImage.h"

namespace nonagra::qt {

// The pixels are already rows of red, green and blue bytes: the image copies
// them in one go.
static_assert(sizeof(form::Rgb) == 3 && alignof(form::Rgb) == 1);

QImage iconImage(const form::Icon& icon) {
    const QImage view(reinterpret_cast<const uchar*>(icon.Pixels.data()), icon.Width, icon.Height,
                      icon.Width * 3, QImage::Format_RGB888);
    return view.copy();
}

} // namespace nonagra::qt
