// The parts page, the weld page and the tower parameters page through their
// widgets: check orders, editable drop-downs that keep typed text, several
// selections deleted at once, the linked weld-type lists, updates in place,
// code fields restored by position and tower edits marking the project.
#include "support/RecordingPrompter.h"

#include "gui/pages/PartsPage.h"
#include "gui/pages/TowerParametersPage.h"
#include "gui/pages/WeldPage.h"
#include "gui/widgets/GrooveFormLists.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/TextCodec.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

using namespace zelvan;
using test::RecordingPrompter;

namespace {

void select(QComboBox *box, const QString &text)
{
    const int index = box->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    box->setCurrentIndex(index);
}

void selectRows(ListEditController &editor, std::initializer_list<int> rows)
{
    editor.list()->clearSelection();
    for (int row : rows)
        editor.list()->selectionModel()->select(editor.list()->model()->index(row, 0),
                                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

QStringList listColumn(ListEditController &editor, int c)
{
    QStringList cells;
    for (const QStringList &row : editor.rows())
        cells.append(row.value(c));
    return cells;
}

struct Pages : ::testing::Test {
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc{company};
    RecordingPrompter prompter;

    std::vector<std::string> column(TableId id, int c) const
    {
        std::vector<std::string> cells;
        const Table &table = doc.record().table(id);
        for (int r = 0; r < table.rowCount(); ++r)
            cells.push_back(gbkToUtf8(table.cell(r, c)));
        return cells;
    }
};

void fillPart(PartsPage &page, const QString &number)
{
    page.numberEdit->setText(number);
    page.specificationEdit->setText("DN100 PN1.6");
    select(page.materialList, "16MnR");
    select(page.unitList, QStringLiteral("件"));
    page.quantityEdit->setText("2");
    page.weightEdit->setText("8.5");
    select(page.natureList, QStringLiteral("受压元件"));
    page.requirementsEdit->setPlainText(QStringLiteral("按图加工"));
}

} // namespace

TEST_F(Pages, PartChecksInOrderAndOptionalEntries)
{
    PartsPage page(doc, prompter);
    EXPECT_EQ(page.editor().list()->columnCount(), 13);
    EXPECT_EQ(page.editor().list()->horizontalHeaderItem(10)->text(), QStringLiteral("文件编号"));
    EXPECT_EQ(page.editor().list()->columnWidth(0), 60);
    EXPECT_EQ(page.editor().list()->columnWidth(6), 80);
    EXPECT_EQ(page.materialList->count(), 16);
    EXPECT_EQ(page.materialList->findText("0Cr13"), -1);
    EXPECT_EQ(page.categoryBox->count(), 19);

    const QStringList expected = {QStringLiteral("编号不能为空！"),   QStringLiteral("规格型号不能为空！"),
                                  QStringLiteral("材质不能为空！"),   QStringLiteral("单位不能为空！"),
                                  QStringLiteral("数量不能为空！"),   QStringLiteral("重量不能为空！"),
                                  QStringLiteral("性质不能为空！"),   QStringLiteral("技术要求不能为空！")};
    // Each step fills the entry the last message asked for.
    const std::vector<std::function<void()>> fills = {
        [&] { page.numberEdit->setText("J1"); },
        [&] { page.specificationEdit->setText("DN100"); },
        [&] { select(page.materialList, "20#"); },
        [&] { select(page.unitList, QStringLiteral("只")); },
        [&] { page.quantityEdit->setText("4"); },
        [&] { page.weightEdit->setText("3"); },
        [&] { select(page.natureList, QStringLiteral("普通")); },
        [&] { page.requirementsEdit->setPlainText(QStringLiteral("去毛刺")); },
    };
    for (size_t i = 0; i < fills.size(); ++i) {
        prompter.clear();
        prompter.expectMessage(expected.at(qsizetype(i)));
        page.editor().add();
        ASSERT_EQ(prompter.entries.size(), 1);
        EXPECT_EQ(prompter.entries[0].title, QStringLiteral("提示"));
        EXPECT_EQ(prompter.entries[0].text, expected.at(qsizetype(i)));
        fills[i]();
    }
    prompter.clear();
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page.editor().add(); // name, category, standard, document and workpiece numbers may stay empty
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("数据添加成功！")});
    EXPECT_EQ(column(TableId::Parts, 0), std::vector<std::string>{"J1"});
    EXPECT_EQ(column(TableId::Parts, 1), std::vector<std::string>{""});
}

