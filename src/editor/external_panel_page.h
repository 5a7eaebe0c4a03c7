#pragma once

// The external control panel page: the object number of a panel connected
// through the adapter, and whether and to which phones its events are
// reported by DATA and SMS.

#include "editor/editor_page.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QWidget;

namespace skarvion {

class PhoneSelector;
class TEditLetCh;

class ExternalPanelPage : public EditorPage {
    Q_OBJECT

  public:
    static constexpr int Phones = 3;

    explicit ExternalPanelPage(EditorContext& context);
    void fill() override;

    PhoneSelector* selector(int which) const {
        return selectors_.at(static_cast<std::size_t>(which - 1));
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void loadSelectors();
    void showDataState();
    void showSmsState();
    void showConditionState();
    void onPhoneChosen(int which, int slot);
    void onAccountEdited(int position, const QString& text);

    QLabel* heading_;
    QLabel* accountLabel_;
    std::array<TEditLetCh*, 4> account_{};
    QCheckBox* dataBox_;
    std::array<QLabel*, Phones> selectorLabels_{};
    std::array<PhoneSelector*, Phones> selectors_{};
    QWidget* conditionPanel_;
    QRadioButton* andButton_;
    QRadioButton* orButton_;
    QCheckBox* smsBox_;
    std::array<QLabel*, Phones> smsLabels_{};
    std::array<QComboBox*, Phones> smsPhones_{};
    bool keyTyped_ = false;
};

} // namespace skarvion
