// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "PlanWarnings.h"

namespace aerolume::planning {

// The plan's warnings (PlanWarnings.h) in words, one line each, as the window shows them
// below its table (the printed page, whose rows are its own, names checkpoints only:
// PrintTexts.h). Rows are named as the table shows them: by their number in the row
// header and their checkpoint's name ("Row 5 (LFAT Le Touquet) ...", a leg by
// the row it ends on: "Row 5, the leg from CPT to LFAT: ..."). The fuel running out is
// the strongest and says so first: "Out of fuel: ...".
QString tableWarningText(const PlanWarning& warning, const Plan& plan);
QStringList tableWarningTexts(const Plan& plan, const PlanResult& result);

}  // namespace aerolume::planning
