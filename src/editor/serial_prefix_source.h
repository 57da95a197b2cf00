#pragma once

namespace kz {

// Where the editor reads the serial-prefix flag: the pager operations own it (the serial intake
// of Read and Write sets it, the serial-number run clears it), and the squelch presets that
// follow an accepted frequency ask for its value at that moment.
class SerialPrefixSource {
public:
    virtual bool serialPrefixFlag() const = 0;

protected:
    ~SerialPrefixSource() = default;
};

} // namespace kz
