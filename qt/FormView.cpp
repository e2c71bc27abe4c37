#include "qt/FormView.h"

#include "qt/AccessibleForm.h"
#include "qt/BoardKeyMap.h"
#include "qt/CellMark.h"
#include "qt/Colours.h"
#include "qt/Fit.h"
#include "qt/FormPainter.h"
#include "qt/Frame.h"
#include "qt/LabelInput.h"
#include "qt/Twips.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QHideEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <ranges>

namespace nonagra::qt {

namespace {

short buttonCode(Qt::MouseButton button) {
    return button == Qt::RightButton ? form::RightButton : form::LeftButton;
}

short shiftCode(Qt::KeyboardModifiers modifiers) {
    short code = 0;
    code |= modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0;
    code |= modifiers.testFlag(Qt::ControlModifier) ? 2 : 0;
    code |= modifiers.testFlag(Qt::AltModifier) ? 4 : 0;
    return code;
}

} // namespace

FormView::FormView(form::Form& form, EventGate& gate, const FontBook& fonts)
    : form_(form), gate_(gate), fonts_(fonts),
      zoom_(fittingZoom(widgetRect({0, 0, form.ClientWidth, form.ClientHeight}).size(), screen())),
      widgets_(*this, gate, fonts, zoom_), cursor_(form.Accessible) {
    installAccessibleForms();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContextMenuPolicy(Qt::NoContextMenu);
    setFocusPolicy(Qt::NoFocus);
    applyFrame(*this, form, zoom_);
    for (form::Control* control : form.widgets()) {
        widgets_.add(*control);
        // A click is part of what its event changed, for assistive technology.
        if (auto* button = qobject_cast<QPushButton*>(widgets_.widgetOf(*control))) {
            connect(button, &QPushButton::clicked, this, [this, control] {
                if (QAccessible::isActive()) {
                    announceChange(*this, *control);
                }
            });
        }
    }
    linkFocusChain();
    for (const form::Control* control : form.tabOrder()) {
        if (QWidget* widget = widgets_.widgetOf(*control)) {
            widget->setFocus();
            widget->setAccessibleDescription(QString::fromStdString(form.Accessible.KeysHint));
            break;
        }
    }
    form.setObserver(this);
}

FormView::~FormView() {
    form_.setObserver(nullptr);
}

void FormView::linkFocusChain() {
    QWidget* previous = nullptr;
    for (const form::Control* control : form_.tabOrder()) {
        QWidget* widget = widgets_.widgetOf(*control);
        if (widget == nullptr) {
            continue;
        }
        widget->setFocusPolicy(Qt::StrongFocus);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void FormView::controlChanged(const form::Control& control) {
    switch (widgets_.sync(control)) {
    case WidgetBridge::Synced::NotMine:
        if (const QRect drawn = rectOf(control); !drawn.isNull()) {
            update(drawn);
        }
        break;
    case WidgetBridge::Synced::Created:
        linkFocusChain();
        break;
    case WidgetBridge::Synced::Updated:
        break;
    }
    if (QAccessible::isActive()) {
        announceChange(*this, control);
    }
}

const DeviceLayout& FormView::layout(double scale) const {
    if (!layout_ || layout_->dpr() != scale) {
        layout_.emplace(form_, scale);
    }
    return *layout_;
}

QRect FormView::rectOf(const form::Control& control) const {
    const DeviceLayout::Placed* placed = layout(scale()).find(control);
    if (placed == nullptr) {
        return {};
    }
    return zoom_ == 1 ? placed->logical
                      : QRectF(QPointF(placed->logical.topLeft()) * zoom_,
                               QSizeF(placed->logical.size()) * zoom_)
                            .toAlignedRect();
}

// A dirty area of the widget as the form's logical pixels that hold it.
QRegion FormView::toForm(const QRegion& dirty) const {
    if (zoom_ == 1) {
        return dirty;
    }
    QRegion form;
    for (const QRect& r : dirty) {
        form += QRectF(QPointF(r.topLeft()) / zoom_, QSizeF(r.size()) / zoom_).toAlignedRect();
    }
    return form;
}

void FormView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), toQColor(form_.BackColor));
    // The form in its own logical pixels from here on.
    painter.scale(zoom_, zoom_);
    // The device's scale, not the widget's: rendering into a 2x image must
    // snap to that image's grid.
    const DeviceLayout& placed = layout(painter.deviceTransform().m11());
    const QRegion dirty = toForm(event->region());
    const QRect bounds = dirty.boundingRect();
    // Most controls lie outside the dirty area's bounds, which an inline
    // test rules out; the region's own rectangles decide for the rest.
    const auto meets = [&](const QRect& r) {
        return r.left() <= bounds.right() && bounds.left() <= r.right() &&
               r.top() <= bounds.bottom() && bounds.top() <= r.bottom() &&
               (dirty.rectCount() == 1 || dirty.intersects(r));
    };
    FormPainter draw(painter, palette(), fonts_, placed.dpr(), dirty);
    for (const DeviceLayout::Placed& p : placed.stacking() | std::views::reverse) {
        if (!p.control->Visible || !meets(p.logical)) {
            continue;
        }
        if (p.line != nullptr) {
            draw.paint(*p.line);
        } else if (p.label != nullptr) {
            draw.paint(*p.label, placed.toLogical(p.device), p.underLines);
        }
    }
    if (onBoard()) {
        paintCellMark(painter, placed, cursor_.current());
    }
}

