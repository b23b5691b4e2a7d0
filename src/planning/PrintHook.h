// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QPagedPaintDevice;
class QPageSize;
class QString;
class QWidget;

namespace aerolume::planning {

// The print module: a plugin the program loads only when the pilot prints, so that
// its start does not pay for the print support library. The module exports two C
// functions of the types below, each taking pointers owned by the caller:
//
//   aerolume_print          sets up a printer (high resolution, portrait, the page size
//                           given), shows the print dialog over `parent` and, when the
//                           pilot accepts it, paints the pages on the printer;
//   aerolume_print_to_file  paints the pages on a printer writing a PDF file, without a
//                           dialog (for checks of the module itself).
//
// Both return the number of pages printed, 0 when the pilot cancelled the dialog, or
// -1 when the printer failed. `paint` paints the pages on the device it is given and
// returns their number.
using PaintPages = std::function<int(QPagedPaintDevice&)>;
using PrintFunction = int (*)(QWidget* parent, const QPageSize* size, const PaintPages* paint);
using PrintToFileFunction = int (*)(const QString* path, const QPageSize* size,
                                    const PaintPages* paint);

inline constexpr const char* kPrintSymbol = "aerolume_print";
inline constexpr const char* kPrintToFileSymbol = "aerolume_print_to_file";

}  // namespace aerolume::planning
