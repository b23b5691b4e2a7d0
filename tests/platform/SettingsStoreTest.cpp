// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "platform/SettingsStore.h"

namespace aerolume {
namespace {

using platform::readSetting;
using platform::writeSettings;

QString storeFile(const QString& application) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Aerolume/") + application + QStringLiteral(".ini");
}

TEST(SettingsStore, LivesInTheTestsOwnConfigurationFolder) {
    ASSERT_TRUE(writeSettings(QStringLiteral("T1"), QStringLiteral("S"),
                              {{QStringLiteral("k"), QStringLiteral("v")}}));
    EXPECT_TRUE(QFile::exists(storeFile(QStringLiteral("T1"))));
    EXPECT_FALSE(QDir::homePath().isEmpty());
    EXPECT_FALSE(
        storeFile(QStringLiteral("T1")).startsWith(QDir::homePath() + QStringLiteral("/.config")));
}

TEST(SettingsStore, MissingKeysGiveTheFallbackOrEmptyText) {
    EXPECT_EQ(readSetting(QStringLiteral("Nothing"), QStringLiteral("S"), QStringLiteral("k")),
              QString());
    EXPECT_EQ(readSetting(QStringLiteral("Nothing"), QStringLiteral("S"), QStringLiteral("k"),
                          QStringLiteral("dflt")),
              QStringLiteral("dflt"));
}

TEST(SettingsStore, KeepsAnyTextExactly) {
    const QStringList texts = {QString(),
                               QStringLiteral("0"),
                               QStringLiteral("  12 "),
                               QStringLiteral("1,2"),
                               QStringLiteral("a=b;c"),
                               QStringLiteral("\"quoted\""),
                               QStringLiteral("[x]"),
                               QStringLiteral("-.5/3"),
                               QStringLiteral("tab\there"),
                               QStringLiteral("°N é"),
                               QStringLiteral("line\nbreak"),
                               QString(5000, QLatin1Char('9')),
                               QStringLiteral("@String(x)"),
                               QStringLiteral("; not a comment"),
                               QStringLiteral("back\\slash\\"),
                               QString::fromUtf16(u"\x01"
                                                  "abc\x7f"
                                                  "7"),
                               QString(QChar(0)) + QStringLiteral("12"),
                               QString::fromUtf16(u"e\u0301 \u2708\U0001F1FA\U0001F1F8")};
    for (int i = 0; i < texts.size(); ++i) {
        const QString key = QStringLiteral("k%1").arg(i);
        ASSERT_TRUE(writeSettings(QStringLiteral("T2"), QStringLiteral("Sec"), {{key, texts[i]}}));
        EXPECT_EQ(readSetting(QStringLiteral("T2"), QStringLiteral("Sec"), key,
                              QStringLiteral("missing")),
                  texts[i]);
    }
}

TEST(SettingsStore, SectionsAndApplicationsAreApart) {
    ASSERT_TRUE(writeSettings(QStringLiteral("T3"), QStringLiteral("A"),
                              {{QStringLiteral("k"), QStringLiteral("1")}}));
    ASSERT_TRUE(writeSettings(QStringLiteral("T3"), QStringLiteral("B"),
                              {{QStringLiteral("k"), QStringLiteral("2")}}));
    ASSERT_TRUE(writeSettings(QStringLiteral("T4"), QStringLiteral("A"),
                              {{QStringLiteral("k"), QStringLiteral("3")}}));
    EXPECT_EQ(readSetting(QStringLiteral("T3"), QStringLiteral("A"), QStringLiteral("k")),
              QStringLiteral("1"));
    EXPECT_EQ(readSetting(QStringLiteral("T3"), QStringLiteral("B"), QStringLiteral("k")),
              QStringLiteral("2"));
    EXPECT_EQ(readSetting(QStringLiteral("T4"), QStringLiteral("A"), QStringLiteral("k")),
              QStringLiteral("3"));
}

TEST(SettingsStore, AGarbageOrBinaryFileReadsAsMissingKeys) {
    const QString path = storeFile(QStringLiteral("T5"));
    QDir().mkpath(QFileInfo(path).path());
    for (const QByteArray& content :
         {QByteArray("\x00\xff\x01garbage[[[=\n\x7f", 16), QByteArray("[Sec\nk"), QByteArray()}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        EXPECT_EQ(readSetting(QStringLiteral("T5"), QStringLiteral("Other"), QStringLiteral("k")),
                  QString());
    }
}

TEST(SettingsStore, AnUnreadableFileIsKeptAsideAndANewOneWritten) {
    const QString path = storeFile(QStringLiteral("T7"));
    QDir().mkpath(QFileInfo(path).path());
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray("\x00\xff\x01[\x80\n=\xfe", 9));
    }
    ASSERT_TRUE(writeSettings(QStringLiteral("T7"), QStringLiteral("Sec"),
                              {{QStringLiteral("k"), QStringLiteral("new")}}));
    EXPECT_EQ(readSetting(QStringLiteral("T7"), QStringLiteral("Sec"), QStringLiteral("k")),
              QStringLiteral("new"));
    EXPECT_TRUE(QFile::exists(path + QStringLiteral(".unreadable")));
}

TEST(SettingsStore, EntriesOfOtherSectionsAndHandEditedKeysSurviveASave) {
    const QString path = storeFile(QStringLiteral("T8"));
    QDir().mkpath(QFileInfo(path).path());
    const QStringList keys = {QStringLiteral("top"), QStringLiteral("General/k"),
                              QStringLiteral("A b/c d"), QStringLiteral("x/y/z"),
                              QString::fromUtf16(u"\u00e9t\u00e9/\u2708")};
    {
        QSettings edited(path, QSettings::IniFormat);
        for (const QString& key : keys) {
            edited.setValue(key, key + QStringLiteral(" value, with a comma"));
        }
    }
    ASSERT_TRUE(writeSettings(QStringLiteral("T8"), QStringLiteral("Sec"),
                              {{QStringLiteral("k"), QStringLiteral("new")}}));
    const QSettings read(path, QSettings::IniFormat);
    EXPECT_EQ(read.allKeys().size(), keys.size() + 1);
    for (const QString& key : keys) {
        EXPECT_EQ(read.value(key).toString(), key + QStringLiteral(" value, with a comma"))
            << key.toStdString();
    }
    EXPECT_EQ(read.value(QStringLiteral("Sec/k")).toString(), QStringLiteral("new"));
}

TEST(SettingsStore, AFileThatCannotBeReadGivesFallbacks) {
    const QString path = storeFile(QStringLiteral("T6"));
    QDir().mkpath(path);  // a folder where the file should be
    EXPECT_EQ(readSetting(QStringLiteral("T6"), QStringLiteral("S"), QStringLiteral("k"),
                          QStringLiteral("f")),
              QStringLiteral("f"));
    EXPECT_FALSE(writeSettings(QStringLiteral("T6"), QStringLiteral("S"),
                               {{QStringLiteral("k"), QStringLiteral("v")}}));
}

}  // namespace
}  // namespace aerolume
