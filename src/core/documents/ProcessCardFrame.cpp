#include "core/documents/ProcessCardFrame.h"

#include "core/documents/ProcessFileInputs.h"
#include "core/word/WordDocument.h"

namespace zelvan {

namespace {
constexpr int kStepColumns = 6;

// A table without header row: its first row is a step like the others,
// neither repeated on the next page nor tied to the row after it.
void noHeadingRow(WordDocument &document)
{
    document.setHeadingRow(false);
}

void typeContent(WordDocument &document, const QStringList &paragraphs)
{
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i)
            document.typeParagraph();
        document.typeText(paragraphs.at(i));
    }
}
} // namespace

void ProcessCardFrame::writeTitle(WordDocument &document, const QString &title)
{
    document.setSize(15);
    document.setBold(false);
    document.setAlignment(WordAlignment::Centre);
    document.typeText(title);
    document.typeParagraph();
    document.setAlignment(WordAlignment::Left);
    document.setSize(12);
}

void ProcessCardFrame::writeSketchHeader(WordDocument &document, const ProcessFileInputs &in, const QString &material,
                                         const QString &picturePath, bool markAfter)
{
    const int table = document.addTable(4, 4, false);
    document.selectCell(table, 1, 1);
    const QStringList cells{
        QStringLiteral("容器名称"), in.field(Field::VesselName), QStringLiteral("产品编号"), in.field(Field::ProductNumber),
        QStringLiteral("材    质"), material, QStringLiteral("规    格"),
        QStringLiteral("φ") + in.process(ProcessField::InnerDiameter) + QLatin1Char('/') + in.process(ProcessField::WallThickness)};
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i)
            document.moveRight(WordDocument::Cell);
        document.typeText(cells.at(i));
    }
    document.moveRight(WordDocument::Cell);
    document.moveRight(WordDocument::Character, 4, true);
    document.mergeCells();
    document.setAlignment(WordAlignment::Centre);
    document.typeText(QStringLiteral("简图如下"));
    document.moveRight(WordDocument::Cell);
    document.moveRight(WordDocument::Character, 4, true);
    document.mergeCells();
    document.addPicture(picturePath);
    // The card starts on one page: title, header and sketch, and the first
    // rows of the steps.
    document.keepTableTogether(table);
    document.setKeepWithNext(true);
    document.moveDown(WordDocument::Line, 1);
    if (markAfter)
        document.typeParagraph();
}

void ProcessCardFrame::writeSimpleHeader(WordDocument &document, const ProcessFileInputs &in)
{
    const int table = document.addTable(1, 4, false);
    document.selectCell(table, 1, 1);
    const QStringList cells{QStringLiteral("容器名称"), in.field(Field::VesselName), QStringLiteral("产品编号"), in.field(Field::ProductNumber)};
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i)
            document.moveRight(WordDocument::Cell);
        document.typeText(cells.at(i));
    }
    document.moveDown(WordDocument::Line, 1);
}

QStringList ProcessCardFrame::stepHeaderWithSketch()
{
    return {QStringLiteral("序号"), QStringLiteral("名称"), QStringLiteral("工序内容及要求"), QStringLiteral("负责工位"),
            QStringLiteral("检查"), QStringLiteral("检验员")};
}

QStringList ProcessCardFrame::stepHeaderPlain()
{
    return {QStringLiteral("序号"), QStringLiteral("名称"), QStringLiteral("工序内容、要求"), QStringLiteral("负责工位"),
            QStringLiteral("检查"), QStringLiteral("检查人")};
}

int ProcessCardFrame::writeStepTable(WordDocument &document, int initialRows, bool fitToContent, const QStringList &header,
                                     const std::vector<Step> &steps, int firstNumber)
{
    const int table = document.addTable(initialRows, kStepColumns, fitToContent);
    document.selectCell(table, 1, 1);
    bool first = true;
    auto cell = [&](const QStringList &paragraphs) {
        if (!first)
            document.moveRight(WordDocument::Cell);
        first = false;
        typeContent(document, paragraphs);
    };
    for (const QString &text : header)
        cell({text});
    if (header.isEmpty())
        noHeadingRow(document);
    int number = firstNumber;
    for (const Step &step : steps) {
        cell({QString::number(number++)});
        cell({step.name});
        cell(step.content);
        cell({step.station});
        cell({step.check});
        cell({}); // the inspector signs on paper
    }
    return table;
}

void ProcessCardFrame::moveToMergedRow(WordDocument &document)
{
    document.moveRight(WordDocument::Cell);
    document.moveRight(WordDocument::Character, kStepColumns, true);
    document.mergeCells();
}

int ProcessCardFrame::writeRowTable(WordDocument &document, int initialRows, bool fitToContent, const QStringList &header,
                                    const std::vector<QStringList> &rows)
{
    const int table = document.addTable(initialRows, kStepColumns, fitToContent);
    document.selectCell(table, 1, 1);
    bool first = true;
    auto row = [&](const QStringList &cells) {
        for (const QString &text : cells) {
            if (!first)
                document.moveRight(WordDocument::Cell);
            first = false;
            document.typeText(text);
        }
    };
    row(header);
    if (header.isEmpty())
        noHeadingRow(document);
    for (const QStringList &cells : rows)
        row(cells);
    return table;
}

void ProcessCardFrame::writePictureRow(WordDocument &document, const QString &picturePath)
{
    moveToMergedRow(document);
    document.setAlignment(WordAlignment::Centre);
    document.addPicture(picturePath);
}

void ProcessCardFrame::writeListRows(WordDocument &document, const QStringList &header, const std::vector<QStringList> &rows)
{
    // The header row is a full row split into the list's columns; the rows
    // after it take its layout as they are appended.
    moveToMergedRow(document);
    document.setAlignment(WordAlignment::Left);
    document.splitCells(1, int(header.size()), false);
    auto row = [&](const QStringList &cells, bool keepWithNext) {
        for (qsizetype i = 0; i < cells.size(); ++i) {
            if (i)
                document.moveRight(WordDocument::Cell);
            document.typeText(cells.at(i));
            document.setKeepWithNext(keepWithNext);
        }
    };
    // The list's header row never ends a page alone: it goes with its first
    // entry.
    row(header, !rows.empty());
    for (const QStringList &cells : rows) {
        document.moveRight(WordDocument::Cell);
        row(cells, false);
    }
}

void ProcessCardFrame::writeTextRow(WordDocument &document, const QString &text)
{
    moveToMergedRow(document);
    document.setAlignment(WordAlignment::Left);
    document.typeText(text);
}

void ProcessCardFrame::writeClosingRow(WordDocument &document)
{
    moveToMergedRow(document);
    document.setAlignment(WordAlignment::Left);
    document.splitCells(1, 2, false);
    document.typeText(QStringLiteral("编制人："));
    document.moveRight(WordDocument::Cell);
    document.typeText(QStringLiteral("审核人："));
    document.moveDown(WordDocument::Line, 1);
    document.typeParagraph();
    document.typeParagraph();
}

} // namespace zelvan
