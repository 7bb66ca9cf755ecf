// The welding procedure card page through its widgets: the linked groove
// lists, the three groups on the list-editing mechanism with the page's own
// rules (slots that survive a delete, the card click, the delete questions),
// capacity refusals and the export button's refusals.
#include "support/RecordingPrompter.h"

#include "gui/pages/WeldingCardPage.h"
#include "gui/widgets/GrooveFormLists.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/TextCodec.h"
#include "core/word/WordDocument.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zelvan;
using test::RecordingPrompter;

namespace {

struct CardPage : ::testing::Test {
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc{company};
    RecordingPrompter prompter;
    std::unique_ptr<WeldingCardPage> page;

    void open() { page = std::make_unique<WeldingCardPage>(doc, prompter); }

    void select(QComboBox *box, const QString &text)
    {
        const int index = box->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        box->setCurrentIndex(index);
    }

    void fillCard(const QString &number, const QString &thickness = QStringLiteral("12"))
    {
        page->numberEdit->setText(number);
        select(page->methodList, QStringLiteral("手工焊"));
        select(page->grooves().kindList(), QStringLiteral("对接焊缝"));
        select(page->materialList, QStringLiteral("16MnR"));
        page->thicknessEdit->setText(thickness);
        select(page->positionList, QStringLiteral("平焊"));
        select(page->grooves().grooveList(), QStringLiteral("单边单面V型坡口"));
        select(page->testTypeList, QStringLiteral("RT"));
        select(page->testStandardList, QStringLiteral("GB150-1998《钢制压力容器》"));
        select(page->testRatioList, QStringLiteral("20%"));
        select(page->acceptanceList, QStringLiteral("III级"));
    }

    // Each add expects its one message: the success message unless told otherwise.
    void addConsumable(const QString &number, const QString &specification, const QString &drying = QStringLiteral("350℃×1h"),
                       const QString &message = QStringLiteral("数据添加成功！"))
    {
        prompter.expectMessage(message);
        page->numberEdit->setText(number);
        page->consumableEdit->setText(specification);
        page->dryingEdit->setText(drying);
        page->consumables().add();
    }

    void addParameter(const QString &number, const QString &layer, const QString &diameter = QStringLiteral("3.2"),
                      const QString &message = QStringLiteral("数据添加成功！"))
    {
        prompter.expectMessage(message);
        page->numberEdit->setText(number);
        page->layerEdit->setText(layer);
        page->diameterEdit->setText(diameter);
        page->currentEdit->setText("110");
        page->voltageEdit->setText("22");
        page->speedEdit->setText("8");
        page->otherEdit->setText(QString());
        page->parameters().add();
    }

    static void selectRow(ListEditController &editor, int row)
    {
        editor.list()->clearSelection();
        editor.list()->selectRow(row);
    }

    std::vector<std::string> column(TableId id, int c) const
    {
        std::vector<std::string> cells;
        const Table &table = doc.record().table(id);
        for (int r = 0; r < table.rowCount(); ++r)
            cells.push_back(table.cell(r, c));
        return cells;
    }

    QStringList listColumn(ListEditController &editor, int c) const
    {
        QStringList cells;
        for (const QStringList &row : editor.rows())
            cells.append(row.value(c));
        return cells;
    }
};

} // namespace

TEST_F(CardPage, GrooveListFollowsTheJointForm)
{
    open();
    QComboBox *kind = page->grooves().kindList();
    QComboBox *groove = page->grooves().grooveList();
    EXPECT_FALSE(kind->isEditable());
    EXPECT_FALSE(groove->isEditable());
    prompter.expectMessage(QStringLiteral("请先选择接头形式！"));
    groove->showPopup();
    ASSERT_EQ(prompter.entries.size(), 1);
    EXPECT_EQ(prompter.entries[0].title, QStringLiteral("提示"));
    EXPECT_EQ(prompter.entries[0].text, QStringLiteral("请先选择接头形式！"));

    select(kind, QStringLiteral("无坡口角焊缝"));
    ASSERT_EQ(groove->count(), 2);
    EXPECT_EQ(groove->itemText(0), QStringLiteral("I型单面"));
    EXPECT_EQ(groove->itemText(1), QStringLiteral("I型双面"));
    select(kind, QStringLiteral("对接焊缝"));
    select(groove, QStringLiteral("双边双面V型坡口"));
    select(kind, QStringLiteral("表面堆焊"));
    EXPECT_EQ(groove->currentIndex(), -1);
    EXPECT_EQ(groove->count(), 4);
    EXPECT_EQ(groove->itemText(1), QStringLiteral("圆面及圆环面"));
    groove->showPopup();
    groove->hidePopup();
    EXPECT_EQ(prompter.entries.size(), 1); // a kind is chosen: the list opens
}