TEST_F(Pages, TypedNamesAreStoredAndComeBackOnModify)
{
    PartsPage page(doc, prompter);
    fillPart(page, "J1");
    page.nameBox->setEditText(QStringLiteral("带颈对焊法兰(自制)"));
    page.categoryBox->setEditText(QStringLiteral("非标件"));
    page.standardBox->setEditText(QStringLiteral("HG/T20592-2009"));
    page.documentNumberEdit->setText("W-01");
    page.workpieceNumberEdit->setText("G7");
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page.editor().add();
    EXPECT_EQ(column(TableId::Parts, 1), std::vector<std::string>{"带颈对焊法兰(自制)"});
    EXPECT_EQ(column(TableId::Parts, 2), std::vector<std::string>{"非标件"});
    EXPECT_EQ(column(TableId::Parts, 5), std::vector<std::string>{"HG/T20592-2009"});
    EXPECT_EQ(column(TableId::Parts, 11), std::vector<std::string>{"G7"});

    page.nameBox->setEditText(QString());
    page.categoryBox->setEditText(QString());
    page.standardBox->setEditText(QString());
    page.materialList->setCurrentIndex(-1);
    selectRows(page.editor(), {0});
    prompter.answerYes();
    page.editor().modify();
    EXPECT_EQ(page.nameBox->currentText(), QStringLiteral("带颈对焊法兰(自制)"));
    EXPECT_EQ(page.categoryBox->currentText(), QStringLiteral("非标件"));
    EXPECT_EQ(page.standardBox->currentText(), QStringLiteral("HG/T20592-2009"));
    EXPECT_EQ(page.materialList->currentText(), QStringLiteral("16MnR"));
    EXPECT_EQ(page.requirementsEdit->toPlainText(), QStringLiteral("按图加工"));
}

TEST_F(Pages, SeveralSelectedPartsGoInOneDeleteAndUpdatesKeepTheirPlace)
{
    PartsPage page(doc, prompter);
    for (const char *n : {"J1", "J2", "J3", "J4"}) {
        fillPart(page, n);
        prompter.expectMessage(QStringLiteral("数据添加成功！"));
        page.editor().add();
    }
    selectRows(page.editor(), {1, 2});
    prompter.clear();
    prompter.answerYes(QStringLiteral("是否删除选定记录？"));
    prompter.expectMessages({QStringLiteral("数据删除成功！"), QStringLiteral("数据删除成功！")});
    page.editor().remove();
    EXPECT_EQ(listColumn(page.editor(), 0), (QStringList{"J1", "J4"}));
    EXPECT_EQ(column(TableId::Parts, 0), (std::vector<std::string>{"J1", "J4"}));

    selectRows(page.editor(), {0});
    prompter.answerYes();
    page.editor().modify();
    page.quantityEdit->setText("6");
    prompter.answerYes();
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page.editor().update();
    // Where the updated row lands is the list-editing mechanism's rule
    // (its own tests); here: one J1 with the new quantity, J4 untouched.
    std::vector<std::string> rows;
    for (const QStringList &row : page.editor().rows())
        rows.push_back((row.value(0) + "/" + row.value(7)).toStdString());
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (std::vector<std::string>{"J1/6", "J4/2"}));
    EXPECT_EQ(doc.record().table(TableId::Parts).rowCount(), 2);
}

