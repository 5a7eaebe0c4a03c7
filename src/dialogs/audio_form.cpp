#include "dialogs/audio_form.h"

#include "dialogs/edit_let_num.h"
#include "dialogs/up_down.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace skarvion {
namespace {

struct NumberRowSetup {
    const char* label;
    int digits;
    unsigned minimum;
    unsigned maximum;
    Byte AudioParameters::*value;
};

// One row per numeric parameter, in the order the dialog shows them.
constexpr std::array<NumberRowSetup, 4> NumberRows{{
    {"Parameter 1 (TxPGA) : ", 1, 0, 4, &AudioParameters::txGain},
    {"Parameter 2 (RxPGA) : ", 1, 0, 4, &AudioParameters::rxGain},
    {"Parameter 3 (Cycle Count): ", 2, 1, 10, &AudioParameters::cycleCount},
    {"Parameter 4(Timeout x10sec) : ", 1, 1, 9, &AudioParameters::timeout},
}};

} // namespace

TAudioForm::TAudioForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AudioForm"));
    setWindowTitle(QStringLiteral("Audio Parametres"));
    // OK and Cancel are the only ways out: no close box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    for (int i = 0; i < static_cast<int>(NumberRows.size()); ++i) {
        const NumberRowSetup& setup = NumberRows[i];
        const QString suffix = QString::number(i + 1);
        auto* field = new TEditLetNum(this);
        field->setObjectName(QStringLiteral("EditParameter") + suffix);
        field->setNumberCount(setup.digits);
        field->setMaxNumber(setup.maximum);
        field->setMinNumber(setup.minimum);
        auto* upDown = new TUpDown(this);
        upDown->setObjectName(QStringLiteral("UpDown") + suffix);
        upDown->setAssociate(field);
        grid->addWidget(new QLabel(QString::fromLatin1(setup.label), this), i, 0);
        grid->addWidget(field, i, 1);
        grid->addWidget(upDown, i, 2);
        rows_[i] = {field, upDown, setup.value};
    }
    buildRows();

    auto* protocol = new QGroupBox(QStringLiteral("DATA protocol"), this);
    auto* protocolLayout = new QHBoxLayout(protocol);
    v32Button_ = new QRadioButton(QStringLiteral("v.32"), protocol);
    v32Button_->setObjectName(QStringLiteral("RButtonProtocol1"));
    v110Button_ = new QRadioButton(QStringLiteral("v.110"), protocol);
    v110Button_->setObjectName(QStringLiteral("RButtonProtocol2"));
    protocolLayout->addWidget(v32Button_);
    protocolLayout->addWidget(v110Button_);
    layout->addWidget(protocol);
    connect(v32Button_, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked && !updating_) values_.dataProtocol = 0;
    });
    connect(v110Button_, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked && !updating_) values_.dataProtocol = 1;
    });

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ButtonOk"));
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("ButtonCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TAudioForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TAudioForm::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAudioForm::buildRows() {
    for (const NumberRow& row : rows_) {
        connect(row.field, &TEditLetNum::changed, this, [this, row] { storeNumber(row); });
        connect(row.upDown, &TUpDown::clicked, this, [this, row] { storeNumber(row); });
    }
}

void TAudioForm::storeNumber(const NumberRow& row) {
    if (!updating_) values_.*row.value = static_cast<Byte>(row.field->number());
}

void TAudioForm::setParameters(const AudioParameters& parameters) {
    values_ = parameters;
    fillControls();
}

void TAudioForm::fillControls() {
    const bool wasUpdating = updating_;
    updating_ = true;
    for (const NumberRow& row : rows_)
        row.field->setNumber(values_.*row.value);
    (values_.dataProtocol == 0 ? v32Button_ : v110Button_)->setChecked(true);
    updating_ = wasUpdating;
}

void TAudioForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    updating_ = true;
    fillControls();
    updating_ = false;
}

void TAudioForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        updating_ = true;
        fillControls();
        updating_ = false;
    }
}

void TAudioForm::accept() {
    updating_ = true;
    QDialog::accept();
}

void TAudioForm::reject() {
    updating_ = true;
    QDialog::reject();
}

AudioDialogOutcome editAudioParameters(TAudioForm& form, ConfigurationModel& model) {
    const AudioParameters before = audioParametersOf(model);
    form.setParameters(before);
    if (form.exec() != QDialog::Accepted) return {};
    storeAudioParameters(model, form.parameters());
    return {true, !(form.parameters() == before)};
}

} // namespace skarvion
