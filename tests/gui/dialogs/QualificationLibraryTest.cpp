#include "support/RecordingPrompter.h"

#include "gui/widgets/ListEditController.h"
#include "gui/dialogs/QualificationLibraryDialog.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/TextCodec.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTableWidget>
#include <gtest/gtest.h>

using namespace zelvan;
using test::RecordingPrompter;

namespace {
void fill(QualificationLibraryDialog &d)
{
    d.numberEdit->setText("PQR-01");
    d.dateEdit->setDate(QDate(2009, 3, 5));
    d.materialAList->setCurrentIndex(9);
    d.sizeAEdit->setText("δ=12");
    d.materialBList->setCurrentIndex(9);
    d.sizeBEdit->setText("δ=12");
    for (QComboBox *box : {d.plateButtList, d.pipeButtList, d.horizontalFixedList, d.fixed45List, d.tubePlateList, d.methodList})
        box->setCurrentIndex(0);
    d.preHeatEdit->setText(QStringLiteral("无"));
    d.postHeatEdit->setText(QStringLiteral("620℃×1h"));
}

// Every control a value no other column holds, so that two swapped columns
// cannot pass unnoticed.
void fillDistinct(QualificationLibraryDialog &d)
{
    d.numberEdit->setText("PQR-07");
    d.dateEdit->setDate(QDate(2009, 3, 5));
    d.materialAList->setCurrentIndex(9);  // 16MnR
    d.sizeAEdit->setText("δ=12");
    d.materialBList->setCurrentIndex(12); // 0Cr18Ni9/SUS304
    d.sizeBEdit->setText("δ=8");
    d.plateButtList->setCurrentIndex(3);       // 仰焊
    d.pipeButtList->setCurrentIndex(1);        // 垂直固定
    d.horizontalFixedList->setCurrentIndex(0); // 向上焊
    d.fixed45List->setCurrentIndex(1);         // 向下焊
    d.tubePlateList->setCurrentIndex(2);       // 垂直固定仰焊
    d.methodList->setCurrentIndex(7);          // 全位置焊
    d.sizeCombo->setEditText(QStringLiteral("Φ3.2"));
    d.scopeCombo->setEditText(QStringLiteral("δ≤24"));
    d.polarityCombo->setEditText(QStringLiteral("自定义极性"));
    d.preHeatEdit->setText(QStringLiteral("100℃"));
    d.postHeatEdit->setText(QStringLiteral("620℃×1h"));
}
} // namespace

TEST(QualificationLibrary, EverySeventeenCellsHoldTheirOwnControl)
{
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc(company);
    RecordingPrompter prompter;
    QualificationLibraryDialog dialog(doc, prompter);
    fillDistinct(dialog);
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    dialog.editor().add();
    const Table &table = doc.record().table(TableId::Qualifications);
    ASSERT_EQ(table.countText(), "1");
    const QStringList expected{"PQR-07", "2009-03-05", "16MnR", "δ=12", "0Cr18Ni9/SUS304", "δ=8",
                               "仰焊", "垂直固定", "向上焊", "向下焊", "垂直固定仰焊", "全位置焊",
                               "Φ3.2", "δ≤24", "自定义极性", "100℃", "620℃×1h"};
    for (int c = 0; c < 17; ++c)
        EXPECT_EQ(fromGbk(table.cell(0, c)), expected.at(c)) << "column " << c;
}

TEST(QualificationLibrary, ChecksDateFormatAndEditableCombos)
{
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc(company);
    RecordingPrompter prompter;
    QualificationLibraryDialog dialog(doc, prompter);
    fill(dialog);
    dialog.postHeatEdit->clear();
    prompter.expectMessage(QStringLiteral("焊后热处理不能为空！"));
    dialog.editor().add();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("焊后热处理不能为空！"));
    fill(dialog);
    dialog.tubePlateList->setCurrentIndex(-1);
    prompter.expectMessage(QStringLiteral("管板角接头不能为空！"));
    dialog.editor().add();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("管板角接头不能为空！"));
    fill(dialog);
    dialog.polarityCombo->setEditText(QStringLiteral("自定义极性"));
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    dialog.editor().add();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("数据添加成功！"));
    const Table &table = doc.record().table(TableId::Qualifications);
    EXPECT_EQ(table.countText(), "1");
    EXPECT_EQ(table.cell(0, 1), "2009-03-05");
    EXPECT_EQ(table.cell(0, 12), "");           // 焊接规格 may be empty
    EXPECT_EQ(table.cell(0, 14), gbk("自定义极性")); // typed text is taken
    EXPECT_EQ(table.cell(0, 16), gbk("620℃×1h"));
}

TEST(QualificationLibrary, ModifyMessageUsesAnAsciiCommaAndCapacityIs180)
{
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc(company);
    std::vector<std::vector<std::string>> rows(180, std::vector<std::string>(17, "x"));
    doc.record().table(TableId::Qualifications).assignRows(rows);
    RecordingPrompter prompter;
    QualificationLibraryDialog dialog(doc, prompter);
    EXPECT_EQ(dialog.editor().list()->rowCount(), 180);
    dialog.editor().list()->clearSelection();
    prompter.expectMessage(QStringLiteral("所选记录为空,无法修改！"));
    dialog.editor().modify();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("所选记录为空,无法修改！"));
    fill(dialog);
    prompter.expectMessage(QStringLiteral("记录数已达上限（180条），无法添加！"));
    dialog.editor().add();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("记录数已达上限（180条），无法添加！"));

    EXPECT_EQ(doc.record().table(TableId::Qualifications).countText(), "180");
    // A stored date comes back into the picker on modify.
    doc.record().table(TableId::Qualifications).setCell(0, 1, "2010-11-23");
    dialog.editor().loadFromRecord();
    dialog.editor().list()->selectRow(0);
    prompter.answerYes();
    dialog.editor().modify();
    EXPECT_EQ(dialog.dateEdit->date(), QDate(2010, 11, 23));
}
