// SPDX-License-Identifier: GPL-3.0-or-later
// A helper of the store test: saves the program's stored entries again and again
// through the settings store, as the two windows that keep entries do when they close,
// so that the test can kill it at any moment of a save.
//
//   robust_save_loop <first> <count>
//
// Save i (first < i <= first + count; count 0: without end) writes every entry of one
// section as savedValue(i): the latitude/longitude section when i is odd, the weight
// and balance section when it is even. Prints "saving" once it starts, and "saved i"
// once save i is done.

#include <QCoreApplication>
#include <cstdio>

#include "SavedValues.h"
#include "platform/SettingsStore.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: robust_save_loop <first> <count>\n");
        return 2;
    }
    const long long first = QByteArray(argv[1]).toLongLong();
    const long long count = QByteArray(argv[2]).toLongLong();
    std::printf("saving\n");
    std::fflush(stdout);
    for (long long i = first + 1; count == 0 || i <= first + count; ++i) {
        const auto& section = aerolume::test::savedSection(i);
        QList<QPair<QString, QString>> entries;
        for (const char* key : section.keys) {
            entries.append({QString::fromLatin1(key), aerolume::test::savedValue(i)});
        }
        if (!aerolume::platform::writeSettings(QString::fromLatin1(aerolume::stored::kApplication),
                                               QString::fromLatin1(section.name), entries)) {
            std::fprintf(stderr, "save %lld failed\n", i);
            return 1;
        }
        std::printf("saved %lld\n", i);
        std::fflush(stdout);
    }
    return 0;
}
