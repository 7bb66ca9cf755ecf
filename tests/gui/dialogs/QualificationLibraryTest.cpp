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
} // namespace

TEST(QualificationLibrary, ChecksDateFormatAndEditableCombos)
{
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc(company);
    RecordingPrompter prompter;
    QualificationLibraryDialog dialog(doc, prompter);
    fill(dialog);
    dialog.postHeatEdit->clear();
    dialog.editor().add();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("焊后热处理不能为空！"));
    fill(dialog);
    dialog.tubePlateList->setCurrentIndex(-1);
    dialog.editor().add();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("管板角接头不能为空！"));
    fill(dialog);
    dialog.polarityCombo->setEditText(QStringLiteral("自定义极性"));
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
    dialog.editor().modify();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("所选记录为空,无法修改！"));
    fill(dialog);
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
