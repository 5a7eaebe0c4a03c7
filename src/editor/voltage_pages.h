#pragma once

// The supply-voltage test pages: the settings page that switches the mains
// and battery tests, the reports page that chooses SMS and DATA, and the
// DATA and SMS pages with their phones and restore-report options.

#include "editor/editor_page.h"
#include "editor/phone_book_rules.h"

#include <array>
#include <vector>

class QCheckBox;
class QLabel;

namespace skarvion {

class PhoneSelector;
class TEditLetCh;
class TExtensionList;

class VoltageSettingsPage : public EditorPage {
    Q_OBJECT

  public:
    explicit VoltageSettingsPage(EditorContext& context);
    void fill() override;

  private:
    struct Caption {
        QLabel* label;
        const char* key;
    };
    QLabel* caption(const char* name, const char* key, QWidget* parent);
    void onTestChecked(bool battery, bool on);

    std::vector<Caption> captions_;
    QCheckBox* batteryBox_ = nullptr;
    QCheckBox* mainsBox_ = nullptr;
    TExtensionList* notes_ = nullptr;
};

class VoltageReportsPage : public EditorPage {
    Q_OBJECT

  public:
    explicit VoltageReportsPage(EditorContext& context);
    void fill() override;

    // How a channel asks for a phone when the phone book has none; the
    // phone dialog unless replaced.
    void setPhoneAsker(PhoneAsker ask) { ask_ = std::move(ask); }

  private:
    struct Channel {
        Byte bit;
        QCheckBox* box;
        QLabel* picture;
    };
    void onChannelChecked(Byte bit, bool checked);
    void showChannels();

    QLabel* heading_;
    QLabel* reportLabel_;
    QLabel* priorityLabel_;
    QLabel* conditionLabel_;
    std::array<Channel, 3> channels_{}; // SMS, CLIP, DATA
    QCheckBox* dtmfBox_;
    PhoneAsker ask_;
};

// What tells the DATA page from the SMS page.
struct VoltageChannelSpec {
    Byte channel;
    const char* headingName;
    const char* headingKey;
    std::array<const char*, 2> selectorNames;
    std::array<const char*, 2> labelNames;
    const char* mainsBoxName; // no restore report for the mains test
    const char* batteryBoxName;
    Flag ConfigurationModel::*mainsNoRestore;
    Flag ConfigurationModel::*batteryNoRestore;
};

extern const VoltageChannelSpec VoltageDataSpec;
extern const VoltageChannelSpec VoltageSmsSpec;

// The part the DATA and SMS pages share: two phones and the two boxes that
// switch the restore reports off.
class VoltageChannelPage : public EditorPage {
    Q_OBJECT

  public:
    VoltageChannelPage(EditorContext& context, const VoltageChannelSpec& entry);
    void fill() override;

    PhoneSelector* selector(int which) const {
        return selectors_.at(static_cast<std::size_t>(which - 1));
    }

  protected:
    // Where a page puts what it shows besides the phones.
    QWidget* extras() const { return extras_; }

  private:
    void onPhoneChosen(int which, int slot);

    const VoltageChannelSpec& spec_;
    QLabel* heading_;
    std::array<QLabel*, 2> labels_{};
    std::array<PhoneSelector*, 2> selectors_{};
    QCheckBox* mainsBox_;
    QCheckBox* batteryBox_;
    QWidget* extras_;
};

class VoltageDataPage : public VoltageChannelPage {
    Q_OBJECT

  public:
    explicit VoltageDataPage(EditorContext& context);
    void fill() override;

  private:
    // A row of Contact ID characters: those of `source` from `first` on.
    struct CodeRow {
        QLabel* label;
        const char* key;
        Text ConfigurationModel::*source;
        std::size_t first;
        std::vector<TEditLetCh*> fields;
    };
    std::vector<CodeRow> rows_;
    QLabel* conditionLabel_;
};

class VoltageSmsPage : public VoltageChannelPage {
    Q_OBJECT

  public:
    explicit VoltageSmsPage(EditorContext& context);
    void fill() override;

  private:
    std::array<QLabel*, 4> memoLabels_{};
};

} // namespace skarvion
