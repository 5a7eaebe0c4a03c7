#pragma once

// The delay editor of the time pages: a whole-seconds field, a tenths field
// (0 or 5) and an up-down, over one value in half-seconds. Every edit keeps
// the value within 1..255 (0.5 s to 127.5 s) and is reported once.

#include <QWidget>

class QLabel;
class QToolButton;

namespace skarvion {

class TEditLetCh;
class TEditLetNum;

class HalfSecondEditor : public QWidget {
    Q_OBJECT

  public:
    // The names become the object names of the whole-seconds field, the
    // tenths field and the up-down.
    HalfSecondEditor(const QString& wholeName, const QString& tenthsName, const QString& upDownName,
                     QWidget* parent = nullptr);

    // Shows a stored value without reporting it; 0 shows "0" and "0".
    void setValue(int halfSeconds);
    int value() const { return value_; }

    // The unit label after the fields ("сек").
    void setUnitText(const QString& text);

    TEditLetNum* wholeField() const { return whole_; }
    TEditLetCh* tenthsField() const { return tenths_; }
    QWidget* upDown() const { return upDown_; }
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

    // Moves by half-seconds as the up-down does: +1 up, -1 down.
    void step(int direction);

  signals:
    // The user changed the value; halfSeconds is the new stored value.
    void valueEdited(int halfSeconds);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void onWholeChanged(int whole);
    void onTenthsChanged(const QString& text);
    void showTenths();
    void commit(int halfSeconds);

    TEditLetNum* whole_;
    TEditLetCh* tenths_;
    QWidget* upDown_;
    QToolButton* up_;
    QToolButton* down_;
    QLabel* unit_;
    int value_ = 0;
    bool loading_ = false;
};

} // namespace skarvion
