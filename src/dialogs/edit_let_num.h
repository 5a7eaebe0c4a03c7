#pragma once

// The bounded number field used for every numeric value of the pages and
// dialogs: digits only, at most numberCount of them, kept within
// minNumber..maxNumber. Reports each accepted change with changed(number).

#include "dialogs/number_edit_rules.h"
#include "dialogs/validated_line_edit.h"

namespace skarvion {

class TEditLetNum : public ValidatedLineEdit {
    Q_OBJECT

  public:
    explicit TEditLetNum(QWidget* parent = nullptr);

    // The value shown. Setting it writes its decimal text, cut to
    // numberCount digits, which the bounds then apply to.
    int number() const;
    void setNumber(int number);

    int numberCount() const { return rules_.numberCount; }
    void setNumberCount(int count); // the absolute value; 0 becomes 1

    unsigned minNumber() const { return rules_.minNumber; }
    void setMinNumber(unsigned minimum);
    unsigned maxNumber() const { return rules_.maxNumber; }
    void setMaxNumber(unsigned maximum);

    // Also clamp while typing (the bounds always apply once the text changed).
    bool minMaxEnable() const { return rules_.minMaxEnable; }
    void setMinMaxEnable(bool enable) { rules_.minMaxEnable = enable; }

  signals:
    void changed(int number);

  protected:
    KeyResult keyRule(const EditState& state, QChar key) const override;
    QString normalised(const QString& text) const override;
    void emitChanged() override;

  private:
    NumberEditRules rules_;
};

} // namespace skarvion
