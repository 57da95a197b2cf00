#include "cli.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#define KZ904_ISATTY _isatty
#define KZ904_FILENO _fileno
#else
#include <unistd.h>
#define KZ904_ISATTY isatty
#define KZ904_FILENO fileno
#endif

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kz904-cli"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    kz::cli::Console console{out, err, KZ904_ISATTY(KZ904_FILENO(stderr)) != 0};
    return kz::cli::run(QCoreApplication::arguments().mid(1), console);
}
