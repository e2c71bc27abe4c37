#pragma once

#include "qt/AccessibleLabel.h"

#include <QAccessibleInterface>

namespace nonagra::qt {

class FormView;

// A cell of the table: a label that knows its row and column.
class AccessibleCell : public AccessibleLabel, public QAccessibleTableCellInterface {
public:
    AccessibleCell(FormView& view, QAccessibleInterface& table, form::Label& label, int row,
                   int column);

    void* interface_cast(QAccessible::InterfaceType type) override;
    // Every cell takes the keyboard; the current one has it while the board has.
    QAccessible::State state() const override;

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    FormView& view_;
    int row_;
    int column_;
};

// The labels a form lists as its table, row by row; nothing in it can be selected.
class AccessibleTable : public QAccessibleInterface, public QAccessibleTableInterface {
public:
    AccessibleTable(FormView& view, QAccessibleInterface& parent);

    // The cell that tells this label's state, if assistive technology knows it.
    AccessibleLabel* cellTelling(const form::Control& control) const;

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override { return &parent_; }
    QAccessibleInterface* child(int index) const override;
    int childCount() const override { return cells_.size(); }
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override { return {}; }
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    const form::Accessibility& seen() const;

    FormView& view_;
    QAccessibleInterface& parent_;
    mutable AccessibleLabels cells_;
};

} // namespace nonagra::qt
