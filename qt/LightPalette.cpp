#include "qt/LightPalette.h"

#include "qt/GameStyle.h"

#include <QApplication>

namespace nonagra::qt {

QPalette lightPalette() {
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor ground(239, 239, 239);
    QPalette palette;
    // Every role in every group, so nothing of the desktop's palette shows through.
    palette.setColor(QPalette::WindowText, black);
    palette.setColor(QPalette::Button, ground);
    palette.setColor(QPalette::Light, white);
    palette.setColor(QPalette::Midlight, QColor(202, 202, 202));
    palette.setColor(QPalette::Dark, QColor(159, 159, 159));
    palette.setColor(QPalette::Mid, QColor(184, 184, 184));
    palette.setColor(QPalette::Text, black);
    palette.setColor(QPalette::BrightText, white);
    palette.setColor(QPalette::ButtonText, black);
    palette.setColor(QPalette::Base, white);
    palette.setColor(QPalette::Window, ground);
    palette.setColor(QPalette::Shadow, QColor(118, 118, 118));
    // Dark enough that white selected text reads on it; the style draws its
    // focus frames in it as well.
    palette.setColor(QPalette::Highlight, QColor(38, 112, 158));
    palette.setColor(QPalette::HighlightedText, white);
    palette.setColor(QPalette::Link, QColor(0, 0, 255));
    palette.setColor(QPalette::LinkVisited, QColor(255, 0, 255));
    palette.setColor(QPalette::AlternateBase, QColor(247, 247, 247));
    palette.setColor(QPalette::NoRole, black);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    palette.setColor(QPalette::ToolTipText, black);
    palette.setColor(QPalette::PlaceholderText, greyedText);
    for (const QPalette::ColorRole text :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, text, greyedText);
    }
    palette.setColor(QPalette::Disabled, QPalette::Base, ground);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    return palette;
}

void useFusionWithLightPalette() {
    QApplication::setStyle(new GameStyle);
    QApplication::setPalette(lightPalette());
}

} // namespace nonagra::qt
