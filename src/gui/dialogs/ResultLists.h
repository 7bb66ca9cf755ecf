#pragma once

#include "core/reference/ConsumableRecommendation.h"

class QWidget;

namespace zelvan {

class ReportList;

// The three result lists both tabs of the consumable selection tool show,
// with their headers and column widths.
class ResultLists {
public:
    static ReportList *manualArc(QWidget *parent);
    static ReportList *submergedArc(QWidget *parent);
    static ReportList *argonArc(QWidget *parent);
    // Empties the list, then adds the rows in order.
    static void fill(ReportList *list, const QList<ConsumableRow> &rows);
};

} // namespace zelvan
