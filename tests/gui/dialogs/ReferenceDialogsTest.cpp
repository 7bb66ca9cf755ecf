// The reference dialogs on the offscreen platform: tree selection, the
// steel menu, group resolution, list contents, icons and layout.
#include "gui/dialogs/ConsumableSelectionDialog.h"
#include "gui/dialogs/DissimilarSteelPage.h"
#include "gui/dialogs/DryingParametersDialog.h"
#include "gui/dialogs/PreheatParametersDialog.h"
#include "gui/dialogs/ReferenceIcons.h"
#include "core/reference/ReferenceMessages.h"
#include "gui/dialogs/ReferenceTree.h"
#include "gui/dialogs/ReportList.h"
#include "gui/dialogs/SameSteelPage.h"

#include "core/project/AppPaths.h"
#include "support/RecordingPrompter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

using namespace zelvan;
using zelvan::test::RecordingPrompter;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

QStringList rowsOf(const ReportList *list)
{
    QStringList rows;
    for (int r = 0; r < list->rowCount(); ++r)
        rows.append(list->cell(r, 0) + QLatin1Char('|') + list->cell(r, 1));
    return rows;
}

QStringList headersOf(const ReportList *list)
{
    return {list->horizontalHeaderItem(0)->text(), list->horizontalHeaderItem(1)->text()};
}

QTreeWidgetItem *node(ReferenceTree *tree, const char *text, const char *parent = "")
{
    QTreeWidgetItem *item = tree->findNode(u(text), u(parent));
    EXPECT_NE(item, nullptr) << text;
    return item;
}

void select(ReferenceTree *tree, const char *text, const char *parent = "")
{
    if (QTreeWidgetItem *item = node(tree, text, parent))
        tree->setCurrentItem(item);
}

QImage imageOf(const QIcon &icon, QIcon::Mode mode)
{
    return icon.pixmap(QSize(16, 16), mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage imageOf(ReferenceIcons::Image image)
{
    return ReferenceIcons::pixmap(image).toImage().convertToFormat(QImage::Format_ARGB32);
}

// A header text fits its column when its advance plus the style's header
// margins is within the column width.
void expectHeadersFit(const ReportList *list)
{
    const QHeaderView *header = list->horizontalHeader();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int c = 0; c < 2; ++c) {
        const QString text = list->horizontalHeaderItem(c)->text();
        EXPECT_LE(header->fontMetrics().horizontalAdvance(text) + 2 * margin, list->columnWidth(c))
            << text.toStdString();
    }
}

class ConsumableDialogTest : public ::testing::Test {
protected:
    RecordingPrompter prompter;
    ConsumableSelectionDialog dialog{prompter};
    SameSteelPage *same = dialog.sameSteelPage();
    DissimilarSteelPage *pair = dialog.dissimilarPage();

    void assign(const char *text, const char *parent, DissimilarSteelPage::Steel steel)
    {
        select(pair->tree(), text, parent);
        pair->assignSelected(steel);
    }
    void expectPairEmpty()
    {
        EXPECT_EQ(pair->manualArcList()->rowCount(), 0);
        EXPECT_EQ(pair->submergedArcList()->rowCount(), 0);
        EXPECT_EQ(pair->argonArcList()->rowCount(), 0);
        EXPECT_TRUE(pair->remarkField()->text().isEmpty());
    }
};

} // namespace

// ---- consumable selection: frame ----

TEST_F(ConsumableDialogTest, TitleTabsAndFirstPage)
{
    EXPECT_EQ(dialog.windowTitle(), u("常用焊材选择工具"));
    ASSERT_EQ(dialog.tabs()->count(), 2);
    EXPECT_EQ(dialog.tabs()->tabText(0), u("同种钢焊接"));
    EXPECT_EQ(dialog.tabs()->tabText(1), u("异种钢焊接"));
    EXPECT_EQ(dialog.tabs()->currentWidget(), same);
    dialog.tabs()->setCurrentIndex(1);
    EXPECT_EQ(dialog.tabs()->currentWidget(), pair);
}

