#pragma once

#include <QStringList>
#include <QTextStream>

// The keyvigil-defaults command line: read, write and delete keys of a store.
// Returns the exit status: 0 done, 1 failed (absent key, write failure), 2 bad command line.
int runDefaultsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
