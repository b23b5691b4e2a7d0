// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModuleLoader.h"

#include <QCoreApplication>
#include <QDir>
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
    QString why;
    for (const QString& candidate : moduleCandidates(name, variable)) {
        QLibrary module(candidate);
        if (module.load()) {
            void* address = reinterpret_cast<void*>(module.resolve(symbol));
            if (address == nullptr) {
                why = module.errorString();
            }
            if (error != nullptr) {
                *error = why;
            }
            return address;
        }
        why = module.errorString();
    }
    if (error != nullptr) {
        *error = why;
    }
    return nullptr;
}

}  // namespace aerolume::platform
