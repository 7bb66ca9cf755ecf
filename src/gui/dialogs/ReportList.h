#pragma once

#include <QTableWidget>

namespace zelvan {

// A read-only two-column report list with grid lines and whole-row
// selection, as the reference tools show their results.
class ReportList : public QTableWidget {
    Q_OBJECT
public:
    ReportList(const QString &firstHeader, int firstWidth, const QString &secondHeader, int secondWidth,
               QWidget *parent = nullptr);

    void clearRows();
    void addRow(const QString &first, const QString &second);
    QString cell(int row, int column) const;

    // The width the two columns, the frame and a vertical scroll bar need, so
    // a layout never squeezes the columns below their set widths.
    int preferredWidth() const;
};

} // namespace zelvan
