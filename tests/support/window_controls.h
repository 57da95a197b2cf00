#pragma once

#include <QAction>
#include <QObject>
#include <QString>

#include <gtest/gtest.h>

// The control of a window by its name, as a user finds it by its caption. A missing control fails
// the test that asked for it.
template <typename T = QWidget> T* control(const QObject& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << "no control named " << name.toStdString();
    return found;
}
