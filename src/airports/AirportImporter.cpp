// SPDX-License-Identifier: GPL-3.0-or-later
#include "AirportImporter.h"

#include <zlib.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <filesystem>
#include <map>
#include <unordered_map>

#include "AirportSchema.h"
#include "RunwayCore.h"
#include "navigation/MagneticModel.h"
#include "platform/SafeFile.h"

namespace aerolume::airports {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("AirportImporter", text);
}

// The whole text of a plain or gzip-compressed file (zlib reads either).
bool readText(const QString& path, std::string* text, QString* error) {
    // A named pipe, a device or a socket is refused at once: opening one could wait for ever.
    if (const QString special = platform::notAPlainFile(path); !special.isEmpty()) {
        *error = tr("Cannot read %1: %2.").arg(path, special);
        return false;
    }
    const QByteArray local = QFile::encodeName(path);
    gzFile file = gzopen(local.constData(), "rb");
    if (file == nullptr) {
        *error = tr("Cannot open %1.").arg(path);
        return false;
    }
    gzbuffer(file, 1 << 17);
    text->clear();
    char buffer[1 << 16];
    int got = 0;
    while ((got = gzread(file, buffer, sizeof buffer)) > 0) {
        text->append(buffer, static_cast<std::size_t>(got));
    }
    int code = Z_OK;
    const char* message = gzerror(file, &code);
    const bool ok = got == 0 && (code == Z_OK || code == Z_STREAM_END);
    if (!ok) {
        // zlib's message starts with the path again.
        QString why = QString::fromUtf8(message);
        why.remove(QRegularExpression(QStringLiteral("^.*: ")));
        *error = code == Z_BUF_ERROR ? tr("Cannot read %1: it is cut short (%2).").arg(path, why)
                                     : tr("Cannot read %1: it is damaged (%2).").arg(path, why);
    }
    gzclose(file);
    return ok;
}

QVariant value(const std::optional<double>& v) {
    return v ? QVariant(*v) : QVariant();
}
QVariant value(const std::string& s) {
    return QString::fromStdString(s);
}

const char* sourceName(HeadingSource source) {
    switch (source) {
        case HeadingSource::Data:
            return "data";
        case HeadingSource::OppositeEnd:
            return "opposite";
        case HeadingSource::Designator:
            return "designator";
        case HeadingSource::None:
            break;
    }
    return "";
}

const char* surfaceName(SurfaceClass surface) {
    switch (surface) {
        case SurfaceClass::Paved:
            return "paved";
        case SurfaceClass::Gravel:
            return "gravel";
        case SurfaceClass::Grass:
            return "grass";
        case SurfaceClass::Water:
            return "water";
        case SurfaceClass::SnowIce:
            return "snow-ice";
        case SurfaceClass::Unknown:
            break;
    }
    return "unknown";
}

struct Manifest {
    QString snapshot, source, licence;
};

// manifest.csv beside the files: file, snapshot, source, licence.
std::map<QString, Manifest> readManifest(const QString& folder) {
    std::map<QString, Manifest> manifest;
    std::string text;
    QString ignored;
    const QString path = QDir(folder).filePath(QStringLiteral("manifest.csv"));
    if (!QFileInfo::exists(path) || !readText(path, &text, &ignored)) {
        return manifest;
    }
    static constexpr CsvColumn kColumns[] = {
        {"file", true}, {"snapshot", true}, {"source", true}, {"licence", true}};
    CsvReader reader(text);
    std::vector<std::string> row;
    if (!reader.next(row)) {
        return manifest;
    }
    const CsvColumns columns = MatchColumns(row, kColumns);
    if (!columns.missing.empty()) {
        return manifest;
    }
    while (reader.next(row)) {
        auto field = [&](std::size_t i) { return QString::fromUtf8(columns.field(row, i)); };
        manifest[field(0)] = {field(1), field(2), field(3)};
    }
    return manifest;
}

struct AirportKey {
    qint64 id;
    double latitude, longitude;
    std::optional<double> elevationFt;
};

