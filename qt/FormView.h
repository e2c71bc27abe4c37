#pragma once

#include "form/BoardKeys.h"
#include "form/Form.h"
#include "form/Label.h"
#include "qt/DeviceLayout.h"
#include "qt/EventGate.h"
#include "qt/FontBook.h"
#include "qt/WidgetBridge.h"

#include <QPointer>
#include <QRect>
#include <QRegion>
#include <QWidget>
#include <functional>
#include <optional>

namespace nonagra::qt {

// One top-level window for one form. Labels and lines have no window of their
// own: this widget paints them in stacking order and hit-tests the mouse for
// them; the other controls are real widgets above them.
class FormView : public QWidget, private form::FormObserver {
public:
    FormView(form::Form& form, EventGate& gate, const FontBook& fonts);
    ~FormView() override;

    form::Form& form() const { return form_; }
    EventGate& gate() const { return gate_; }
    QWidget* widgetOf(const form::Control& control) const { return widgets_.widgetOf(control); }
    const form::Control* controlOf(const QWidget& widget) const {
        return widgets_.controlOf(widget);
    }

    // Called instead of closing when the window system asks to close the
    // window; without one, closing hides it.
    std::function<void()> onCloseRequest;
    // Called when the program hides the window or closing hid it.
    std::function<void()> onHidden;

    // The topmost label with a handler at a point in the widget's logical pixels.
    form::Label* labelAt(QPointF logical) const;
    // Where a label or line is drawn, in the widget's logical pixels.
    QRect rectOf(const form::Control& control) const;
    // The form on the grid of a device of this scale, kept until the scale
    // changes. The scale is the window's device pixel ratio times its zoom.
    const DeviceLayout& layout(double scale) const;
    // Below 1 where the window is drawn smaller than its form, to fit the screen.
    double zoom() const { return zoom_; }

    // The keyboard on the board, outside the focus cycle: F6 goes there and
    // back, Escape leaves, and leaving returns the focus where it was.
    const form::BoardCursor& cursor() const { return cursor_; }
    bool onBoard() const { return cursor_.usable() && hasFocus(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void controlChanged(const form::Control& control) override;
    void linkFocusChain();
    double scale() const { return devicePixelRatioF() * zoom_; }
    QPointF toForm(QPointF logical) const { return logical / zoom_; }
    QRegion toForm(const QRegion& dirty) const;
    void enterBoard();
    void leaveBoard();
    void boardKey(const form::KeyStroke& stroke);
    void repaintCurrentCell();

    form::Form& form_;
    EventGate& gate_;
    const FontBook& fonts_;
    double zoom_;
    WidgetBridge widgets_;
    mutable std::optional<DeviceLayout> layout_;
    form::Label* pressed_ = nullptr;
    Qt::MouseButton pressedButton_ = Qt::NoButton;
    form::BoardCursor cursor_;
    QPointer<QWidget> returnTo_;
};

} // namespace nonagra::qt
