#pragma once

#include <QWidget>

// Shown at start-up while every listed port is probed for an answering programmer.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
};