// Writes the rows into an open database; a failed statement throws its message.
class Writer {
public:
    explicit Writer(const QSqlDatabase& db) : m_db(db) {}

    void exec(const QString& sql) {
        QSqlQuery query(m_db);
        if (!query.exec(sql)) {
            throw query.lastError().text();
        }
    }
    // A prepared "<into> VALUES (<first>:v0, :v1, ...)" of `count` bound values, run
    // once a row. Qt binds named values by their name, where a value bound by position
    // costs it a name formatted anew: by name the rows go in a third quicker.
    struct Insert {
        QSqlQuery query;
        QStringList names;
    };
    Insert insert(const QString& into, int count, const QString& first = {}) {
        Insert insert{QSqlQuery(m_db), {}};
        for (int i = 0; i < count; ++i) {
            insert.names << QStringLiteral(":v%1").arg(i);
        }
        const QString sql = QStringLiteral("%1 VALUES (%2%3)")
                                .arg(into, first, insert.names.join(QStringLiteral(", ")));
        if (!insert.query.prepare(sql)) {
            throw insert.query.lastError().text();
        }
        return insert;
    }
    static void run(Insert& insert, const QVariantList& values) {
        for (qsizetype i = 0; i < values.size(); ++i) {
            insert.query.bindValue(insert.names.at(i), values.at(i));
        }
        if (!insert.query.exec()) {
            throw insert.query.lastError().text();
        }
    }

private:
    QSqlDatabase m_db;
};

struct Loaded {
    ImportFile file;
    std::string text;
    CsvColumns columns;
};

class Import {
public:
    Import(QList<Loaded>& loaded, const ImportProgress& progress, ImportSummary& summary)
        : m_loaded(loaded), m_progress(progress), m_summary(summary) {
        for (const Loaded& l : loaded) {
            m_totalBytes += static_cast<double>(l.text.size());
        }
    }

    // False when cancelled.
    bool write(Writer& w) {
        for (const QString& statement : schemaStatements()) {
            w.exec(statement);
        }
        m_airportInsert = w.insert(QStringLiteral("INSERT INTO airports"), 15);
        for (const DataFile file : kDataFiles) {
            for (int i = 0; i < m_loaded.size(); ++i) {
                if (m_loaded[i].file.file == file &&
                    !readFile(w, m_loaded[i], m_summary.files[i])) {
                    return false;
                }
            }
        }
        const QStringList indexes = indexStatements();
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            w.exec(indexes[i]);
            if (!share(kRowsShare + (1 - kRowsShare) * static_cast<double>(i + 1) /
                                        static_cast<double>(indexes.size()))) {
                return false;
            }
        }
        return true;
    }

    // The files read were the first tenth of the work, their rows the bulk, the indexes
    // the rest.
    static constexpr double kReadShare = 0.1;
    static constexpr double kRowsShare = 0.8;