TEST_F(ConsumableDialogTest, ResultListsHaveTheirHeadersAndWidths)
{
    for (auto lists : {std::array{same->manualArcList(), same->submergedArcList(), same->argonArcList()},
                       std::array{pair->manualArcList(), pair->submergedArcList(), pair->argonArcList()}}) {
        EXPECT_EQ(headersOf(lists[0]), (QStringList{u("手工电弧焊焊条型号"), u("手工电弧焊焊条牌号示例")}));
        EXPECT_EQ(lists[0]->columnWidth(0), 160);
        EXPECT_EQ(lists[0]->columnWidth(1), 190);
        EXPECT_EQ(headersOf(lists[1]), (QStringList{u("埋弧焊焊剂型号及焊丝牌号"), u("埋弧焊焊剂牌号及焊丝牌号")}));
        EXPECT_EQ(lists[1]->columnWidth(0), 200);
        EXPECT_EQ(lists[1]->columnWidth(1), 200);
        EXPECT_EQ(headersOf(lists[2]), (QStringList{u("氩弧焊焊丝钢号"), u("标准号")}));
        EXPECT_EQ(lists[2]->columnWidth(0), 160);
        EXPECT_EQ(lists[2]->columnWidth(1), 190);
        for (ReportList *list : lists) {
            EXPECT_TRUE(list->showGrid());
            EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
            EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
            expectHeadersFit(list);
        }
    }
    EXPECT_TRUE(same->co2Field()->isReadOnly());
    EXPECT_TRUE(pair->steel1Field()->isReadOnly());
    EXPECT_TRUE(pair->steel2Field()->isReadOnly());
    EXPECT_TRUE(pair->remarkField()->isReadOnly());
    const QStringList labels = [&] {
        QStringList texts;
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            texts.append(label->text());
        return texts;
    }();
    for (const char *label : {"CO2气保焊焊丝钢号：", "钢号1:", "钢号2:", "备注:"})
        EXPECT_TRUE(labels.contains(u(label))) << label;
}

TEST_F(ConsumableDialogTest, TreeIconsSwapWhileSelected)
{
    const QImage folder = imageOf(ReferenceIcons::Image::Folder);
    const QImage bar = imageOf(ReferenceIcons::Image::Bar);
    ASSERT_NE(folder, bar);
    for (ReferenceTree *tree : {same->tree(), pair->tree()}) {
        const QTreeWidgetItem *cls = tree->topLevelItem(0);
        EXPECT_EQ(imageOf(cls->icon(0), QIcon::Normal), folder);
        EXPECT_EQ(imageOf(cls->icon(0), QIcon::Selected), bar);
        const QTreeWidgetItem *child = cls->child(0);
        EXPECT_EQ(imageOf(child->icon(0), QIcon::Normal), bar);
        EXPECT_EQ(imageOf(child->icon(0), QIcon::Selected), folder);
    }
    // The grade nodes of the three-level tree are not top-level either.
    const QTreeWidgetItem *grade = pair->tree()->findNode("16MnR");
    ASSERT_NE(grade, nullptr);
    EXPECT_EQ(imageOf(grade->icon(0), QIcon::Normal), bar);
}

TEST(ReferenceIconFiles, PicturesBesideTheProgramTakePrecedence)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString before = programDirectory();
    setProgramDirectoryForTesting(dir.path() + QLatin1Char('/'));
    const QImage drawn = imageOf(ReferenceIcons::Image::Folder);
    ASSERT_TRUE(QDir(dir.path()).mkdir("icons"));
    QImage red(16, 16, QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(dir.filePath("icons/tree-category.png")));
    EXPECT_EQ(imageOf(ReferenceIcons::Image::Folder), red);
    EXPECT_NE(imageOf(ReferenceIcons::Image::Folder), drawn);
    // The other two still come from the drawing when their files are absent.
    EXPECT_FALSE(imageOf(ReferenceIcons::Image::Bar).isNull());
    EXPECT_EQ(ReferenceIcons::fileName(ReferenceIcons::Image::Bar), "tree-item.png");
    EXPECT_EQ(ReferenceIcons::fileName(ReferenceIcons::Image::BarSelected), "tree-selected.png");
    setProgramDirectoryForTesting(before);
}

// ---- consumable selection: same steel ----

