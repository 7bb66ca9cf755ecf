#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace zelvan {

class ProcessFileInputs;
class WordDocument;

// The frame every production process card is written in: a title, a header
// table (with the card's sketch, or one row without), a step table of six
// columns and the closing row "编制人：" / "审核人：".
class ProcessCardFrame {
public:
    struct Step {
        QString name;
        QStringList content; // one paragraph each
        QString station;
        QString check;
    };

    // Title at 15 points, centred, and a paragraph mark; then left, 12 points.
    static void writeTitle(WordDocument &document, const QString &title);

    // Header table of 4 × 4 fixed columns: vessel name and product number,
    // material and "φDi/δ", "简图如下" centred over the row, the picture over
    // the last row; then one line down, out of the table, and a paragraph
    // mark when `markAfter`. The header is kept whole with what follows.
    static void writeSketchHeader(WordDocument &document, const ProcessFileInputs &inputs, const QString &material,
                                  const QString &picturePath, bool markAfter);

    // Header of one row (vessel name, product number) and one line down.
    static void writeSimpleHeader(WordDocument &document, const ProcessFileInputs &inputs);

    // The step header rows of the cards.
    static QStringList stepHeaderWithSketch();  // "序号", "名称", "工序内容及要求", "负责工位", "检查", "检验员"
    static QStringList stepHeaderPlain();       // "序号", "名称", "工序内容、要求", "负责工位", "检查", "检查人"

    // Step table of six columns created with `initialRows` rows and extended
    // by moving on from its last cell: the header row (none when empty), then
    // one row per step numbered from `firstNumber`, the inspector cell empty.
    // The insertion point is left in the last cell written.
    static int writeStepTable(WordDocument &document, int initialRows, bool fitToContent, const QStringList &header,
                              const std::vector<Step> &steps, int firstNumber = 1);

    // From the last cell of a table: the next row's cells merged into one
    // full row, split into "编制人：" and "审核人："; one line down and two
    // empty paragraphs.
    static void writeClosingRow(WordDocument &document);

    // From the last cell of a table: the next row's cells merged into one,
    // left for the caller to fill.
    static void moveToMergedRow(WordDocument &document);

    // Step table of six columns like writeStepTable, for cards whose rows are
    // not numbered steps: each row is given cell by cell (one text per cell).
    static int writeRowTable(WordDocument &document, int initialRows, bool fitToContent, const QStringList &header,
                             const std::vector<QStringList> &rows);

    // From the last cell of a table: a full row holding the picture, centred.
    static void writePictureRow(WordDocument &document, const QString &picturePath);

    // From the last cell of a table: a list inside the step table, a header
    // row and one row per entry, each row made of as many equal cells as the
    // header has texts. The rows are written as given: a card that shows an
    // empty row for an empty list passes one.
    static void writeListRows(WordDocument &document, const QStringList &header, const std::vector<QStringList> &rows);

    // From the last cell of a table: a full row holding one line of text.
    static void writeTextRow(WordDocument &document, const QString &text);
};

} // namespace zelvan
