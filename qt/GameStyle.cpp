#include "qt/GameStyle.h"

#include "qt/EdgeRing.h"

#include <QStyleFactory>
#include <QStyleOptionButton>

namespace nonagra::qt {

GameStyle::GameStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void GameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element == PE_FrameLineEdit) {
        fillEdgeRing(*painter, option->rect, 1, widgetEdge);
    } else if (element == PE_PanelButtonCommand) {
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (button != nullptr && button->features.testFlag(QStyleOptionButton::Flat)) {
            return;
        }
        // As Fusion, the focus shows once the keyboard has moved it.
        const bool focused = option->state.testFlag(State_HasFocus) &&
                             option->state.testFlag(State_KeyboardFocusChange);
        if (focused) {
            fillEdgeRing(*painter, option->rect, 2, focusRingColour(option->palette));
        } else {
            fillEdgeRing(*painter, option->rect, 1, widgetEdge);
        }
    }
}

} // namespace nonagra::qt
