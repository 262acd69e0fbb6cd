#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>

// A child program's lines on stderr, passed on to ours once each: a program started again and
// again (at each warning after a quiet spell, at each hover) would repeat its complaints.
class ChildErrors {
public:
    // Writes the lines `newLines` gives to stderr.
    void forward(const QByteArray& output);
    // The complete lines of `output` not said before, each with its newline; the start of a line
    // waits for its end.
    QList<QByteArray> newLines(const QByteArray& output);
    // The output comes from a process started anew: the last one's unfinished line is dropped.
    void restarted() { partial_.clear(); }

private:
    QByteArray partial_;
    QSet<QByteArray> said_;
};
