#pragma once

// What the serial-number run needs of the main window beyond what every pager operation needs.
namespace kz {

class SerialRunHost {
public:
    virtual ~SerialRunHost() = default;

    // The serial field gets the focus anew: emptied and ready for the next label.
    virtual void focusSerialField() = 0;
    // Checks One Channel on the Setting page and runs its click, as the user would: the image
    // becomes that of a single-channel pager.
    virtual void checkOneChannel() = 0;
};

} // namespace kz
