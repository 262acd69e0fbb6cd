#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <utility>

// One ordered record of every call the fakes receive, shared by all of them, so that a test
// can assert the sequence across services ("sound CAPS play" before "flash 0").
class Journal {
public:
    void record(const QString& entry) { entries_.append(entry); }
    const QStringList& entries() const { return entries_; }
    // The entries recorded since the last take, which are then forgotten.
    QStringList take() { return std::exchange(entries_, {}); }
    void clear() { entries_.clear(); }

private:
    QStringList entries_;
};

// How the fakes print modifier words ("0x400"), flags ("YES") and four-character codes.
inline QString hexWord(std::uint32_t word) {
    return QStringLiteral("0x") + QString::number(word, 16);
}
inline QString yesNo(bool value) {
    return value ? QStringLiteral("YES") : QStringLiteral("NO");
}
inline QString fourCharText(std::uint32_t code) {
    const char text[4] = {char(code >> 24), char(code >> 16), char(code >> 8), char(code)};
    return QString::fromLatin1(text, 4);
}
