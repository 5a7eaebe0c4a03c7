#pragma once

// The audio parameters dialog: the modem's transmit and receive gain, call
// cycle count, timeout and data protocol. It edits a copy of the five values;
// the caller copies them back into the model when the dialog closes with OK.

#include "dialogs/audio_parameters.h"

#include <QDialog>

#include <array>

class QRadioButton;

namespace skarvion {

class TEditLetNum;
class TUpDown;

class TAudioForm : public QDialog {
    Q_OBJECT

  public:
    explicit TAudioForm(QWidget* parent = nullptr);

    // The values the fields are filled from; the fields' changes write them.
    void setParameters(const AudioParameters& parameters);
    const AudioParameters& parameters() const { return values_; }

    void accept() override;
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    struct NumberRow {
        TEditLetNum* field;
        TUpDown* upDown;
        Byte AudioParameters::*value;
    };

    void buildRows();
    void fillControls();
    void storeNumber(const NumberRow& row);

    AudioParameters values_;
    std::array<NumberRow, 4> rows_{};
    QRadioButton* v32Button_ = nullptr;
    QRadioButton* v110Button_ = nullptr;
    bool updating_ = true; // control events do not write the values while set
};

struct AudioDialogOutcome {
    bool accepted = false; // closed with OK; the model holds the dialog's values
    bool changed = false;  // and at least one of them differs from before
};

// Shows the dialog modally with the model's audio parameters and, on OK,
// writes the five values back into the model.
AudioDialogOutcome editAudioParameters(TAudioForm& form, ConfigurationModel& model);

} // namespace skarvion
