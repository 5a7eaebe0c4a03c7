#include "link/transfer_session.h"

#include "link/link_texts.h"

namespace skarvion {

namespace {

struct ModeTexts {
    std::string_view stepLabel;
    std::string_view caption;
    std::string_view success;
    std::string_view failure;
};

constexpr ModeTexts ReadTexts{LinkKey::PrepareRead, LinkKey::ReadCaption, LinkKey::ReadOk,
                              LinkKey::ReadError};
constexpr ModeTexts WriteTexts{LinkKey::PrepareWrite, LinkKey::WriteCaption, LinkKey::WriteOk,
                               LinkKey::WriteError};

} // namespace

TransferOutcome RunTransfer(CpuBlockProtocol& protocol, const TransferRequest& request,
                            LinkEnvironment& env) {
    const ModeTexts& texts = request.mode == TransferMode::Read ? ReadTexts : WriteTexts;

    env.stepText.setOverallText(LinkTextFor(LinkKey::ProcessProgress));
    env.progress.setStepProgress(0);
    env.progress.setOverallProgress(0);
    env.pump.runEvents(0);
    env.stepText.setStepText(LinkTextFor(texts.stepLabel));
    env.stepText.setCaption(LinkTextFor(texts.caption));
    env.pump.runEvents(0);

    const TransferOutcome outcome =
        request.mode == TransferMode::Read
            ? protocol.readOperation()
            : protocol.writeOperation(request.payload, request.code, request.testEventCode);

    if (outcome == TransferOutcome::Success)
        env.messages.showMessage(MessageKind::Plain, LinkTextFor(texts.success));
    else if (outcome == TransferOutcome::Failure)
        env.messages.showMessage(MessageKind::Plain, LinkTextFor(texts.failure));
    return outcome;
}

} // namespace skarvion
