#pragma once

#include <QString>

// The text as a URL may carry it: every character that may not appear in a URL is escaped as
// its UTF-8 bytes (%XX, upper-case hex), and the URL's reserved characters (":", "/", "?", "&",
// "=", "+", …) are left as they are. "%" and "#" are always escaped, so that a literal one can
// neither make the URL invalid nor end it early.
QString addingPercentEscapes(const QString& text);
