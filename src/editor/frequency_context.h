#pragma once

namespace kz {

// What the "Frequency" groups ask of the rest of the editor.
class FrequencyContext {
public:
    // A frequency was accepted: the squelch presets of the band the synthesizer computed last
    // follow it.
    virtual void frequencyAccepted() = 0;

protected:
    ~FrequencyContext() = default;
};

} // namespace kz
