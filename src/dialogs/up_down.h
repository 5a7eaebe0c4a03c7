#pragma once

// A pair of arrow buttons stepping the number of an associated number field
// within the field's bounds; the Up and Down keys in the field step it too.

#include <QWidget>

class QToolButton;

namespace skarvion {

class TEditLetNum;

class TUpDown : public QWidget {
    Q_OBJECT

  public:
    explicit TUpDown(QWidget* parent = nullptr);

    TEditLetNum* associate() const { return associate_; }
    void setAssociate(TEditLetNum* field);

    // Moves the field's number by steps, stopping at its bounds.
    void stepBy(int steps);

  signals:
    // An arrow stepped the field; number is the field's value afterwards.
    void clicked(int number);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QToolButton* upButton_;
    QToolButton* downButton_;
    TEditLetNum* associate_ = nullptr;
};

} // namespace skarvion
