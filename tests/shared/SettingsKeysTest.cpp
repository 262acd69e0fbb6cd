#include "shared/SettingsKeys.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

using namespace SettingsKeys;

PlistValue::Kind valueKind(Kind kind) {
    switch (kind) {
    case Kind::Boolean:
        return PlistValue::Kind::Boolean;
    case Kind::Integer:
        return PlistValue::Kind::Integer;
    case Kind::Float:
        return PlistValue::Kind::Real32;
    case Kind::String:
        return PlistValue::Kind::String;
    case Kind::List:
        return PlistValue::Kind::Array;
    }
    return {};
}

TEST(SettingsKeys, KeysAreUniqueFoundByNameAndDefaultsMatchTheirKind) {
    QSet<QString> seen;
    for (const KeyInfo& info : all()) {
        EXPECT_FALSE(seen.contains(info.key)) << info.key.data();
        seen.insert(info.key);
        EXPECT_EQ(find(info.key), &info);
        EXPECT_EQ(find(QString(info.key)), &info);
        for (const auto& value : {info.paneDefault, info.helperDefault}) {
            if (value) {
                EXPECT_EQ(value->kind(), valueKind(info.kind)) << info.key.data();
            }
        }
        if (info.role != Role::Setting) {
            EXPECT_FALSE(info.paneDefault || info.helperDefault) << info.key.data();
        }
    }
    EXPECT_EQ(seen.size(), 39);
    EXPECT_EQ(find(QStringLiteral("warncaps")), nullptr);
    EXPECT_EQ(find(QLatin1StringView("unknown")), nullptr);
}

} // namespace
