// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextChecks.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cstring>
#include <vector>

#include "SafeFile.h"

namespace aerolume::platform {
namespace {

// One object or list open at a point of the text.
struct Level {
    bool object = false;
    bool expectingKey = false;
    QString key;          // object: the key of the value being read
    qsizetype index = 0;  // list: the place of the value being read
    QSet<QString> keys;
};

QString pathOf(const std::vector<Level>& levels) {
    QString path;
    for (const Level& level : levels) {
        if (level.object) {
            path += (path.isEmpty() ? QString() : QStringLiteral(".")) + level.key;
        } else {
            path += QStringLiteral("[%1]").arg(level.index);
        }
    }
    return path;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Reads the JSON string that starts at json[*at] (the opening quote) and leaves *at
// after its closing quote. Escapes are decoded, so "a" and "\u0061" are one key.
QString readString(const QByteArray& json, qsizetype* at) {
    QByteArray plain;
    QString decoded;
    const auto flush = [&] {
        decoded += QString::fromUtf8(plain);
        plain.clear();
    };
    qsizetype i = *at + 1;
    while (i < json.size() && json[i] != '"') {
        if (json[i] != '\\' || i + 1 >= json.size()) {
            plain += json[i++];
            continue;
        }
        const char escape = json[i + 1];
        i += 2;
        const char* const simple = "\"\\/bfnrt";
        const char* const meant = "\"\\/\b\f\n\r\t";
        if (const char* found = std::strchr(simple, escape); found != nullptr && escape != 0) {
            plain += meant[found - simple];
        } else if (escape == 'u' && i + 4 <= json.size()) {
            int unit = 0;
            for (int d = 0; d < 4; ++d) {
                unit = unit * 16 + std::max(0, hexDigit(json[i + d]));
            }
            i += 4;
            flush();
            decoded += QChar(static_cast<char16_t>(unit));
        }
    }
    flush();
    *at = i + 1;
    return decoded;
}

}  // namespace

qsizetype characterCount(const QString& text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    while (finder.toNextBoundary() > 0) {
        ++count;
    }
    return count;
}

std::optional<QString> duplicateJsonKey(const QByteArray& json) {
    std::vector<Level> levels;
    qsizetype i = 0;
    while (i < json.size()) {
        const char c = json[i];
        if (c == '{' || c == '[') {
            levels.push_back(Level{c == '{', c == '{', {}, 0, {}});
            ++i;
        } else if (c == '}' || c == ']') {
            if (!levels.empty()) {
                levels.pop_back();
            }
            ++i;
        } else if (c == ',') {
            if (!levels.empty()) {
                Level& level = levels.back();
                level.expectingKey = level.object;
                ++level.index;
            }
            ++i;
        } else if (c == '"') {
            const QString text = readString(json, &i);
            if (!levels.empty() && levels.back().expectingKey) {
                Level& level = levels.back();
                level.key = text;
                level.expectingKey = false;
                if (level.keys.contains(text)) {
                    return pathOf(levels);
                }
                level.keys.insert(text);
            }
        } else {
            ++i;  // blanks, colons, numbers, true, false, null
        }
    }
    return std::nullopt;
}

std::optional<double> newerFormatOnDisk(const QString& path, const char* format, int ours,
                                        qint64 maxBytes) {
    const FileContents file = readFileChecked(path, maxBytes);
    if (file.status != ReadStatus::Read) {
        return std::nullopt;
    }
    const QJsonObject top = QJsonDocument::fromJson(file.bytes).object();
    const double version = top.value(QLatin1String("version")).toDouble(0);
    if (top.value(QLatin1String("format")).toString() != QLatin1String(format) ||
        !(version > ours)) {
        return std::nullopt;
    }
    return version;
}

}  // namespace aerolume::platform
