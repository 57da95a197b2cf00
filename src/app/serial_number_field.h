#pragma once

#include "serial_scan.h"

#include <QElapsedTimer>
#include <QObject>

#include <functional>

class QLineEdit;
class QWidget;

namespace kz {

// The "Serial No." field `edtSerialNo` on a production line: the barcode scanner types a label
// into it and ends it with Enter. Entering the field empties it, so that each label starts on an
// empty field; a scan (fast enough, long enough) starts the programming run; Enter after a long
// entry typed by hand moves the focus to `focusSink` and starts nothing.
class SerialNumberField final : public QObject {
    Q_OBJECT
public:
    // `startRun` gets the field's trimmed text when a scan ends.
    SerialNumberField(QLineEdit& field, QWidget& focusSink,
                      std::function<void(const QString&)> startRun);

    // The field is entered anew (edtSerialNoEnter): emptied, with the focus.
    void enterAnew();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // edtSerialNoKeyDown and edtSerialNoKeyPress for one key; true when the key is swallowed.
    bool keyDown(bool enter);
    int trimmedLength() const;

    QLineEdit& field_;
    QWidget& focusSink_;
    std::function<void(const QString&)> startRun_;
    SerialScan scan_;
    QElapsedTimer clock_;
};

} // namespace kz
