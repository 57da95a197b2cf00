#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace kz {

// Keeps one copy of the program per user. The first copy listens on a local socket named after
// the application title and the user; a later copy connects, asks it to come to the front and
// ends without showing a window.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when another copy answered and was asked to come to the front: this copy must end.
    // Otherwise this copy becomes the one that listens.
    bool anotherCopyIsRunning();

    static QString serverNameFor(const QString& key);

signals:
    // A later copy asked this one to come to the front.
    void activationRequested();

private:
    void acceptConnections();

    QString serverName_;
    QLocalServer* server_ = nullptr;
};

} // namespace kz
