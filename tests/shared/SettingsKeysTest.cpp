#include "SettingsKeys.h"

#include <QSet>

#include <gtest/gtest.h>

namespace {

using namespace SettingsKeys;

TEST(SettingsKeys, EveryKeyIsListedOnceAndFoundByName) {
    QSet<QString> seen;
    for (const KeyInfo& info : all()) {
        EXPECT_FALSE(seen.contains(info.key)) << info.key.data();
        seen.insert(info.key);
        EXPECT_EQ(find(info.key), &info);
        EXPECT_EQ(find(QString(info.key)), &info);
    }
    EXPECT_EQ(seen.size(), 39);
    EXPECT_EQ(find(QStringLiteral("warncaps")), nullptr);
    EXPECT_EQ(find(QLatin1StringView("unknown")), nullptr);
}

TEST(SettingsKeys, DefaultsMatchTheirKindAndDifferWhereTheSidesDisagree) {
    QStringList differing;
    for (const KeyInfo& info : all()) {
        for (const auto& value : {info.paneDefault, info.helperDefault}) {
            if (!value)
                continue;
            switch (info.kind) {
            case Kind::Boolean:
                EXPECT_EQ(value->kind(), PlistValue::Kind::Boolean) << info.key.data();
                break;
            case Kind::Integer:
                EXPECT_EQ(value->kind(), PlistValue::Kind::Integer) << info.key.data();
                break;
            case Kind::Float:
                EXPECT_EQ(value->kind(), PlistValue::Kind::Real32) << info.key.data();
                break;
            case Kind::String:
                EXPECT_TRUE(value->isString()) << info.key.data();
                break;
            case Kind::List:
                EXPECT_TRUE(value->isArray()) << info.key.data();
                break;
            }
        }
        if (info.paneDefault != info.helperDefault)
            differing.append(info.key);
        if (info.role != Role::Setting) {
            EXPECT_FALSE(info.paneDefault || info.helperDefault) << info.key.data();
        }
    }
    EXPECT_EQ(differing, QStringList({"warnCapsLimit", "warnSound", "showCapsMenuBar",
                                      "startAutomatically", "preferencesForPrefPane"}));
    EXPECT_EQ(find(warnCount)->paneDefault, PlistValue::fromInt(5));
    EXPECT_EQ(find(warnCapsLimitCount)->helperDefault, PlistValue::fromInt(2));
    EXPECT_EQ(find(warnSound)->paneDefault, PlistValue::fromString(systemAlertSound));
    EXPECT_EQ(find(soundVolume)->helperDefault, PlistValue::fromFloat(1.0f));
    EXPECT_EQ(find(noMenuBar)->role, Role::Fallback);
    EXPECT_EQ(find(reconstructedAfterCorruption)->role, Role::StoreOwn);
}

} // namespace
