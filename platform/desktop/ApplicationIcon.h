#pragma once

#include <QIcon>

// Keyvigil's icon for the windows of its programs: the icon theme's (the installed one), else
// the copy built into the program, so that a build tree's windows have it too.
QIcon applicationIcon();
