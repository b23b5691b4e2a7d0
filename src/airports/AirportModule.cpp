// SPDX-License-Identifier: GPL-3.0-or-later
#include "AirportModule.h"

#include <QCoreApplication>

#include "platform/ModuleLoader.h"

namespace aerolume::airports {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("AirportData", text);
}

// The module's function `symbol`, or null with `why` saying why it cannot be had.
template <typename Function>
Function moduleFunction(const char* symbol, QString* why) {
    return reinterpret_cast<Function>(platform::resolveModuleSymbol(
        "aerolume-airports", "AEROLUME_AIRPORTS_MODULE", symbol, why));
}

}  // namespace

std::unique_ptr<AirportDatabase> openThroughModule(const QString& path, QString* error) {
    QString why;
    const auto open = moduleFunction<OpenFunction>(kOpenSymbol, &why);
    if (open == nullptr) {
        *error = tr("The program's airport module cannot be loaded: %1.").arg(why);
        return nullptr;
    }
    return std::unique_ptr<AirportDatabase>(open(&path, error));
}

ImportSummary importThroughModule(const QList<ImportFile>& files, const QString& target,
                                  const ImportProgress& progress) {
    ImportSummary summary;
    QString why;
    const auto import = moduleFunction<ImportFunction>(kImportSymbol, &why);
    if (import == nullptr) {
        summary.outcome = ImportSummary::Outcome::Failed;
        summary.message =
            tr("The program's airport module cannot be loaded, so the files cannot be "
               "imported: %1.")
                .arg(why);
        return summary;
    }
    import(&files, &target, &progress, &summary);
    return summary;
}

}  // namespace aerolume::airports