private:
    bool readFile(Writer& w, Loaded& loaded, FileTally& tally) {
        CsvReader reader(loaded.text);
        std::vector<std::string> row;
        reader.next(row);  // the header
        Writer::Insert insert;
        switch (loaded.file.file) {
            case DataFile::Countries:
            case DataFile::Regions:
                insert = w.insert(QStringLiteral("INSERT OR REPLACE INTO %1")
                                      .arg(QLatin1String(FileBaseName(loaded.file.file))),
                                  2);
                break;
            case DataFile::Runways:
                insert =
                    w.insert(QStringLiteral("INSERT INTO runways"), 24, QStringLiteral("NULL, "));
                break;
            case DataFile::Frequencies:
                insert = w.insert(QStringLiteral("INSERT INTO frequencies"), 4,
                                  QStringLiteral("NULL, "));
                break;
            case DataFile::Navaids:
                insert = w.insert(QStringLiteral("INSERT INTO navaids"), 16);
                break;
            case DataFile::Airports:
                break;
        }
        m_variationYear = decimalYearOf(tally.snapshot);
        while (reader.next(row)) {
            ++tally.read;
            std::optional<SkipReason> skipped;
            if (reader.broken()) {
                skipped = SkipReason::OpenQuote;
            } else {
                skipped = store(loaded.file.file, loaded.columns, row, insert);
            }
            if (skipped) {
                ++tally.skipped[static_cast<std::size_t>(*skipped)];
            } else {
                ++tally.kept;
            }
            if ((tally.read & 1023) == 0 && !report(reader.offset())) {
                return false;
            }
        }
        m_doneBytes += static_cast<double>(loaded.text.size());
        return report(0);
    }

    bool report(std::size_t offset) {
        return m_totalBytes <= 0 ||
               share(kReadShare + (kRowsShare - kReadShare) *
                                      (m_doneBytes + static_cast<double>(offset)) / m_totalBytes);
    }
    bool share(double done) const { return !m_progress || m_progress(done); }

    std::optional<SkipReason> store(DataFile file, const CsvColumns& c,
                                    const std::vector<std::string>& row, Writer::Insert& insert) {
        switch (file) {
            case DataFile::Countries:
            case DataFile::Regions:
                return storeNamed(ReadNamedCode(c, row), insert);
            case DataFile::Airports:
                return storeAirport(ReadAirport(c, row));
            case DataFile::Runways:
                return storeRunway(ReadRunway(c, row), insert);
            case DataFile::Frequencies:
                return storeFrequency(ReadFrequency(c, row), insert);
            case DataFile::Navaids:
                return storeNavaid(ReadNavaid(c, row), insert);
        }
        return std::nullopt;
    }

    static std::optional<SkipReason> storeNamed(const RowResult<NamedCode>& read,
                                                Writer::Insert& insert) {
        if (const auto* reason = std::get_if<SkipReason>(&read)) {
            return *reason;
        }
        const auto& named = std::get<NamedCode>(read);
        Writer::run(insert, {value(named.code), value(named.name)});
        return std::nullopt;
    }

    std::optional<SkipReason> storeAirport(const RowResult<AirportRecord>& read) {
        if (const auto* reason = std::get_if<SkipReason>(&read)) {
            return *reason;
        }
        const auto& a = std::get<AirportRecord>(read);
        if (m_airports.contains(a.ident)) {
            return SkipReason::Duplicate;
        }
        const qint64 id = static_cast<qint64>(m_airports.size()) + 1;
        m_airports.emplace(a.ident, AirportKey{id, a.latitude, a.longitude, a.elevationFt});
        Writer::run(m_airportInsert, {id, value(a.ident), value(a.type), value(a.name), a.latitude,
                                      a.longitude, value(a.elevationFt), value(a.country),
                                      value(a.region), value(a.municipality), a.scheduled ? 1 : 0,
                                      value(a.icao), value(a.iata), value(a.gps), value(a.local)});
        return std::nullopt;
    }

    std::optional<SkipReason> storeRunway(const RowResult<RunwayRecord>& read,
                                          Writer::Insert& insert) {
        if (const auto* reason = std::get_if<SkipReason>(&read)) {
            return *reason;
        }
        const auto& r = std::get<RunwayRecord>(read);
        const auto airport = m_airports.find(r.airportIdent);
        if (airport == m_airports.end()) {
            return SkipReason::UnknownAirport;
        }
        const AirportKey& key = airport->second;
        std::optional<double> variation;
        if (m_variationYear) {
            if (const auto v = MagneticVariationAt(key.latitude, key.longitude,
                                                   key.elevationFt.value_or(0), *m_variationYear)) {
                variation = v->Declination();
            }
        }
        QVariantList values = {key.id,
                               value(r.lengthFt),
                               value(r.widthFt),
                               value(r.surface),
                               QString::fromLatin1(surfaceName(ClassifySurface(r.surface))),
                               r.lighted ? 1 : 0,
                               r.closed ? 1 : 0,
                               value(variation)};
        const Designator low = ParseDesignator(r.low.ident);
        const Designator high = ParseDesignator(r.high.ident);
        for (int end = 0; end < 2; ++end) {
            const RunwayEndRecord& e = end == 0 ? r.low : r.high;
            const RunwayEndRecord& other = end == 0 ? r.high : r.low;
            const EndHeading heading =
                ResolveEndHeading(e.headingTrue, other.headingTrue, end == 0 ? low : high,
                                  end == 0 ? high : low, std::nullopt, variation);
            values << value(e.ident) << value(e.latitude) << value(e.longitude)
                   << value(e.elevationFt) << value(e.headingTrue) << value(heading.True)
                   << QString::fromLatin1(sourceName(heading.Source)) << value(e.displacedFt);
        }
        Writer::run(insert, values);
        return std::nullopt;
    }

    std::optional<SkipReason> storeFrequency(const RowResult<FrequencyRecord>& read,
                                             Writer::Insert& insert) {
        if (const auto* reason = std::get_if<SkipReason>(&read)) {
            return *reason;
        }
        const auto& f = std::get<FrequencyRecord>(read);
        const auto airport = m_airports.find(f.airportIdent);
        if (airport == m_airports.end()) {
            return SkipReason::UnknownAirport;
        }
        Writer::run(insert, {airport->second.id, value(f.type), value(f.description), f.mhz});
        return std::nullopt;
    }

    std::optional<SkipReason> storeNavaid(const RowResult<NavaidRecord>& read,
                                          Writer::Insert& insert) {
        if (const auto* reason = std::get_if<SkipReason>(&read)) {
            return *reason;
        }
        const auto& n = std::get<NavaidRecord>(read);
        const qint64 id = ++m_navaids;
        const auto airport = m_airports.find(n.airportIdent);
        Writer::run(insert,
                    {id, value(n.ident), value(n.name), value(n.type), value(n.frequencyKhz),
                     n.latitude, n.longitude, value(n.elevationFt), value(n.country),
                     value(n.dmeChannel), value(n.slavedVariation), value(n.magneticVariation),
                     value(n.usage), value(n.power), value(n.airportIdent),
                     airport == m_airports.end() ? QVariant() : QVariant(airport->second.id)});
        return std::nullopt;
    }

    static std::optional<double> decimalYearOf(const QString& date) {
        const QDate d = QDate::fromString(date, Qt::ISODate);
        return d.isValid() ? DecimalYear(d.year(), d.month(), d.day()) : std::nullopt;
    }

    QList<Loaded>& m_loaded;
    const ImportProgress& m_progress;
    ImportSummary& m_summary;
    double m_totalBytes = 0, m_doneBytes = 0;
    std::unordered_map<std::string, AirportKey> m_airports;
    qint64 m_navaids = 0;
    std::optional<double> m_variationYear;
    Writer::Insert m_airportInsert;
};

