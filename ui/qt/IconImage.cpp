#include "ui/qt/IconImage.h"

#include "ui/qt/Colours.h"

namespace nonagra::qt {

QImage iconImage(const form::Icon& icon) {
    QImage image(icon.Width, icon.Height, QImage::Format_RGB32);
    for (int y = 0; y < icon.Height; ++y) {
        for (int x = 0; x < icon.Width; ++x) {
            image.setPixelColor(x, y, toQColor(icon.at(x, y)));
        }
    }
    return image;
}

} // namespace nonagra::qt
