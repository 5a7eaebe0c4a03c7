#pragma once

// The device modem settings edited together in the audio parameters dialog.

#include "model/configuration_model.h"

namespace skarvion {

struct AudioParameters {
    Byte txGain = 0;       // AudioTxGain, 0..4
    Byte rxGain = 0;       // AudioRxGain, 0..4
    Byte cycleCount = 0;   // AudioCycleCount, 1..10
    Byte timeout = 0;      // AudioTimeout, 1..9 tens of seconds
    Byte dataProtocol = 0; // DataProtocol, 0 = v.32, 1 = v.110

    bool operator==(const AudioParameters&) const = default;
};

AudioParameters audioParametersOf(const ConfigurationModel& model);
void storeAudioParameters(ConfigurationModel& model, const AudioParameters& parameters);

} // namespace skarvion