TEST_F(CardPage, CardChecksInOrderThenAddAndModifyLoadsTheJoint)
{
    open();
    prompter.expectMessage(QStringLiteral("编号不能为空！"));
    page->cards().add();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("编号不能为空！"));
    fillCard("A");
    page->grooves().grooveList()->setCurrentIndex(-1);
    page->testTypeList->setCurrentIndex(-1);
    prompter.expectMessage(QStringLiteral("坡口形式不能为空！"));
    page->cards().add();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("坡口形式不能为空！"));
    EXPECT_EQ(doc.record().table(TableId::WeldingCards).rowCount(), 0);

    fillCard("A");
    select(page->grooves().kindList(), QStringLiteral("带坡口角焊缝"));
    select(page->grooves().grooveList(), QStringLiteral("单边双面K型坡口+双角"));
    page->currentTypeBox->setEditText(QStringLiteral("交流"));
    page->appearanceEdit->setPlainText(QStringLiteral("无裂纹\n无气孔"));
    prompter.clear();
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page->cards().add();
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("数据添加成功！")});
    const Table &cards = doc.record().table(TableId::WeldingCards);
    ASSERT_EQ(cards.countText(), "1");
    EXPECT_EQ(fromGbk(cards.cell(0, 3)), QStringLiteral("带坡口角焊缝"));
    EXPECT_EQ(fromGbk(cards.cell(0, 7)), QStringLiteral("单边双面K型坡口+双角"));
    EXPECT_EQ(fromGbk(cards.cell(0, 8)), QStringLiteral("交流"));
    EXPECT_EQ(cards.cell(0, 1), "");
    EXPECT_EQ(fromGbk(cards.cell(0, 12)), QStringLiteral("GB150-1998《钢制压力容器》"));

    // Modify with nothing selected, then a real modify loading the joint:
    // the kind first, its groove list, then the groove.
    prompter.clear();
    page->cards().list()->clearSelection();
    prompter.expectMessage(QStringLiteral("未选中任何记录！"));
    page->cards().modify();
    ASSERT_EQ(prompter.entries.size(), 1);
    EXPECT_EQ(prompter.entries[0].text, QStringLiteral("未选中任何记录！"));
    EXPECT_EQ(prompter.entries[0].icon, Prompter::Icon::Information);
    fillCard("B");
    selectRow(page->cards(), 0);
    prompter.answerYes();
    page->cards().modify();
    EXPECT_EQ(page->grooves().kindList()->currentText(), QStringLiteral("带坡口角焊缝"));
    EXPECT_EQ(page->grooves().grooveList()->count(), 16);
    EXPECT_EQ(page->grooves().grooveList()->currentText(), QStringLiteral("单边双面K型坡口+双角"));
    EXPECT_EQ(page->currentTypeBox->currentText(), QStringLiteral("交流"));
    EXPECT_EQ(page->appearanceEdit->toPlainText(), QStringLiteral("无裂纹\n无气孔"));
    EXPECT_EQ(page->numberEdit->text(), QStringLiteral("A"));
    EXPECT_TRUE(page->cards().saveButton()->isEnabled());
    EXPECT_FALSE(page->cards().addButton()->isEnabled());
}

