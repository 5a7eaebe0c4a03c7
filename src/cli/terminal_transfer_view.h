#pragma once

// The transfer dialog on a terminal: the step text and a bar on standard
// error, the exchange's messages as lines, the write question on stdin.

#include "link/link_interfaces.h"
#include "locale/language_texts.h"

#include <QString>

namespace skarvion::cli {

class TerminalTransferView : public ProgressSink, public StepTextSink, public MessageSink {
  public:
    TerminalTransferView(const LanguageTexts& texts, bool assumeYes);
    ~TerminalTransferView() override;

    void setStepProgress(int position) override;
    void setOverallProgress(int) override {}
    void setStepText(LinkText text) override;
    void showMessage(MessageKind kind, LinkText text) override;
    bool confirm(LinkText question) override;

  private:
    QString resolve(LinkText text) const;
    void drawBar();
    void endBarLine();

    const LanguageTexts& texts_;
    bool assumeYes_;
    bool interactive_; // standard error is a terminal: redraw one bar line
    QString step_;
    int position_ = 0;
    int drawnPercent_ = -1;
    bool barShown_ = false;
};

} // namespace skarvion::cli
