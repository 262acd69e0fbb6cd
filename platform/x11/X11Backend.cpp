#include "platform/x11/X11Backend.h"

#include "platform/x11/X11Connection.h"

QString X11Backend::displayProblem() {
    return X11Connection::displayProblem();
}