TEST_F(CardPage, UpdatedCardKeepsItsPlace)
{
    open();
    for (const char *n : {"A", "B", "C"}) {
        fillCard(n);
        prompter.expectMessage(QStringLiteral("数据添加成功！"));
        page->cards().add();
    }
    selectRow(page->cards(), 1);
    prompter.answerYes();
    page->cards().modify();
    page->thicknessEdit->setText("16");
    prompter.answerYes();
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page->cards().update();
    EXPECT_EQ(listColumn(page->cards(), 0), (QStringList{"A", "B", "C"}));
    EXPECT_EQ(column(TableId::WeldingCards, 0), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(column(TableId::WeldingCards, 5), (std::vector<std::string>{"12", "16", "12"}));
    EXPECT_FALSE(page->cards().saveButton()->isEnabled());
    EXPECT_TRUE(page->cards().addButton()->isEnabled());
}

TEST_F(CardPage, DuplicateConsumableRefusedButAcceptedUnderAnotherNumber)
{
    open();
    addConsumable("A", "J507");
    prompter.clear();
    addConsumable("A", "J507", QStringLiteral("350℃×1h"), QStringLiteral("不能增加重复记录！"));
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("不能增加重复记录！")});
    addConsumable("B", "J507", QStringLiteral("350℃×1h"), QStringLiteral("数据添加成功！"));
    EXPECT_EQ(prompter.lastText(), QStringLiteral("数据添加成功！"));
    EXPECT_EQ(column(TableId::CardConsumables, 0), (std::vector<std::string>{"A", "B"}));
    // Required entries first, in their order.
    addConsumable("B", "", QStringLiteral("350℃×1h"), QStringLiteral("焊材牌号规格不能为空！"));
    EXPECT_EQ(prompter.lastText(), QStringLiteral("焊材牌号规格不能为空！"));
    addConsumable("B", "J422", "", QStringLiteral("烘干要求不能为空！"));
    EXPECT_EQ(prompter.lastText(), QStringLiteral("烘干要求不能为空！"));
}

TEST_F(CardPage, ConsumableSlotsAmongTheFirstThreeAreReused)
{
    open();
    for (const char *spec : {"S1", "S2", "S3", "S4", "S5"})
        addConsumable("A", spec);
    selectRow(page->consumables(), 1);
    prompter.clear();
    prompter.answerYes();
    prompter.expectMessage(QStringLiteral("数据删除成功！"));
    page->consumables().remove();
    EXPECT_EQ(prompter.texts(), (QStringList{QStringLiteral("是否删除选定记录？牌号规格: S2\t烘干要求:350℃×1h"),
                                             QStringLiteral("数据删除成功！")}));
    EXPECT_EQ(column(TableId::CardConsumables, 0), (std::vector<std::string>{"A", "", "A", "A", "A"}));
    addConsumable("A", "S6");
    EXPECT_EQ(doc.record().table(TableId::CardConsumables).countText(), "5");
    EXPECT_EQ(column(TableId::CardConsumables, 1), (std::vector<std::string>{"S1", "S6", "S3", "S4", "S5"}));

    // The fifth slot is not among the first three: the next row is appended.
    const int fifth = int(listColumn(page->consumables(), 1).indexOf("S5"));
    selectRow(page->consumables(), fifth);
    prompter.answerYes();
    prompter.expectMessage(QStringLiteral("数据删除成功！"));
    page->consumables().remove();
    addConsumable("A", "S7");
    EXPECT_EQ(doc.record().table(TableId::CardConsumables).countText(), "6");
    EXPECT_EQ(column(TableId::CardConsumables, 0), (std::vector<std::string>{"A", "A", "A", "A", "", "A"}));
    EXPECT_EQ(listColumn(page->consumables(), 1), (QStringList{"S1", "S3", "S4", "S6", "S7"}));

    // Several selected: only the first is deleted.
    page->consumables().list()->clearSelection();
    page->consumables().list()->selectAll();
    prompter.answerYes();
    prompter.expectMessage(QStringLiteral("数据删除成功！"));
    page->consumables().remove();
    EXPECT_EQ(listColumn(page->consumables(), 1), (QStringList{"S3", "S4", "S6", "S7"}));
}

