// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModuleLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace aerolume::platform {

QStringList moduleCandidates(const char* name, const char* variable) {
    if (qEnvironmentVariableIsSet(variable)) {
        return {qEnvironmentVariable(variable)};
    }
    const QDir program(QCoreApplication::applicationDirPath());
    const QString file = QString::fromLatin1(name);
    return {program.filePath(file), QDir::cleanPath(program.filePath(
                                        QStringLiteral(AEROLUME_MODULES_FROM_PROGRAM "/") + file))};
}

void* resolveModuleSymbol(const char* name, const char* variable, const char* symbol,
                          QString* error) {
    const QStringList candidates = moduleCandidates(name, variable);
    QString why;
    bool found = false;
    for (const QString& candidate : candidates) {
        QLibrary module(candidate);
        if (module.load()) {
            void* address = reinterpret_cast<void*>(module.resolve(symbol));
            if (error != nullptr) {
                *error = address == nullptr ? module.errorString() : QString();
            }
            return address;
        }
        found = found || QFileInfo::exists(candidate + QStringLiteral(".so")) ||
                QFileInfo::exists(candidate);
        why = module.errorString();
    }
    if (!found) {
        // Not there at all: say where it was looked for, rather than the loader's words.
        QStringList folders;
        for (const QString& candidate : candidates) {
            folders << QDir::toNativeSeparators(QFileInfo(candidate).absolutePath());
        }
        why = QCoreApplication::translate("ModuleLoader", "%1.so is not in %2")
                  .arg(QFileInfo(candidates.constLast()).fileName(),
                       folders.join(QCoreApplication::translate("ModuleLoader", " nor in ")));
    }
    if (error != nullptr) {
        *error = why;
    }
    return nullptr;
}

}  // namespace aerolume::platform
