// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft file reader fed any bytes. It either refuses them with a reason or gives
// an aircraft that passes the aircraft check and that writes and reads back to the
// same file.

#include <QByteArray>
#include <cstdint>

#include "FuzzCheck.h"
#include "aircraft/AircraftFile.h"

using namespace aerolume::aircraft;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const QByteArray file(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    const ReadResult read = readAircraft(file);
    if (!read.aircraft) {
        FUZZ_CHECK(!read.error.isEmpty(), "refused without a reason");
        return 0;
    }
    FUZZ_CHECK(read.error.isEmpty(), "an aircraft and an error: %s", qPrintable(read.error));
    FUZZ_CHECK(!checkAircraft(*read.aircraft), "read an aircraft the check refuses");
    const QByteArray written = writeAircraft(*read.aircraft);
    const ReadResult again = readAircraft(written);
    FUZZ_CHECK(again.aircraft.has_value(), "its own file refused: %s", qPrintable(again.error));
    FUZZ_CHECK(writeAircraft(*again.aircraft) == written, "the file changes when read back");
    return 0;
}