TEST_F(ConsumableDialogTest, SameSteelSixteenMnR)
{
    select(same->tree(), "16MnR", "Fe-1");
    EXPECT_EQ(rowsOf(same->manualArcList()), (QStringList{"E5016|J506", "E5015|J507", "E5003|J502"}));
    EXPECT_EQ(rowsOf(same->submergedArcList()),
              (QStringList{"F5A0-H10Mn2|HJ431-H10Mn2", "F5A0-H10MnSi|HJ350-H10Mn2", "F5A2-H10Mn2|HJ431-H10MnSi",
                           "|HJ350-H10MnSi", "|SJ101-H10Mn2"}));
    EXPECT_EQ(same->co2Field()->text(), "ER49-1");
    EXPECT_EQ(rowsOf(same->argonArcList()), QStringList{"H10MnSi|GB/T14957"});
}

TEST_F(ConsumableDialogTest, SameSteelClassNodeEmptiesEverything)
{
    select(same->tree(), "16MnR", "Fe-1");
    select(same->tree(), "Fe-1");
    EXPECT_EQ(same->manualArcList()->rowCount(), 0);
    EXPECT_EQ(same->submergedArcList()->rowCount(), 0);
    EXPECT_EQ(same->argonArcList()->rowCount(), 0);
    EXPECT_TRUE(same->co2Field()->text().isEmpty());
}

TEST_F(ConsumableDialogTest, SameSteelListsAreReplacedNotAppended)
{
    select(same->tree(), "16MnR", "Fe-1");
    select(same->tree(), "0Cr18Ni9", "Fe-8");
    EXPECT_EQ(rowsOf(same->manualArcList()), (QStringList{"E308-16|A102", "E308-15|A107"}));
    EXPECT_EQ(rowsOf(same->submergedArcList()), (QStringList{"F308-H08Cr21Ni10|SJ601-H08Cr21Ni10", "|HJ260-H08Cr21Ni10"}));
    EXPECT_EQ(rowsOf(same->argonArcList()), QStringList{"HOCr21Ni10|YB/T5091"});
    EXPECT_TRUE(same->co2Field()->text().isEmpty());
    // A grade without consumables clears the previous answer.
    select(same->tree(), "15MnVR", "Fe-1");
    EXPECT_EQ(same->manualArcList()->rowCount(), 0);
    EXPECT_EQ(same->argonArcList()->rowCount(), 0);
}

TEST_F(ConsumableDialogTest, SameSteelGradeUnderTwoClassesGivesOneAnswer)
{
    select(same->tree(), "20MnMo", "Fe-1");
    const QStringList underFe1 = rowsOf(same->argonArcList());
    select(same->tree(), "20MnMo", "Fe-3");
    EXPECT_EQ(rowsOf(same->argonArcList()), underFe1);
    EXPECT_EQ(underFe1.size(), 3);
}

// ---- consumable selection: dissimilar steels ----

TEST_F(ConsumableDialogTest, NoSelectedNodeIsReported)
{
    pair->tree()->clearSelection();
    pair->tree()->setCurrentItem(nullptr);
    prompter.expectMessage(u("未选中任何钢号！"));
    pair->assignSelected(DissimilarSteelPage::Steel::First);

    ASSERT_EQ(prompter.entries.size(), 1);
    EXPECT_EQ(prompter.entries[0].title, u("提示"));
    EXPECT_EQ(prompter.entries[0].text, u("未选中任何钢号！"));
    EXPECT_EQ(prompter.entries[0].icon, Prompter::Icon::Information);
    EXPECT_TRUE(pair->steel1Field()->text().isEmpty());
}

