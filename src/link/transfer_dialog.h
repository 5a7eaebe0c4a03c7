#pragma once

// The transfer dialog: shown while the program reads the device or writes it,
// with a step bar, an overall bar, the step text and the exchange's messages.

#include "link/cpu_block_protocol.h"
#include "link/event_loop_pump.h"
#include "link/link_interfaces.h"
#include "locale/language_texts.h"
#include "model/configuration_model.h"
#include "model/device_image.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace skarvion {

class TFormWRCPU : public QDialog, public ProgressSink, public StepTextSink, public MessageSink {
    Q_OBJECT

public:
    // `messages` takes the exchange's message boxes and question instead of
    // the dialog's own (tests answer them).
    explicit TFormWRCPU(const LanguageTexts& texts, QWidget* parent = nullptr,
                        MessageSink* messages = nullptr);

    // Each shows the dialog over its parent for the whole exchange.
    TransferOutcome read(ConfigurationModel& model, DeviceImage& readImage, LinkPort& port);
    TransferOutcome write(const ConfigurationModel& model, std::string_view code, LinkPort& port);

    // ProgressSink
    void setStepProgress(int position) override;
    void setOverallProgress(int position) override;
    // StepTextSink
    void setStepText(LinkText text) override;
    void setCaption(LinkText text) override;
    void setOverallText(LinkText text) override;
    // MessageSink
    void showMessage(MessageKind kind, LinkText text) override;
    bool confirm(LinkText question) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString textOf(LinkText text) const;
    template <class Operation>
    TransferOutcome run(Operation operation);

    const LanguageTexts& texts_;
    MessageSink* messages_;
    SteadyMillisecondClock clock_;
    EventLoopPump pump_;
    QLabel* stepLabel_;
    QProgressBar* stepBar_;
    QLabel* overallLabel_;
    QProgressBar* overallBar_;
    QPushButton* cancelButton_;
    bool running_ = false;
};

} // namespace skarvion
