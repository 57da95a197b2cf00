#pragma once

#include "cradle_model.h"
#include "pager_image.h"

#include <QString>
#include <QStringList>

#include <optional>

class QCommandLineParser;

// The command-line options of the simulated cradle: where its memory comes from, what is changed
// in it and which failures it acts out.
namespace kz::sim {

struct CradleSetup {
    TPagerImage memory;
    CradleFaults faults;
    bool paced = false;
};

void addCradleOptions(QCommandLineParser& parser);
// The setup the parsed options describe; an error text when an option is not usable.
std::optional<CradleSetup> cradleSetup(const QCommandLineParser& parser, QString* error);

} // namespace kz::sim