TEST_F(CardPage, UpdatedConsumableAndParameterRowsKeepTheirSlots)
{
    open();
    for (const char *spec : {"S1", "S2", "S3"})
        addConsumable("A", spec);
    selectRow(page->consumables(), 1);
    prompter.answerYes();
    page->consumables().modify();
    EXPECT_EQ(page->consumableEdit->text(), QStringLiteral("S2"));
    // Unchanged, the row is not a duplicate of itself; the same values as
    // another shown row are refused and the row stays being edited.
    page->consumableEdit->setText("S3");
    prompter.answerYes();
    prompter.expectMessage(QStringLiteral("不能增加重复记录！"));
    page->consumables().update();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("不能增加重复记录！"));
    EXPECT_EQ(column(TableId::CardConsumables, 1), (std::vector<std::string>{"S1", "S2", "S3"}));
    page->consumableEdit->setText("NEW");
    prompter.answerYes();
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page->consumables().update();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("数据添加成功！"));
    EXPECT_EQ(column(TableId::CardConsumables, 1), (std::vector<std::string>{"S1", "NEW", "S3"}));
    EXPECT_EQ(listColumn(page->consumables(), 1), (QStringList{"S1", "NEW", "S3"}));
    EXPECT_EQ(doc.record().table(TableId::CardConsumables).countText(), "3");

    addParameter("A", "1");
    addParameter("A", "2");
    selectRow(page->parameters(), 0);
    prompter.answerYes();
    page->parameters().modify();
    page->layerEdit->setText("1-2");
    prompter.answerYes();
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page->parameters().update();
    EXPECT_EQ(column(TableId::CardParameters, 1), (std::vector<std::string>{"1-2", "2"}));
    EXPECT_EQ(listColumn(page->parameters(), 1), (QStringList{"1-2", "2"}));
}

TEST_F(CardPage, ParameterRowsAreAppendedAndDeletedWithTheirQuestion)
{
    open();
    addParameter("A", "1", "3.2");
    addParameter("A", "2", "4.0");
    page->speedEdit->clear();
    prompter.expectMessage(QStringLiteral("速度不能为空！"));
    page->parameters().add();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("速度不能为空！"));
    selectRow(page->parameters(), 0);
    prompter.clear();
    prompter.answerNo();
    page->parameters().remove();
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("是否删除选定记录？层数: 1\t直径: 3.2")});
    EXPECT_EQ(column(TableId::CardParameters, 0), (std::vector<std::string>{"A", "A"}));
    prompter.answerYes();
    prompter.expectMessage(QStringLiteral("数据删除成功！"));
    page->parameters().remove();
    EXPECT_EQ(column(TableId::CardParameters, 0), (std::vector<std::string>{"", "A"}));
    addParameter("A", "3");
    EXPECT_EQ(column(TableId::CardParameters, 1), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(doc.record().table(TableId::CardParameters).countText(), "3");
}

TEST_F(CardPage, CardClickListsItsRowsAndADeletedCardLeavesThem)
{
    open();
    fillCard("A");
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page->cards().add();
    fillCard("B");
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page->cards().add();
    addConsumable("A", "J507");
    addConsumable("B", "H08A");
    addParameter("A", "1");
    addParameter("B", "1");
    addParameter("A", "2");

    selectRow(page->cards(), 0);
    page->showRowsOfSelectedCard();
    EXPECT_EQ(listColumn(page->consumables(), 1), QStringList{"J507"});
    EXPECT_EQ(listColumn(page->parameters(), 1), (QStringList{"1", "2"}));

    prompter.answerYes();
    prompter.expectMessage(QStringLiteral("数据删除成功！"));
    page->cards().remove();
    EXPECT_EQ(column(TableId::WeldingCards, 0), (std::vector<std::string>{"B"}));
    EXPECT_EQ(column(TableId::CardConsumables, 0), (std::vector<std::string>{"A", "B"}));
    page->cards().list()->clearSelection();
    page->showRowsOfSelectedCard();
    EXPECT_TRUE(page->consumables().rows().isEmpty());
    EXPECT_TRUE(page->parameters().rows().isEmpty());

    fillCard("A");
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page->cards().add();
    selectRow(page->cards(), 1);
    page->showRowsOfSelectedCard();
    EXPECT_EQ(listColumn(page->consumables(), 1), QStringList{"J507"});
    EXPECT_EQ(listColumn(page->parameters(), 1), (QStringList{"1", "2"}));

    // Reopened, the page lists every live row of every card.
    open();
    EXPECT_EQ(listColumn(page->consumables(), 1), (QStringList{"J507", "H08A"}));
    EXPECT_EQ(page->parameters().rows().size(), 3);
}