TEST_F(ConsumableDialogTest, MenuHasTwoCommandsActingOnTheSelectedNode)
{
    std::unique_ptr<QMenu> menu(pair->createSteelMenu(pair));
    const QList<QAction *> actions = menu->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), u("设为钢号1"));
    EXPECT_EQ(actions[1]->text(), u("设为钢号2"));

    // The selection moves while the menu is built; the command takes the
    // node selected when it runs.
    select(pair->tree(), "Q235-B", "Fe-1-1");
    actions[0]->trigger();
    EXPECT_EQ(pair->steel1Field()->text(), "Q235-B");
    select(pair->tree(), "0Cr18Ni9", "Fe-8");
    actions[1]->trigger();
    EXPECT_EQ(pair->steel2Field()->text(), "0Cr18Ni9");
    EXPECT_EQ(pair->steel1Field()->text(), "Q235-B");
    EXPECT_EQ(rowsOf(pair->manualArcList()), (QStringList{"E309-16|A302", "E309-15|A307", "E309Mo-16|A312"}));
    EXPECT_TRUE(prompter.entries.isEmpty());
}

TEST_F(ConsumableDialogTest, RightClickOpensTheMenuAtTheCursor)
{
    select(pair->tree(), "15CrMoR", "Fe-4-1");
    QString seen;
    QTimer::singleShot(0, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *action : menu->actions())
            seen += action->text() + QLatin1Char(';');
        menu->actions().value(1)->trigger();
        menu->close();
    });
    emit pair->tree()->customContextMenuRequested(QPoint(5, 5));
    EXPECT_EQ(seen, u("设为钢号1;设为钢号2;"));
    EXPECT_EQ(pair->steel2Field()->text(), "15CrMoR");
    EXPECT_TRUE(pair->steel1Field()->text().isEmpty());
}

TEST_F(ConsumableDialogTest, PairIsTheSameAfterSwapping)
{
    assign("Q235-B", "Fe-1-1", DissimilarSteelPage::Steel::First);
    EXPECT_EQ(pair->manualArcList()->rowCount(), 0); // one steel only: nothing to look up yet
    assign("0Cr18Ni9", "Fe-8", DissimilarSteelPage::Steel::Second);
    const QStringList manual = rowsOf(pair->manualArcList());
    const QStringList submerged = rowsOf(pair->submergedArcList());
    const QStringList argon = rowsOf(pair->argonArcList());
    EXPECT_EQ(submerged, QStringList{"F309-H1Cr24Ni13|"});
    EXPECT_EQ(argon, QStringList{"H1Cr24Ni13|YB/T 5091"});

    assign("0Cr18Ni9", "Fe-8", DissimilarSteelPage::Steel::First);
    assign("Q235-B", "Fe-1-1", DissimilarSteelPage::Steel::Second);
    EXPECT_EQ(pair->steel1Field()->text(), "0Cr18Ni9");
    EXPECT_EQ(pair->steel2Field()->text(), "Q235-B");
    EXPECT_EQ(rowsOf(pair->manualArcList()), manual);
    EXPECT_EQ(rowsOf(pair->submergedArcList()), submerged);
    EXPECT_EQ(rowsOf(pair->argonArcList()), argon);
    EXPECT_TRUE(pair->remarkField()->text().isEmpty());
}

TEST_F(ConsumableDialogTest, CrMoPairShowsTheRemark)
{
    assign("15CrMoR", "Fe-4-1", DissimilarSteelPage::Steel::First);
    assign("12Cr2Mo", "Fe-5-1", DissimilarSteelPage::Steel::Second);
    EXPECT_EQ(rowsOf(pair->manualArcList()), (QStringList{"E5515-B2|R307", "E309-15|A307"}));
    EXPECT_EQ(pair->submergedArcList()->rowCount(), 0);
    EXPECT_EQ(rowsOf(pair->argonArcList()), QStringList{"H1Cr24Ni13|YB/T 5091"});
    EXPECT_EQ(pair->remarkField()->text(), u("不进行热处理时采用"));
}

TEST_F(ConsumableDialogTest, GroupNodeWorksLikeAGradeUnderIt)
{
    assign("Fe-1-1", "Fe-1", DissimilarSteelPage::Steel::First);
    assign("Fe-1-2", "Fe-1", DissimilarSteelPage::Steel::Second);
    const QStringList byGroup = rowsOf(pair->manualArcList());
    EXPECT_EQ(byGroup, (QStringList{"E4315|J427", "E5015|J507"}));
    assign("16MnR", "Fe-1-2", DissimilarSteelPage::Steel::Second);
    EXPECT_EQ(rowsOf(pair->manualArcList()), byGroup);
    // A two-level class is a group itself.
    assign("Fe-8", "", DissimilarSteelPage::Steel::Second);
    EXPECT_EQ(rowsOf(pair->manualArcList()), (QStringList{"E309-16|A302", "E309-15|A307", "E309Mo-16|A312"}));
}

