// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace aerolume::planning {

namespace {
constexpr const char* kModuleName = "aerolume-print";
}

QStringList printModuleCandidates() {
    if (qEnvironmentVariableIsSet("AEROLUME_PRINT_PLUGIN")) {
        return {qEnvironmentVariable("AEROLUME_PRINT_PLUGIN")};
    }
    const QDir program(QCoreApplication::applicationDirPath());
    const QString name = QString::fromLatin1(kModuleName);
    return {program.filePath(name),
            QDir::cleanPath(program.filePath(
                QStringLiteral(AEROLUME_PRINT_MODULE_FROM_PROGRAM "/") + name))};
}

void* resolvePrintSymbol(const char* symbol) {
    for (const QString& candidate : printModuleCandidates()) {
        QLibrary module(candidate);
        if (module.load()) {
            return reinterpret_cast<void*>(module.resolve(symbol));
        }
    }
    return nullptr;
}

}  // namespace aerolume::planning
