#include "pane/PercentEscapes.h"

namespace {

// Letters, digits, and the marks and reserved characters a URL may hold as they are.
bool isLegalInURL(char16_t c) {
    if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))
        return true;
    return c < 128 && QStringView(u"-_.!~*'();/?:@&=+$,").contains(QChar(c));
}

} // namespace

QString addingPercentEscapes(const QString& text) {
    static constexpr char hex[] = "0123456789ABCDEF";
    QString escaped;
    escaped.reserve(text.size() + text.size() / 2);
    qsizetype done = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isLegalInURL(text[i].unicode()))
            continue;
        escaped += QStringView(text).sliced(done, i - done);
        // A surrogate pair is one character: escape its four bytes together.
        const qsizetype width =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        for (const char byte : QStringView(text).sliced(i, width).toUtf8()) {
            const auto b = static_cast<unsigned char>(byte);
            escaped += u'%';
            escaped += QLatin1Char(hex[b >> 4]);
            escaped += QLatin1Char(hex[b & 0xf]);
        }
        i += width - 1;
        done = i + 1;
    }
    escaped += QStringView(text).sliced(done);
    return escaped;
}