TEST_F(ConsumableDialogTest, TwoGradesOfOneGroupHaveNoRecommendation)
{
    assign("16MnR", "Fe-1-2", DissimilarSteelPage::Steel::First);
    assign("16Mn", "Fe-1-2", DissimilarSteelPage::Steel::Second);
    expectPairEmpty();
}

TEST_F(ConsumableDialogTest, ClassNodeHasNoGroupAndEmptiesTheLists)
{
    assign("15CrMoR", "Fe-4-1", DissimilarSteelPage::Steel::First);
    assign("12Cr2Mo", "Fe-5-1", DissimilarSteelPage::Steel::Second);
    ASSERT_GT(pair->manualArcList()->rowCount(), 0);
    assign("Fe-4", "", DissimilarSteelPage::Steel::First);
    EXPECT_EQ(pair->steel1Field()->text(), "Fe-4");
    expectPairEmpty();
}

TEST_F(ConsumableDialogTest, NewSteelWithoutEntryEmptiesListsAndRemark)
{
    assign("15CrMoR", "Fe-4-1", DissimilarSteelPage::Steel::First);
    assign("12Cr2Mo", "Fe-5-1", DissimilarSteelPage::Steel::Second);
    ASSERT_FALSE(pair->remarkField()->text().isEmpty());
    assign("10Ni3MoVD", "Fe-9", DissimilarSteelPage::Steel::First);
    expectPairEmpty();
}

TEST_F(ConsumableDialogTest, ZeroCr13FromEitherGroupIsLookedUpAgain)
{
    assign("0Cr13", "Fe-6", DissimilarSteelPage::Steel::First);
    assign("1Cr5Mo", "Fe-5-2", DissimilarSteelPage::Steel::Second);
    EXPECT_EQ(rowsOf(pair->manualArcList()), QStringList{"E310-15|A407"});
    // Same text, other node: the answer is computed for the new node.
    pair->manualArcList()->clearRows();
    assign("0Cr13", "Fe-7", DissimilarSteelPage::Steel::First);
    EXPECT_EQ(rowsOf(pair->manualArcList()), QStringList{"E310-15|A407"});
    EXPECT_EQ(pair->remarkField()->text(), u("不进行热处理时采用"));
}

TEST(ConsumableDialogState, NothingSurvivesClosing)
{
    RecordingPrompter prompter;
    {
        ConsumableSelectionDialog first(prompter);
        select(first.dissimilarPage()->tree(), "16MnR", "Fe-1-2");
        first.dissimilarPage()->assignSelected(DissimilarSteelPage::Steel::First);
        select(first.sameSteelPage()->tree(), "16MnR", "Fe-1");
    }
    ConsumableSelectionDialog second(prompter);
    EXPECT_TRUE(second.dissimilarPage()->steel1Field()->text().isEmpty());
    EXPECT_EQ(second.sameSteelPage()->manualArcList()->rowCount(), 0);
    EXPECT_EQ(second.tabs()->currentIndex(), 0);
}

// ---- drying ----

TEST(DryingDialog, FrameTextsAndColumns)
{
    RecordingPrompter prompter;
    DryingParametersDialog dialog(prompter);
    EXPECT_EQ(dialog.windowTitle(), u("常用焊材烘干参数"));
    EXPECT_EQ(dialog.caption()->text(), u("参考<<JB4709-2007钢制压力容器焊接规程>>"));
    EXPECT_EQ(dialog.tree()->headerItem()->text(0), u("钢材类别"));
    EXPECT_FALSE(dialog.tree()->isHeaderHidden());
    EXPECT_EQ(dialog.listHeading()->text(), u("烘干参数"));
    EXPECT_EQ(headersOf(dialog.list()), (QStringList{u("烘干温度(℃)"), u("保持时间(H)")}));
    EXPECT_EQ(dialog.list()->columnWidth(0), 120);
    EXPECT_EQ(dialog.list()->columnWidth(1), 120);
    EXPECT_EQ(dialog.closeButton()->text(), u("关闭"));
    EXPECT_EQ(dialog.tree()->topLevelItemCount(), 7);
    expectHeadersFit(dialog.list());
}