ImportSummary failed(ImportSummary summary, ImportSummary::Outcome outcome,
                     const QString& message) {
    summary.outcome = outcome;
    summary.message = message;
    return summary;
}

}  // namespace

ImportSummary importAirportData(const QList<ImportFile>& files, const QString& target,
                                const ImportProgress& progress) {
    ImportSummary summary;
    QList<Loaded> loaded;
    std::map<QString, std::map<QString, Manifest>> manifests;
    for (const ImportFile& file : files) {
        Loaded l{file, {}, {}};
        QString error;
        if (!readText(file.path, &l.text, &error)) {
            return failed(summary, ImportSummary::Outcome::Failed, error);
        }
        CsvReader reader(l.text);
        std::vector<std::string> header;
        reader.next(header);
        l.columns = MatchColumns(header, FileColumns(file.file));
        if (!l.columns.missing.empty()) {
            QStringList names;
            for (const std::string& name : l.columns.missing) {
                names << QString::fromStdString(name);
            }
            const QString missing =
                names.size() == 1
                    ? tr("its column %1 is missing").arg(names.constFirst())
                    : tr("its columns %1 are missing").arg(names.join(QStringLiteral(", ")));
            return failed(
                summary, ImportSummary::Outcome::Refused,
                tr("%1 is not OurAirports %2 data: %3.")
                    .arg(QDir::toNativeSeparators(file.path), dataFileTitle(file.file), missing));
        }
        const QFileInfo info(file.path);
        const QString folder = info.absolutePath();
        if (!manifests.contains(folder)) {
            manifests[folder] = readManifest(folder);
        }
        FileTally tally;
        tally.file = file.file;
        tally.path = file.path;
        const auto& manifest = manifests[folder];
        const auto found = manifest.find(info.fileName());
        if (found != manifest.end()) {
            tally.snapshot = found->second.snapshot;
            tally.source = found->second.source;
            tally.licence = found->second.licence;
        } else {
            tally.snapshot = info.lastModified().toUTC().date().toString(Qt::ISODate);
            tally.source = QStringLiteral("OurAirports (ourairports.com), %1").arg(info.fileName());
            tally.licence = QStringLiteral("public domain (the Unlicense)");
        }
        summary.files.append(tally);
        loaded.append(std::move(l));
        if (progress && !progress(Import::kReadShare * static_cast<double>(loaded.size()) /
                                  static_cast<double>(files.size()))) {
            return failed(summary, ImportSummary::Outcome::Cancelled, {});
        }
    }

    const QString part = target + QStringLiteral(".part");
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::remove(part);
    const QString connection = QStringLiteral("aerolume-import-") + QUuid::createUuid().toString();
    bool complete = false;
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(part);
        if (!db.open()) {
            error = tr("Cannot write %1: %2.").arg(part, db.lastError().text());
        } else {
            Writer w(db);
            try {
                w.exec(QStringLiteral("PRAGMA journal_mode = OFF"));
                w.exec(QStringLiteral("PRAGMA synchronous = OFF"));
                w.exec(QStringLiteral("BEGIN"));
                Import import(loaded, progress, summary);
                if (import.write(w)) {
                    Writer::Insert set = w.insert(QStringLiteral("INSERT INTO data_sets"), 6);
                    for (const FileTally& t : std::as_const(summary.files)) {
                        Writer::run(set, {dataFileTitle(t.file), t.snapshot, t.source, t.licence,
                                          t.read, t.kept});
                    }
                    Writer::Insert meta = w.insert(QStringLiteral("INSERT INTO meta"), 2);
                    Writer::run(meta,
                                {QStringLiteral("format"), QString::fromLatin1(kDatabaseFormat)});
                    Writer::run(meta, {QStringLiteral("version"), kDatabaseVersion});
                    Writer::run(meta, {QStringLiteral("built"),
                                       QDateTime::currentDateTimeUtc().toString(Qt::ISODate)});
                    // A Cancel pressed while the indexes were built still counts.
                    if (!progress || progress(1)) {
                        w.exec(QStringLiteral("COMMIT"));
                        w.exec(QStringLiteral("PRAGMA user_version = %1").arg(kDatabaseVersion));
                        complete = true;
                    }
                }
            } catch (const QString& message) {
                error = tr("Cannot write %1: %2.").arg(part, message);
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (!complete) {
        QFile::remove(part);
        return error.isEmpty() ? failed(summary, ImportSummary::Outcome::Cancelled, {})
                               : failed(summary, ImportSummary::Outcome::Failed, error);
    }
    std::error_code renamed;
    std::filesystem::rename(QFile::encodeName(part).toStdString(),
                            QFile::encodeName(target).toStdString(), renamed);
    if (renamed) {
        QFile::remove(part);
        return failed(
            summary, ImportSummary::Outcome::Failed,
            tr("Cannot replace %1: %2.").arg(target, QString::fromStdString(renamed.message())));
    }
    summary.outcome = ImportSummary::Outcome::Done;
    return summary;
}

}  // namespace aerolume::airports