form::Label* FormView::labelAt(QPointF logical) const {
    return layout(scale()).labelAt(toForm(logical));
}

void FormView::mousePressEvent(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    if (button != Qt::LeftButton && button != Qt::RightButton) {
        return;
    }
    form::Label* label = labelAt(event->position());
    pressed_ = label;
    pressedButton_ = button;
    if (label == nullptr) {
        return;
    }
    const QPointF twips = twipsAt(toForm(event->position()), scale());
    const int x = static_cast<int>(twips.x()) - label->Bounds.Left;
    const int y = static_cast<int>(twips.y()) - label->Bounds.Top;
    const short shift = shiftCode(event->modifiers());
    gate_.deliver([label, button, shift, x, y] { label->press(buttonCode(button), shift, x, y); });
}

void FormView::mouseReleaseEvent(QMouseEvent* event) {
    form::Label* label = pressed_;
    if (label == nullptr || event->button() != pressedButton_) {
        return;
    }
    pressed_ = nullptr;
    const DeviceLayout::Placed* placed = layout(scale()).find(*label);
    if (label->takesInput() &&
        placed->device.contains(devicePixel(toForm(event->position()), scale()))) {
        gate_.deliver([label] { label->click(); });
    }
}

// The second press of a double-click is an event of its own that no label
// handles, so a double-click acts once, as the click before it did.
void FormView::mouseDoubleClickEvent(QMouseEvent* event) {
    event->ignore();
}

void FormView::keyPressEvent(QKeyEvent* event) {
    // Keys the focused control leaves come here too; only F6 acts from there.
    if (cursor_.usable() && event->key() == Qt::Key_F6 && !fromKeypad(*event)) {
        onBoard() ? leaveBoard() : enterBoard();
        return;
    }
    if (!onBoard()) {
        event->ignore();
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        leaveBoard();
        return;
    }
    boardKey(qt::boardKey(*event));
}

void FormView::boardKey(const form::KeyStroke& stroke) {
    if (stroke.key == form::BoardKey::Digit || stroke.key == form::BoardKey::Erase) {
        for (const form::LabelInput& input : cursor_.inputFor(stroke)) {
            pressAndClick(gate_, *input.label, input.button);
        }
        return;
    }
    const QRect before = rectOf(cursor_.current());
    if (cursor_.move(stroke.key)) {
        update(before);
        repaintCurrentCell();
        if (QAccessible::isActive()) {
            focusCurrentCell(*this);
        }
    }
}

void FormView::repaintCurrentCell() {
    update(rectOf(cursor_.current()));
}

void FormView::enterBoard() {
    QWidget* focused = QApplication::focusWidget();
    returnTo_ = focused != nullptr && focused->window() == this ? focused : nullptr;
    setFocus(Qt::OtherFocusReason);
}

void FormView::leaveBoard() {
    QWidget* back = returnTo_;
    for (auto control = form_.tabOrder().begin();
         back == nullptr && control != form_.tabOrder().end(); ++control) {
        back = widgets_.widgetOf(**control);
    }
    if (back != nullptr) {
        back->setFocus(Qt::OtherFocusReason);
    }
}

// Tab on the board goes back into the cycle where the player left it.
bool FormView::focusNextPrevChild(bool next) {
    if (onBoard()) {
        leaveBoard();
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void FormView::focusInEvent(QFocusEvent* event) {
    if (onBoard()) {
        repaintCurrentCell();
        if (QAccessible::isActive()) {
            focusCurrentCell(*this);
        }
    }
    QWidget::focusInEvent(event);
}

void FormView::focusOutEvent(QFocusEvent* event) {
    if (cursor_.usable()) {
        repaintCurrentCell();
    }
    QWidget::focusOutEvent(event);
}

void FormView::closeEvent(QCloseEvent* event) {
    if (onCloseRequest) {
        event->ignore();
        onCloseRequest();
        return;
    }
    event->accept();
}

void FormView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && isMinimized() && !canMinimize(form_)) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    QWidget::changeEvent(event);
}

void FormView::hideEvent(QHideEvent* event) {
    if (!event->spontaneous() && onHidden) {
        onHidden();
    }
}

} // namespace nonagra::qt