TEST(DryingDialog, ConsumableShowsOneRowCategoryOneEmptyRow)
{
    RecordingPrompter prompter;
    DryingParametersDialog dialog(prompter);
    select(dialog.tree(), "J707RH");
    EXPECT_EQ(rowsOf(dialog.list()), QStringList{"400|2"});
    select(dialog.tree(), "熔炼焊剂");
    EXPECT_EQ(rowsOf(dialog.list()), QStringList{"|"});
    select(dialog.tree(), "G307");
    EXPECT_EQ(rowsOf(dialog.list()), QStringList{"200~300|1"});
}

TEST(DryingDialog, IconsForCategoriesAndConsumables)
{
    RecordingPrompter prompter;
    DryingParametersDialog dialog(prompter);
    const QTreeWidgetItem *category = dialog.tree()->topLevelItem(0);
    const QImage folder = imageOf(ReferenceIcons::Image::Folder);
    EXPECT_EQ(imageOf(category->icon(0), QIcon::Normal), folder);
    EXPECT_EQ(imageOf(category->icon(0), QIcon::Selected), folder);
    EXPECT_EQ(imageOf(category->child(0)->icon(0), QIcon::Normal), imageOf(ReferenceIcons::Image::Bar));
    EXPECT_EQ(imageOf(category->child(0)->icon(0), QIcon::Selected), imageOf(ReferenceIcons::Image::BarSelected));
}

