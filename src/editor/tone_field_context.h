#pragma once

#include "tone_system.h"

namespace kz {

// What the tone fields of the channel pages ask of the editor that owns them: settings kept
// elsewhere in the editor, and the tone-table picker. The configuration editor answers these;
// a test of the channel pages alone gives its own answers.
class ToneFieldContext {
public:
    virtual ~ToneFieldContext() = default;
    // The tone system whose radio button is checked.
    virtual ToneSystem selectedToneSystem() const = 0;
    // Decoder bandwidth value in tenths of a percent (1..31), read by the spacing rule.
    virtual int decoderBandwidthValue() = 0;
    // Opens the tone table of `system` (Standard or Plectron) for the marked tone field.
    virtual void openToneTable(ToneSystem system) = 0;
};

} // namespace kz
