// The list-editing mechanism, exercised once through the plate page (the
// simplest table page) and a test page that allows several selections.
#include "support/RecordingPrompter.h"

#include "gui/widgets/ListEditController.h"
#include "gui/pages/PlatePage.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/TextCodec.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <gtest/gtest.h>

using namespace zelvan;
using test::RecordingPrompter;

namespace {

struct PlateFixture : ::testing::Test {
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc{company};
    RecordingPrompter prompter;
    std::unique_ptr<PlatePage> page;

    void SetUp() override { page = std::make_unique<PlatePage>(doc, prompter); }

    void fill(const QString &number, const QString &heat)
    {
        page->numberEdit->setText(number);
        page->materialList->setCurrentIndex(9); // 16MnR
        page->heatNumberEdit->setText(heat);
        page->lengthEdit->setText("6000");
        page->widthEdit->setText("1800");
        page->thicknessEdit->setText("12");
        page->quantityEdit->setText("1");
    }

    void addPlate(const QString &number, const QString &heat, const QString &message = QStringLiteral("数据添加成功！"))
    {
        fill(number, heat);
        prompter.expectMessage(message);
        page->editor().add();
    }

    // The record's table equals the list: same rows, same order, same count.
    void expectRecordEqualsList()
    {
        const QList<QStringList> rows = page->editor().rows();
        const Table &table = doc.record().table(TableId::Plates);
        ASSERT_EQ(table.countText(), std::to_string(rows.size()));
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < 7; ++c)
                EXPECT_EQ(fromGbk(table.cell(r, c)), rows.at(r).at(c)) << r << "," << c;
    }

    void select(int row)
    {
        page->editor().list()->clearSelection();
        if (row >= 0)
            page->editor().list()->selectRow(row);
    }
};

} // namespace

TEST_F(PlateFixture, AddChecksInOrderAndCopiesBack)
{
    prompter.expectMessage(QStringLiteral("编号不能为空！"));
    page->editor().add();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("编号不能为空！"));
    EXPECT_EQ(prompter.entries.last().title, QStringLiteral("提示"));
    EXPECT_TRUE(doc.isModified()); // add marks the project before it checks
    fill("1", "H-01");
    page->materialList->setCurrentIndex(-1);
    prompter.expectMessage(QStringLiteral("材质不能为空！"));
    page->editor().add();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("材质不能为空！"));
    page->materialList->setCurrentIndex(0);
    page->quantityEdit->clear();
    prompter.expectMessage(QStringLiteral("数量不能为空！"));
    page->editor().add();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("数量不能为空！"));
    EXPECT_EQ(doc.record().table(TableId::Plates).countText(), "");
    page->quantityEdit->setText("2");
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page->editor().add();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("数据添加成功！"));
    expectRecordEqualsList();
    EXPECT_EQ(doc.record().table(TableId::Plates).cell(0, 1), "10#");
    // The entry fields keep their texts.
    EXPECT_EQ(page->heatNumberEdit->text(), "H-01");
}

TEST_F(PlateFixture, DeleteMessagesAndLastRowStoresZero)
{
    prompter.expectMessage(QStringLiteral("内容为空，无法删除！"));
    page->editor().remove();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("内容为空，无法删除！"));
    addPlate("1", "H-01");
    addPlate("2", "H-02");
    select(-1);
    prompter.expectMessage(QStringLiteral("所选记录为空，无法删除！"));
    page->editor().remove();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("所选记录为空，无法删除！"));
    select(0);
    prompter.answerNo(QStringLiteral("是否删除选定记录？"));
    page->editor().remove();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("是否删除选定记录？"));
    EXPECT_EQ(page->editor().rows().size(), 2);
    select(0);
    prompter.answerYes(QStringLiteral("是否删除选定记录？"));
    prompter.expectMessage(QStringLiteral("数据删除成功！"));
    page->editor().remove();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("数据删除成功！"));
    expectRecordEqualsList();
    EXPECT_EQ(page->editor().rows().first().first(), "2");
    select(0);
    prompter.answerYes(QStringLiteral("是否删除选定记录？"));
    prompter.expectMessage(QStringLiteral("数据删除成功！"));
    page->editor().remove();
    EXPECT_EQ(doc.record().table(TableId::Plates).countText(), "0");
}

TEST_F(PlateFixture, ModifyThenUpdateReplacesTheRowInPlace)
{
    addPlate("1", "H-01");
    addPlate("2", "H-02");
    addPlate("3", "H-03");
    select(-1);
    prompter.expectMessage(QStringLiteral("所选记录为空，无法修改！"));
    page->editor().modify();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("所选记录为空，无法修改！"));
    select(0);
    prompter.answerNo();
    page->editor().modify();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("是否修改选定记录？"));
    EXPECT_FALSE(page->editor().isModifying());
    select(1);
    prompter.answerYes();
    page->editor().modify();
    EXPECT_TRUE(page->editor().isModifying());
    EXPECT_TRUE(page->editor().saveButton()->isEnabled());
    EXPECT_FALSE(page->editor().addButton()->isEnabled());
    EXPECT_FALSE(page->editor().deleteButton()->isEnabled());
    EXPECT_EQ(page->heatNumberEdit->text(), "H-02");
    EXPECT_EQ(page->materialList->currentText(), "16MnR");
    page->heatNumberEdit->setText("H-99");
    prompter.answerYes();
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page->editor().update();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("数据添加成功！"));
    EXPECT_FALSE(page->editor().isModifying());
    // The plate stays second: plate i labels shell course i.
    const QList<QStringList> rows = page->editor().rows();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ((QStringList{rows.at(0).at(0), rows.at(1).at(0), rows.at(2).at(0)}), (QStringList{"1", "2", "3"}));
    EXPECT_EQ((QStringList{rows.at(0).at(2), rows.at(1).at(2), rows.at(2).at(2)}), (QStringList{"H-01", "H-99", "H-03"}));
    expectRecordEqualsList();
    EXPECT_EQ(doc.record().table(TableId::Plates).cell(1, 2), "H-99");
    EXPECT_EQ(doc.record().table(TableId::Plates).countText(), "3");
}