TEST(DryingDialog, CloseEndsTheDialog)
{
    RecordingPrompter prompter;
    DryingParametersDialog dialog(prompter);
    dialog.show();
    dialog.closeButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// ---- preheat ----

TEST(PreheatDialog, FrameTextsAndColumns)
{
    RecordingPrompter prompter;
    PreheatParametersDialog dialog(prompter);
    EXPECT_EQ(dialog.windowTitle(), u("常用钢材最低预热参数"));
    EXPECT_EQ(dialog.caption()->text(), u("参考<<JB4709-2007钢制压力容器焊接规程>>"));
    EXPECT_EQ(dialog.tree()->headerItem()->text(0), u("钢材类别"));
    EXPECT_EQ(dialog.listHeading()->text(), u("预热参数"));
    EXPECT_EQ(headersOf(dialog.list()), (QStringList{u("预热条件"), u("温度(°C)")}));
    EXPECT_EQ(dialog.list()->columnWidth(0), 260);
    EXPECT_EQ(dialog.list()->columnWidth(1), 90);
    EXPECT_EQ(dialog.closeButton()->text(), u("关闭"));
    expectHeadersFit(dialog.list());
}

TEST(PreheatDialog, GradeShowsTheRowsOfItsGroup)
{
    RecordingPrompter prompter;
    PreheatParametersDialog dialog(prompter);
    select(dialog.tree(), "16MnR", "Fe-1");
    EXPECT_EQ(rowsOf(dialog.list()),
              (QStringList{u("①规定碳含量＞0.3%且接头厚度＞25mm|80"), u("②除①外的其它材料|10")}));
    select(dialog.tree(), "0Cr13", "Fe-7");
    EXPECT_EQ(rowsOf(dialog.list()), QStringList{u("不预热|")});
    select(dialog.tree(), "0Cr13", "Fe-6");
    EXPECT_EQ(rowsOf(dialog.list()), QStringList{"|200"});
    select(dialog.tree(), "Fe-5");
    EXPECT_EQ(dialog.list()->rowCount(), 3);
    EXPECT_EQ(dialog.list()->cell(2, 0), u("③除①、②外的其它材料"));
}

TEST(PreheatDialog, EveryNodeShowsItsGroupsRows)
{
    RecordingPrompter prompter;
    PreheatParametersDialog dialog(prompter);
    const std::map<QString, int> rowCounts = {{"Fe-1", 2}, {"Fe-3", 2}, {"Fe-4", 2}, {"Fe-5", 3},
                                              {"Fe-6", 1}, {"Fe-7", 1}, {"Fe-8", 1}, {"Fe-9", 1}};
    int nodes = 0;
    for (int g = 0; g < dialog.tree()->topLevelItemCount(); ++g) {
        QTreeWidgetItem *group = dialog.tree()->topLevelItem(g);
        dialog.tree()->setCurrentItem(group);
        const QStringList groupRows = rowsOf(dialog.list());
        EXPECT_EQ(groupRows.size(), rowCounts.at(group->text(0)));
        ++nodes;
        for (int i = 0; i < group->childCount(); ++i) {
            dialog.tree()->setCurrentItem(group->child(i));
            EXPECT_EQ(rowsOf(dialog.list()), groupRows) << group->child(i)->text(0).toStdString();
            ++nodes;
        }
    }
    EXPECT_EQ(nodes, 68);
}

// ---- layout, and the pictures under docs/ ----

namespace {

// Shows a dialog at its natural size and checks that no result list is
// narrower than its columns.
void expectListsUncut(QDialog &dialog)
{
    dialog.show();
    QCoreApplication::processEvents();
    for (const ReportList *list : dialog.findChildren<ReportList *>()) {
        if (!list->isVisible())
            continue;
        EXPECT_GE(list->viewport()->width(), list->columnWidth(0) + list->columnWidth(1))
            << list->objectName().toStdString();
    }
    for (ReferenceTree *tree : dialog.findChildren<ReferenceTree *>()) {
        if (!tree->isVisible())
            continue;
        EXPECT_GE(tree->viewport()->width(), tree->contentWidth()) << tree->objectName().toStdString();
    }
}

void saveIfAsked(QWidget &widget, const QString &name)
{
    const QString dir = qEnvironmentVariable("ZELVAN_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QCoreApplication::processEvents();
    const QPixmap picture = widget.grab();
    EXPECT_TRUE(picture.save(QDir(dir).filePath(name))) << name.toStdString();
}

} // namespace

TEST(ReferenceLayout, ConsumableToolShowsWholeColumns)
{
    RecordingPrompter prompter;
    ConsumableSelectionDialog dialog(prompter);
    expectListsUncut(dialog);
    SameSteelPage *same = dialog.sameSteelPage();
    same->tree()->expandItem(same->tree()->topLevelItem(0));
    select(same->tree(), "16MnR", "Fe-1");
    EXPECT_EQ(same->submergedArcList()->rowCount(), 5);
    saveIfAsked(dialog, "reference-consumable-same.png");

    dialog.tabs()->setCurrentIndex(1);
    expectListsUncut(dialog);
    DissimilarSteelPage *pair = dialog.dissimilarPage();
    pair->tree()->expandItem(node(pair->tree(), "Fe-4"));
    pair->tree()->expandItem(node(pair->tree(), "Fe-4-1", "Fe-4"));
    pair->tree()->expandItem(node(pair->tree(), "Fe-5"));
    pair->tree()->expandItem(node(pair->tree(), "Fe-5-1", "Fe-5"));
    select(pair->tree(), "15CrMoR", "Fe-4-1");
    pair->assignSelected(DissimilarSteelPage::Steel::First);
    select(pair->tree(), "12Cr2Mo", "Fe-5-1");
    pair->assignSelected(DissimilarSteelPage::Steel::Second);
    EXPECT_FALSE(pair->remarkField()->text().isEmpty());
    saveIfAsked(dialog, "reference-consumable-dissimilar.png");
}

TEST(ReferenceLayout, ParameterDialogsShowWholeColumns)
{
    RecordingPrompter prompter;
    DryingParametersDialog drying(prompter);
    expectListsUncut(drying);
    drying.tree()->expandItem(drying.tree()->topLevelItem(0));
    select(drying.tree(), "J707RH");
    saveIfAsked(drying, "reference-drying.png");

    PreheatParametersDialog preheat(prompter);
    expectListsUncut(preheat);
    preheat.tree()->expandItem(preheat.tree()->topLevelItem(3));
    select(preheat.tree(), "12Cr2Mo", "Fe-5");
    saveIfAsked(preheat, "reference-preheat.png");
}