TEST_F(Pages, PartsCapacityIsEighty)
{
    PartsPage page(doc, prompter);
    for (int i = 0; i < 80; ++i) {
        fillPart(page, QString::number(i + 1));
        prompter.expectMessage(QStringLiteral("数据添加成功！"));
        page.editor().add();
    }
    EXPECT_EQ(doc.record().table(TableId::Parts).rowCount(), 80);
    prompter.clear();
    fillPart(page, "81");
    prompter.expectMessage(QStringLiteral("记录数已达上限（80条），无法添加！"));
    page.editor().add();
    ASSERT_EQ(prompter.entries.size(), 1);
    EXPECT_EQ(doc.record().table(TableId::Parts).rowCount(), 80);
}

namespace {
void fillWeld(WeldPage &page, const QString &number)
{
    page.numberEdit->setText(number);
    select(page.categoryList, QStringLiteral("A类"));
    select(page.shapeList, QStringLiteral("直线"));
    page.lengthEdit->setText("3140");
    select(page.materialAList, "16MnR");
    page.specificationAEdit->setText("δ=10");
    select(page.materialBList, "16MnR");
    page.specificationBEdit->setText("δ=10");
    select(page.grooves().kindList(), QStringLiteral("对接焊缝"));
    select(page.grooves().grooveList(), QStringLiteral("单边单面V型坡口"));
    select(page.testTypeList, "RT");
    select(page.testStandardList, QStringLiteral("JB/T4730-2005《承压设备无损检测》"));
    select(page.testRatioList, "20%");
    select(page.acceptanceList, QStringLiteral("III级"));
    select(page.stateList, QStringLiteral("焊接完毕"));
    select(page.positionList, QStringLiteral("平焊"));
}
} // namespace

TEST_F(Pages, WeldChecksInOrderWithoutTheWelders)
{
    WeldPage page(doc, prompter);
    QTableWidget *list = page.editor().list();
    ASSERT_EQ(list->columnCount(), 19);
    const int widths[] = {60, 60, 60, 80, 70, 70, 70, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80};
    for (int i = 0; i < 19; ++i)
        EXPECT_EQ(list->columnWidth(i), widths[i]) << i;
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(page.materialAList->count(), 17);

    prompter.expectMessage(QStringLiteral("请先选择焊缝类型！"));
    page.grooves().grooveList()->showPopup();
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("请先选择焊缝类型！")});

    const QStringList expected = {
        QStringLiteral("焊缝编号不能为空！"), QStringLiteral("焊缝类别不能为空！"), QStringLiteral("焊缝形状不能为空！"),
        QStringLiteral("焊缝长度不能为空！"), QStringLiteral("材质A不能为空！"),     QStringLiteral("规格A不能为空！"),
        QStringLiteral("材质B不能为空！"),    QStringLiteral("规格B不能为空！"),     QStringLiteral("焊缝类型不能为空！"),
        QStringLiteral("坡口形式不能为空！"), QStringLiteral("检验类型不能为空！"), QStringLiteral("检验标准不能为空！"),
        QStringLiteral("检验比例不能为空！"), QStringLiteral("合格级别不能为空！"), QStringLiteral("焊缝状态不能为空！"),
        QStringLiteral("焊接位置不能为空！")};
    const std::vector<std::function<void()>> fills = {
        [&] { page.numberEdit->setText("A1"); },
        [&] { select(page.categoryList, QStringLiteral("B类")); },
        [&] { select(page.shapeList, QStringLiteral("环形")); },
        [&] { page.lengthEdit->setText("6283"); },
        [&] { select(page.materialAList, "0Cr13"); },
        [&] { page.specificationAEdit->setText("δ=8"); },
        [&] { select(page.materialBList, "Q235B"); },
        [&] { page.specificationBEdit->setText("δ=8"); },
        [&] { select(page.grooves().kindList(), QStringLiteral("对接焊缝")); },
        [&] { select(page.grooves().grooveList(), QStringLiteral("双边双面V型坡口")); },
        [&] { select(page.testTypeList, "UT"); },
        [&] { select(page.testStandardList, QStringLiteral("GB150-1998《钢制压力容器》")); },
        [&] { select(page.testRatioList, "100%"); },
        [&] { select(page.acceptanceList, QStringLiteral("II级")); },
        [&] { select(page.stateList, QStringLiteral("准备")); },
        [&] { select(page.positionList, QStringLiteral("横焊")); },
    };
    for (size_t i = 0; i < fills.size(); ++i) {
        prompter.clear();
        prompter.expectMessage(expected.at(qsizetype(i)));
        page.editor().add();
        ASSERT_EQ(prompter.entries.size(), 1);
        fills[i]();
    }
    prompter.clear();
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page.editor().add(); // the three welders are empty and not asked for
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("数据添加成功！")});
    ASSERT_EQ(doc.record().table(TableId::Welds).rowCount(), 1);
    EXPECT_EQ(column(TableId::Welds, 4), std::vector<std::string>{""});
    EXPECT_EQ(column(TableId::Welds, 12), std::vector<std::string>{"双边双面V型坡口"});
    EXPECT_EQ(column(TableId::Welds, 18), std::vector<std::string>{"横焊"});
}

