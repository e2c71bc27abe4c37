#include "qt/AccessibleTable.h"

#include "qt/FormView.h"

#include <algorithm>

namespace nonagra::qt {

AccessibleCell::AccessibleCell(FormView& view, QAccessibleInterface& table, form::Label& label,
                               int row, int column)
    : AccessibleLabel(view, table, label, Kind::Cell), view_(view), row_(row), column_(column) {}

QAccessible::State AccessibleCell::state() const {
    QAccessible::State state = AccessibleLabel::state();
    state.focusable = true;
    state.focused = view_.onBoard() && &view_.cursor().current() == &label();
    return state;
}

void* AccessibleCell::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableCellInterface) {
        return static_cast<QAccessibleTableCellInterface*>(this);
    }
    return AccessibleLabel::interface_cast(type);
}

AccessibleTable::AccessibleTable(FormView& view, QAccessibleInterface& parent)
    : view_(view), parent_(parent),
      cells_(static_cast<int>(view.form().Accessible.TableCells.size()), [this](int position) {
          const int columns = columnCount();
          return new AccessibleCell(view_, *this, *seen().TableCells.at(position),
                                    position / columns, position % columns);
      }) {}

const form::Accessibility& AccessibleTable::seen() const {
    return view_.form().Accessible;
}

AccessibleLabel* AccessibleTable::cellTelling(const form::Control& control) const {
    const form::Label* cell = seen().CellTelling ? seen().CellTelling(control) : nullptr;
    if (cell == nullptr) {
        cell = dynamic_cast<const form::Label*>(&control);
    }
    return cell == nullptr ? nullptr : cells_.madeFor(*cell);
}

QWindow* AccessibleTable::window() const {
    return view_.windowHandle();
}

QAccessibleInterface* AccessibleTable::childAt(int x, int y) const {
    for (int n = 0; n < cells_.size(); ++n) {
        if (cells_.at(n)->rect().contains(x, y)) {
            return cells_.at(n);
        }
    }
    return nullptr;
}

QAccessibleInterface* AccessibleTable::child(int index) const {
    return index >= 0 && index < cells_.size() ? cells_.at(index) : nullptr;
}

int AccessibleTable::indexOfChild(const QAccessibleInterface* child) const {
    return cells_.indexOf(child);
}

QString AccessibleTable::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? QString::fromStdString(seen().TableName) : QString();
}

QRect AccessibleTable::rect() const {
    QRect all;
    for (int n = 0; n < cells_.size(); ++n) {
        all |= cells_.at(n)->rect();
    }
    return all;
}

void* AccessibleTable::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) {
        return static_cast<QAccessibleTableInterface*>(this);
    }
    return nullptr;
}

QAccessibleInterface* AccessibleTable::cellAt(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
        return nullptr;
    }
    return cells_.at(row * columnCount() + column);
}

int AccessibleTable::columnCount() const {
    return std::max(seen().TableColumns, 1);
}

int AccessibleTable::rowCount() const {
    return cells_.size() / columnCount();
}

} // namespace nonagra::qt
