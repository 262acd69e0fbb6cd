#include "tools/keyvigil-defaults/DefaultsCommand.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runDefaultsCommand(app.arguments().mid(1), out, err);
}