TEST_F(Pages, WeldModifyLoadsTheTypeBeforeTheGrooveAndUpdatesInPlace)
{
    WeldPage page(doc, prompter);
    fillWeld(page, "A1");
    page.welder1Box->setEditText(QStringLiteral("王五"));
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page.editor().add();
    fillWeld(page, "A2");
    select(page.grooves().kindList(), QStringLiteral("带坡口角焊缝"));
    const QString cornerGroove = page.grooves().grooveList()->itemText(0);
    page.grooves().grooveList()->setCurrentIndex(0);
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page.editor().add();

    // The form now shows a butt weld; loading A2 must show the fillet
    // weld's groove list with its groove selected.
    fillWeld(page, "X");
    page.editor().list()->selectRow(1);
    prompter.clear();
    prompter.answerYes();
    page.editor().modify();
    EXPECT_EQ(page.grooves().kindList()->currentText(), QStringLiteral("带坡口角焊缝"));
    EXPECT_EQ(page.grooves().grooveList()->currentText(), cornerGroove);
    EXPECT_EQ(page.numberEdit->text(), "A2");

    page.editor().list()->selectRow(0);
    prompter.answerYes();
    page.editor().modify();
    EXPECT_EQ(page.welder1Box->currentText(), QStringLiteral("王五"));
    EXPECT_EQ(page.grooves().grooveList()->currentText(), QStringLiteral("单边单面V型坡口"));
    select(page.stateList, QStringLiteral("关闭"));
    prompter.answerYes();
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page.editor().update();
    std::vector<std::string> rows;
    for (int r = 0; r < doc.record().table(TableId::Welds).rowCount(); ++r)
        rows.push_back(column(TableId::Welds, 0)[size_t(r)] + "/" + column(TableId::Welds, 17)[size_t(r)]
                       + "/" + column(TableId::Welds, 12)[size_t(r)]);
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (std::vector<std::string>{"A1/关闭/单边单面V型坡口", "A2/焊接完毕/" + cornerGroove.toStdString()}));
}

TEST_F(Pages, PartsAndWeldExportRefusalsInOrder)
{
    PartsPage parts(doc, prompter);
    WeldPage welds(doc, prompter);
    prompter.answerYes(QStringLiteral("即将导出为Word文件，是否继续？"));
    prompter.expectMessage(QStringLiteral("零件参数内容为空，无法导出！"));
    parts.exportWord();
    prompter.answerYes(QStringLiteral("即将导出为Word文件，是否继续？"));
    prompter.expectMessage(QStringLiteral("焊缝参数表内容为空，无法导出！"));
    welds.exportButton->click();
    EXPECT_EQ(prompter.texts(), (QStringList{QStringLiteral("即将导出为Word文件，是否继续？"), QStringLiteral("零件参数内容为空，无法导出！"),
                                             QStringLiteral("即将导出为Word文件，是否继续？"), QStringLiteral("焊缝参数表内容为空，无法导出！")}));
    fillPart(parts, "J1");
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    parts.editor().add();
    fillWeld(welds, "A1");
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    welds.editor().add();
    prompter.clear();
    prompter.answerYes(QStringLiteral("即将导出为Word文件，是否继续？"));
    prompter.expectMessage(QStringLiteral("导出Word前请先保存项目！"));
    parts.exportButton->click();
    prompter.answerYes(QStringLiteral("即将导出为Word文件，是否继续？"));
    prompter.expectMessage(QStringLiteral("导出Word前请先保存项目！"));
    welds.exportWord();
    EXPECT_EQ(prompter.texts(), (QStringList{QStringLiteral("即将导出为Word文件，是否继续？"), QStringLiteral("导出Word前请先保存项目！"),
                                             QStringLiteral("即将导出为Word文件，是否继续？"), QStringLiteral("导出Word前请先保存项目！")}));
    prompter.clear();
    prompter.answerNo();
    parts.exportWord();
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("即将导出为Word文件，是否继续？")});
}

