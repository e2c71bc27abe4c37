#pragma once

#include <QProxyStyle>

namespace nonagra::qt {

// Fusion with edges that read on the game's cyan: Fusion outlines push
// buttons and text fields in a shade of the window grey, 1.02:1 on the cyan,
// and marks a focused button with a one-pixel line. Here every push button
// and text field has a dark edge, and a focused button a ring two pixels
// wide.
class GameStyle : public QProxyStyle {
public:
    GameStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

} // namespace nonagra::qt
