// SPDX-License-Identifier: GPL-3.0-or-later
#include "RouteExport.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace aerolume::interchange {
namespace {

QString tr(const char* text, const char* disambiguation = nullptr, int n = -1) {
    return QCoreApplication::translate("RouteFiles", text, disambiguation, n);
}

constexpr qsizetype kMaxDataIdentifierLength = 12;

// Upper-case ASCII: accents removed (canonical decomposition, then the marks dropped), the
// letters that do not decompose spelt out, every other character a space.
QString asciiUpper(const QString& text) {
    QString result;
    for (const QChar c : text.normalized(QString::NormalizationForm_KD)) {
        const char16_t u = c.unicode();
        if (c.category() == QChar::Mark_NonSpacing) {
            continue;
        }
        if (u < 0x80) {
            result += c.isLetterOrNumber() ? c.toUpper() : QChar(u'/') == c ? c : QChar(u' ');
            continue;
        }
        switch (c.toUpper().unicode()) {
            case u'Æ':
                result += QStringLiteral("AE");
                break;
            case u'Ø':
                result += QLatin1Char('O');
                break;
            case u'Œ':
                result += QStringLiteral("OE");
                break;
            case u'Ð':
            case u'Đ':
                result += QLatin1Char('D');
                break;
            case u'Ł':
                result += QLatin1Char('L');
                break;
            case u'Þ':
                result += QStringLiteral("TH");
                break;
            case u'ß':
                result += QStringLiteral("SS");
                break;
            default:
                result += QLatin1Char(' ');
                break;
        }
    }
    return result;
}

bool isDataIdentifier(const std::string& identifier) {
    return !identifier.empty() && qsizetype(identifier.size()) <= kMaxDataIdentifierLength &&
           std::all_of(identifier.begin(), identifier.end(),
                       [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); });
}

bool isVowel(QChar c) {
    return QStringLiteral("AEIOU").contains(c);
}

// The identifier `base` numbered `n`, cut so that it stays within the length.
QString numbered(const QString& base, int n) {
    const QString suffix = QString::number(n);
    return base.left(qsizetype(kMaxUserIdentifierLength) - suffix.size()) + suffix;
}

}  // namespace

QString derivedIdentifier(const QString& name) {
    const auto max = qsizetype(kMaxUserIdentifierLength);
    QStringList words =
        asciiUpper(name).remove(QLatin1Char('/')).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty()) {
        return QStringLiteral("WPT");
    }
    if (words.join(QString()).size() <= max) {
        return words.join(QString());
    }
    words = words.mid(0, max);
    // Each word's consonants after its first character, when the words are too long even
    // for those; otherwise the words themselves.
    QStringList parts;
    qsizetype skeletonLength = 0;
    for (const QString& word : words) {
        QString skeleton = word.left(1);
        for (const QChar c : word.mid(1)) {
            if (!isVowel(c)) {
                skeleton += c;
            }
        }
        skeletonLength += skeleton.size();
        parts += skeleton;
    }
    if (skeletonLength <= max) {
        parts = words;
    }
    qsizetype spare = max - parts.size();
    QString result;
    for (const QString& part : parts) {
        const qsizetype extra = std::min(spare, part.size() - 1);
        result += part.left(1 + extra);
        spare -= extra;
    }
    return result;
}

QString panelText(const QString& text, qsizetype length) {
    return asciiUpper(text).simplified().left(length).trimmed();
}

double roundedCoordinate(double degrees) {
    const double rounded = std::round(degrees * 1e6) / 1e6;
    return rounded == 0 ? 0.0 : rounded;
}

QString waypointTypeText(WaypointType type) {
    const std::string_view name = waypointTypeName(type);
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

std::variant<Route, QString> prepareForExport(const Route& route) {
    if (route.points.size() < 2) {
        return route.points.size() == 1
                   ? tr("A route file needs at least a departure and a destination; the plan "
                        "has 1 checkpoint.")
                   : tr("A route file needs at least a departure and a destination; the plan "
                        "has no checkpoints.");
    }
    if (route.points.size() > kMaxExportPoints) {
        return tr("The plan has %1 checkpoints; a route file for a GPS unit holds at most %2. "
                  "Split the plan, or leave out checkpoints, and export again.")
            .arg(route.points.size())
            .arg(kMaxExportPoints);
    }
    Route result = route;
    // Identifiers of the data keep theirs; user waypoints take the others.
    QSet<QString> taken;
    for (RoutePoint& p : result.points) {
        if (isFromData(p) && isDataIdentifier(p.identifier)) {
            taken.insert(QString::fromStdString(p.identifier));
        } else {
            p.type = WaypointType::UserWaypoint;
            p.countryCode.clear();
        }
        if (!p.countryCode.empty() &&
            (p.countryCode.size() != 2 || !isDataIdentifier(p.countryCode))) {
            p.countryCode.clear();
        }
    }
    // A user waypoint by its name and position, to give the same one the same identifier.
    QHash<QString, QString> named;
    for (RoutePoint& p : result.points) {
        if (p.type != WaypointType::UserWaypoint) {
            continue;
        }
        const QString key = QStringLiteral("%1|%2|%3")
                                .arg(QString::fromStdString(p.name))
                                .arg(roundedCoordinate(p.latitude), 0, 'f', 6)
                                .arg(roundedCoordinate(p.longitude), 0, 'f', 6);
        if (const auto found = named.constFind(key); found != named.constEnd()) {
            p.identifier = found->toStdString();
            continue;
        }
        QString identifier = QString::fromStdString(p.identifier);
        if (!isUserIdentifier(p.identifier) || taken.contains(identifier)) {
            const QString base =
                derivedIdentifier(p.name.empty() ? identifier : QString::fromStdString(p.name));
            identifier = base;
            for (int n = 1; taken.contains(identifier); ++n) {
                identifier = numbered(base, n);
            }
        }
        taken.insert(identifier);
        named.insert(key, identifier);
        p.identifier = identifier.toStdString();
    }
    return result;
}

}  // namespace aerolume::interchange