TEST_F(CardPage, EachTableRefusesTheSixHundredAndFirstRow)
{
    doc.record().table(TableId::WeldingCards).assignRows(std::vector<std::vector<std::string>>(600, std::vector<std::string>(15, "X")));
    doc.record().table(TableId::CardConsumables).assignRows(std::vector<std::vector<std::string>>(600, {"A", "J507", "1h"}));
    doc.record().table(TableId::CardParameters).assignRows(std::vector<std::vector<std::string>>(600, {"A", "1", "2", "3", "4", "5", ""}));
    open();
    const QString full = QStringLiteral("记录数已达上限（600条），无法添加！");
    fillCard("A");
    prompter.expectMessage(full);
    page->cards().add();
    EXPECT_EQ(prompter.lastText(), full);
    addConsumable("A", "J422", QStringLiteral("350℃×1h"), full);
    EXPECT_EQ(prompter.lastText(), full);
    addParameter("A", "9", QStringLiteral("3.2"), full);
    EXPECT_EQ(prompter.lastText(), full);
    for (TableId id : {TableId::WeldingCards, TableId::CardConsumables, TableId::CardParameters})
        EXPECT_EQ(doc.record().table(id).countText(), "600");
    EXPECT_EQ(page->cards().rows().size(), 600);
    EXPECT_EQ(page->consumables().rows().size(), 600);
    EXPECT_EQ(page->consumables().rows().last().value(1), QStringLiteral("J507"));
}

TEST_F(CardPage, QualificationChoicesComeFromTheLibrary)
{
    open();
    EXPECT_EQ(page->qualificationBox->count(), 0);
    EXPECT_TRUE(page->qualificationBox->isEditable());
    fillCard("A");
    page->qualificationBox->setEditText(QStringLiteral("PQR-手填"));
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page->cards().add();
    EXPECT_EQ(fromGbk(doc.record().table(TableId::WeldingCards).cell(0, 1)), QStringLiteral("PQR-手填"));

    std::vector<std::vector<std::string>> rows(3, std::vector<std::string>(17));
    rows[0][0] = "PQR-1";
    rows[2][0] = "PQR-3";
    doc.record().table(TableId::Qualifications).assignRows(rows);
    open();
    ASSERT_EQ(page->qualificationBox->count(), 2);
    EXPECT_EQ(page->qualificationBox->itemText(1), QStringLiteral("PQR-3"));
}

TEST_F(CardPage, ExportRefusalsAfterTheQuestion)
{
    open();
    prompter.answerYes(QStringLiteral("即将导出为Word文件，是否继续？"));
    prompter.expectMessage(QStringLiteral("焊接工艺卡内容为空，无法导出！"));
    page->exportWord();
    EXPECT_EQ(prompter.texts(), (QStringList{QStringLiteral("即将导出为Word文件，是否继续？"), QStringLiteral("焊接工艺卡内容为空，无法导出！")}));
    fillCard("A");
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page->cards().add();
    prompter.clear();
    prompter.answerYes(QStringLiteral("即将导出为Word文件，是否继续？"));
    prompter.expectMessage(QStringLiteral("导出Word前请先保存项目！"));
    page->exportButton->click();
    EXPECT_EQ(prompter.texts(), (QStringList{QStringLiteral("即将导出为Word文件，是否继续？"), QStringLiteral("导出Word前请先保存项目！")}));
    prompter.clear();
    prompter.answerNo();
    page->exportWord();
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("即将导出为Word文件，是否继续？")});

    // Saved, but the word processor cannot start: said once, nothing written.
    QTemporaryDir directory;
    doc.record().setField(Field::ProjectDirectory, toGbk(directory.path() + QLatin1Char('/')));
    doc.record().setField(Field::ProjectName, "P1");
    doc.record().setField(Field::VesselName, gbk("罐"));
    WordDocument::setStartFailureForTesting(true);
    prompter.clear();
    prompter.answerYes(QStringLiteral("即将导出为Word文件，是否继续？"));
    prompter.expectMessage(QStringLiteral("CreateDispatch failed."));
    page->exportWord();
    WordDocument::setStartFailureForTesting(false);

    EXPECT_EQ(prompter.texts(), (QStringList{QStringLiteral("即将导出为Word文件，是否继续？"), QStringLiteral("CreateDispatch failed.")}));
    EXPECT_TRUE(QDir(directory.path()).isEmpty());
}