TEST_F(Pages, TowerFieldsShowStoreAndMarkModified)
{
    doc.record().setField(Field::DesignPressureShell, "1.6");
    doc.record().setField(Field::StructureForm, "1");
    doc.record().setField(Field::NdtInstrument, "7"); // no such item
    doc.record().setField(Field::NdtMethod, "");
    // Position 7 of the manufacturing standards repeats the text of position 2.
    doc.record().setField(Field::ManufacturingStandard, "7");
    doc.setModifiedFlag(false);

    TowerParametersPage page(doc, prompter);
    EXPECT_FALSE(doc.isModified()); // opening the page changes nothing
    EXPECT_EQ(page.edit(Field::DesignPressureShell)->text(), "1.6");
    EXPECT_EQ(page.list(Field::StructureForm)->currentText(), QStringLiteral("多层"));
    EXPECT_EQ(page.list(Field::NdtInstrument)->currentIndex(), -1);
    EXPECT_EQ(page.list(Field::NdtMethod)->currentIndex(), -1);
    QComboBox *manufacturing = page.list(Field::ManufacturingStandard);
    ASSERT_EQ(manufacturing->count(), 11);
    EXPECT_EQ(manufacturing->currentIndex(), 7);
    EXPECT_EQ(manufacturing->currentText(), manufacturing->itemText(2));
    EXPECT_EQ(page.list(Field::DesignStandard)->count(), 7);
    EXPECT_EQ(page.list(Field::NdtStandard)->count(), 5);

    // Every field of 23..54 has its control, in record order for the focus.
    for (int f = 23; f <= 54; ++f)
        EXPECT_NE(page.control(Field(f)), nullptr) << f;

    page.edit(Field::PadWeldSealTestPressure)->setText("0.4");
    EXPECT_EQ(doc.record().field(Field::PadWeldSealTestPressure), "0.4");
    EXPECT_TRUE(doc.isModified());

    doc.setModifiedFlag(false);
    QComboBox *instrument = page.list(Field::NdtInstrument);
    instrument->activated(3); // as the user choosing the fourth instrument
    EXPECT_EQ(doc.record().field(Field::NdtInstrument), "3");
    EXPECT_TRUE(doc.isModified());

    // The same item chosen twice stores the position that was chosen, not
    // the first item with that text.
    manufacturing->setCurrentIndex(8);
    manufacturing->activated(8);
    EXPECT_EQ(doc.record().field(Field::ManufacturingStandard), "8");
    TowerParametersPage reopened(doc, prompter);
    EXPECT_EQ(reopened.list(Field::ManufacturingStandard)->currentIndex(), 8);
    EXPECT_EQ(reopened.list(Field::NdtInstrument)->currentText(), "300EG-B2F");
}

TEST_F(Pages, CertificateRefusedBeforeTheFirstSave)
{
    TowerParametersPage page(doc, prompter);
    prompter.answerYes(QStringLiteral("即将导出为Word文件，是否继续？"));
    prompter.expectMessage(QStringLiteral("导出Word前请先保存项目！"));
    page.certificateButton->click();

    EXPECT_EQ(prompter.texts(), (QStringList{QStringLiteral("即将导出为Word文件，是否继续？"), QStringLiteral("导出Word前请先保存项目！")}));
}
