#pragma once

// A phone list of the pages: one row per phone-book slot in a list that
// shows eight rows at a time, four buttons that move the top row by two or
// one rows up or down, and a vertical bar that shows where the list stands.

#include <QWidget>

#include <array>

class QProgressBar;
class QToolButton;
class QTreeWidget;

namespace skarvion {

struct PhoneListNames {
    QString list;
    std::array<QString, 4> buttons; // up two, up one, down one, down two
    QString bar;
};

class PhoneListView : public QWidget {
    Q_OBJECT

  public:
    PhoneListView(const PhoneListNames& names, int columns, int rows, QWidget* parent = nullptr);

    QTreeWidget* list() const { return list_; }
    QProgressBar* bar() const { return bar_; }
    QToolButton* button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }

    int rowCount() const;
    // The selected row counted from 1 (the slot it stands for), 0 for none.
    int selectedRow() const;
    void selectRow(int row);
    void clearSelection();

    // Index of the top visible row, from 0.
    int topRow() const;
    void scrollRows(int rows);
    // Back to row 1 with the bar at its maximum, nothing selected.
    void reset();

  signals:
    // A row was double-clicked (its slot).
    void rowDoubleClicked(int row);

  private:
    void showPosition();

    QTreeWidget* list_;
    std::array<QToolButton*, 4> buttons_{};
    QProgressBar* bar_;
};

} // namespace skarvion
