#include "dialogs/audio_parameters.h"

namespace skarvion {

AudioParameters audioParametersOf(const ConfigurationModel& model) {
    return {model.AudioTxGain, model.AudioRxGain, model.AudioCycleCount, model.AudioTimeout,
            model.DataProtocol};
}

void storeAudioParameters(ConfigurationModel& model, const AudioParameters& parameters) {
    model.AudioTxGain = parameters.txGain;
    model.AudioRxGain = parameters.rxGain;
    model.AudioCycleCount = parameters.cycleCount;
    model.AudioTimeout = parameters.timeout;
    model.DataProtocol = parameters.dataProtocol;
}

} // namespace skarvion
