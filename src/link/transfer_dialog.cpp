#include "link/transfer_dialog.h"

#include "link/device_operations.h"
#include "model/windows1251.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace skarvion {

namespace {

QProgressBar* makeBar(const char* name) {
    auto* bar = new QProgressBar;
    bar->setObjectName(name);
    bar->setRange(0, CpuBlockProtocol::Range);
    bar->setTextVisible(false);
    return bar;
}

} // namespace

TFormWRCPU::TFormWRCPU(const LanguageTexts& texts, QWidget* parent, MessageSink* messages)
    : QDialog(parent),
      texts_(texts),
      messages_(messages),
      stepLabel_(new QLabel),
      stepBar_(makeBar("ProgressBar1")),
      overallLabel_(new QLabel),
      overallBar_(makeBar("ProgressBar2")),
      cancelButton_(new QPushButton("Cancel")) {
    setObjectName("FormWRCPU");
    setWindowModality(Qt::ApplicationModal);
    stepLabel_->setObjectName("Label1");
    overallLabel_->setObjectName("Label2");
    cancelButton_->setObjectName("BitBtn1");
    // An exchange always runs to its end; the button only shows that it cannot be stopped.
    cancelButton_->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(stepLabel_);
    layout->addWidget(stepBar_);
    layout->addWidget(overallLabel_);
    layout->addWidget(overallBar_);
    layout->addWidget(cancelButton_, 0, Qt::AlignRight);
    setMinimumWidth(360);
}

QString TFormWRCPU::textOf(LinkText text) const {
    if (!text.key.empty()) {
        const std::string& translated = texts_.text(text.key);
        if (!translated.empty()) return FromWindows1251(translated);
    }
    return FromWindows1251(std::string(text.builtIn));
}

template <class Operation>
TransferOutcome TFormWRCPU::run(Operation operation) {
    if (parentWidget()) {
        const QRect owner = parentWidget()->frameGeometry();
        adjustSize();
        move(owner.left() + (owner.width() - width()) / 2, owner.top() + (owner.height() - height()) / 2);
    }
    running_ = true;
    show();
    LinkEnvironment environment{clock_, pump_, *this, *this, *this};
    const TransferOutcome outcome = operation(environment);
    running_ = false;
    hide();
    return outcome;
}

TransferOutcome TFormWRCPU::read(ConfigurationModel& model, DeviceImage& readImage, LinkPort& port) {
    return run([&](LinkEnvironment& env) { return ReadDevice(model, readImage, port, env); });
}

TransferOutcome TFormWRCPU::write(const ConfigurationModel& model, std::string_view code,
                                  LinkPort& port) {
    return run([&](LinkEnvironment& env) { return WriteDevice(model, code, port, env); });
}

void TFormWRCPU::setStepProgress(int position) {
    stepBar_->setValue(std::min(position, CpuBlockProtocol::Range));
}

void TFormWRCPU::setOverallProgress(int position) {
    overallBar_->setValue(std::min(position, CpuBlockProtocol::Range));
}

void TFormWRCPU::setStepText(LinkText text) {
    stepLabel_->setText(textOf(text));
}

void TFormWRCPU::setCaption(LinkText text) {
    setWindowTitle(textOf(text));
}

void TFormWRCPU::setOverallText(LinkText text) {
    overallLabel_->setText(textOf(text));
}

void TFormWRCPU::showMessage(MessageKind kind, LinkText text) {
    if (messages_) return messages_->showMessage(kind, text);
    QWidget* owner = parentWidget() ? parentWidget() : this;
    switch (kind) {
    case MessageKind::Information: QMessageBox::information(owner, QString(), textOf(text)); break;
    case MessageKind::Error: QMessageBox::critical(owner, QString(), textOf(text)); break;
    case MessageKind::Plain:
        QMessageBox(QMessageBox::NoIcon, QString(), textOf(text), QMessageBox::Ok, owner).exec();
        break;
    }
}

bool TFormWRCPU::confirm(LinkText question) {
    if (messages_) return messages_->confirm(question);
    return QMessageBox::question(parentWidget() ? parentWidget() : this, QString(), textOf(question),
                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void TFormWRCPU::closeEvent(QCloseEvent* event) {
    if (running_) event->ignore();
    else QDialog::closeEvent(event);
}

void TFormWRCPU::keyPressEvent(QKeyEvent* event) {
    if (running_ && event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

} // namespace skarvion
