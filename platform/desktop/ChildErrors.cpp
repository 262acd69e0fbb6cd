#include "platform/desktop/ChildErrors.h"

#include <cstdio>

void ChildErrors::forward(const QByteArray& output) {
    for (const QByteArray& line : newLines(output))
        std::fputs(line.constData(), stderr);
}

QList<QByteArray> ChildErrors::newLines(const QByteArray& output) {
    partial_ += output;
    QList<QByteArray> lines;
    qsizetype end;
    while ((end = partial_.indexOf('\n')) >= 0) {
        QByteArray line = partial_.left(end + 1);
        partial_.remove(0, end + 1);
        if (!said_.contains(line)) {
            said_.insert(line);
            lines.append(std::move(line));
        }
    }
    return lines;
}