TEST_F(PlateFixture, RefusedUpdateKeepsTheRowAndStaysInModifyMode)
{
    addPlate("1", "H-01");
    addPlate("2", "H-02");
    select(1);
    prompter.answerYes();
    page->editor().modify();
    page->heatNumberEdit->clear();
    prompter.answerYes();
    prompter.expectMessage(QStringLiteral("炉批号不能为空！"));
    page->editor().update();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("炉批号不能为空！"));
    EXPECT_EQ(page->editor().rows().size(), 2);
    EXPECT_EQ(page->editor().rows().at(1).at(2), "H-02");
    expectRecordEqualsList();
    // Still modifying: the user corrects the field and saves again.
    EXPECT_TRUE(page->editor().isModifying());
    EXPECT_TRUE(page->editor().saveButton()->isEnabled());
    EXPECT_FALSE(page->editor().addButton()->isEnabled());
    page->heatNumberEdit->setText("H-22");
    prompter.answerYes();
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page->editor().update();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("数据添加成功！"));
    EXPECT_FALSE(page->editor().isModifying());
    ASSERT_EQ(page->editor().rows().size(), 2);
    EXPECT_EQ(page->editor().rows().at(1).at(2), "H-22");
    expectRecordEqualsList();

    // Update with the selection cleared during modify adds a new row.
    select(0);
    prompter.answerYes();
    page->editor().modify();
    select(-1);
    prompter.answerYes();
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page->editor().update();
    EXPECT_EQ(page->editor().rows().size(), 3);
    expectRecordEqualsList();

    // Update answered No stays in modify mode.
    select(0);
    prompter.answerYes();
    page->editor().modify();
    prompter.answerNo();
    page->editor().update();
    EXPECT_TRUE(page->editor().isModifying());
}

TEST_F(PlateFixture, CapacityIsRefusedWithAClearMessage)
{
    for (int i = 0; i < 50; ++i)
        addPlate(QString::number(i), "H");
    EXPECT_EQ(page->editor().rows().size(), 50);
    addPlate("51", "H", QStringLiteral("记录数已达上限（50条），无法添加！"));
    EXPECT_EQ(prompter.lastText(), QStringLiteral("记录数已达上限（50条），无法添加！"));
    EXPECT_EQ(page->editor().rows().size(), 50);
    EXPECT_EQ(doc.record().table(TableId::Plates).countText(), "50");
}

TEST_F(PlateFixture, ContextMenuWithoutSelectionAndStoredValueNotInList)
{
    addPlate("1", "H-01");
    select(-1);
    prompter.expectMessage(QStringLiteral("未选中任何记录！"));
    page->editor().contextModify();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("未选中任何记录！"));
    EXPECT_EQ(prompter.entries.last().icon, Prompter::Icon::Information);
    // A material that is not among the items leaves the list unselected.
    doc.record().table(TableId::Plates).setCell(0, 1, gbk("特种钢"));
    page->editor().loadFromRecord();
    select(0);
    prompter.answerYes();
    page->editor().contextModify();
    EXPECT_EQ(page->materialList->currentIndex(), -1);
}

TEST(ListEditController, SeveralSelectedRowsAreDeletedWithOneMessageEach)
{
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc(company);
    doc.record().table(TableId::Parts).assignRows({
        std::vector<std::string>(13, "a"), std::vector<std::string>(13, "b"), std::vector<std::string>(13, "c")});
    RecordingPrompter prompter;
    QWidget page;
    ListEditController editor(doc, TableId::Parts, prompter, &page);
    QList<ListEditController::Column> columns;
    for (int i = 0; i < 13; ++i)
        columns.append({QString::number(i), 60});
    editor.setColumns(columns);
    editor.setMultiSelection(true);
    editor.loadFromRecord();
    editor.list()->selectRow(0);
    editor.list()->selectionModel()->select(editor.list()->model()->index(1, 0),
                                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
    prompter.answerYes();
    prompter.expectMessages({QStringLiteral("数据删除成功！"), QStringLiteral("数据删除成功！")});
    editor.remove();
    EXPECT_EQ(prompter.texts().count(QStringLiteral("数据删除成功！")), 2);
    EXPECT_EQ(doc.record().table(TableId::Parts).countText(), "1");
    EXPECT_EQ(doc.record().table(TableId::Parts).cell(0, 0), "c");
}

TEST(ListEditController, TextsThatAreNotValidGbkSurviveCopyBack)
{
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc(company);
    const std::string odd("\x81\x20odd", 5);
    doc.record().table(TableId::Plates).assignRows({{odd, "a", "b", "c", "d", "e", "f"}, {"2", "a", "b", "c", "d", "e", "f"}});
    RecordingPrompter prompter;
    PlatePage page(doc, prompter);
    page.editor().list()->selectRow(1);
    prompter.answerYes();
    prompter.expectMessage(QStringLiteral("数据删除成功！"));
    page.editor().remove();

    EXPECT_EQ(doc.record().table(TableId::Plates).cell(0, 0), odd);
}
