#pragma once

#include <QString>

namespace kz {

// What a tone-table picker does to the tone field it was opened for. The editor answers: it
// knows the marked field, the current channel page and the field's exit check.
class TonePickTarget {
public:
    virtual ~TonePickTarget() = default;
    // The pick action: the chosen tone text goes into the marked field of the current channel
    // page, whose exit check then runs; the markers are cleared.
    virtual void pickTone(const QString& tone) = 0;
    // The Exit action: the marked field's exit check runs on the text it has; the markers are
    // cleared.
    virtual void leaveToneTable() = 0;
};

} // namespace kz
