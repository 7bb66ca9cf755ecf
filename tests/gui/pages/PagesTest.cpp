// Each page's own rules: check orders and messages, nozzle locations and
// ranges, head storage, and which edits mark the project modified.
#include "support/RecordingPrompter.h"

#include "gui/pages/BasicInfoPage.h"
#include "gui/pages/CZelvanView.h"
#include "gui/pages/HeadPage.h"
#include "gui/pages/NozzlePage.h"
#include "gui/pages/PageHost.h"
#include "gui/pages/ProjectInfoPage.h"
#include "gui/pages/ShellCoursePage.h"
#include "core/drawing/LayoutGeometry.h"
#include "core/drawing/LayoutInputs.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/TextCodec.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zelvan;
using test::RecordingPrompter;

namespace {

struct PageFixture : ::testing::Test {
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc{company};
    RecordingPrompter prompter;

    void SetUp() override
    {
        doc.setTitle("P1");
        doc.record().setField(Field::VesselType, "0");
        doc.record().setField(Field::VesselName, gbk("储罐"));
        doc.record().setField(Field::CreationTime, "2026-03-05 07:08:09");
        doc.record().setField(Field::StartDate, "2026-03-05");
        doc.record().setField(Field::FinishDate, "2026-03-05");
        doc.record().setField(Field::FirstHeadInnerDiameter, "1200");
        doc.record().table(TableId::ShellCourses).assignRows({
            {"1", gbk("圆筒形"), "1000", "12", "1200", "16MnR"}, {"2", gbk("圆筒形"), "1500", "12", "1200", "16MnR"}});
    }

    void choose(QComboBox *box, int index)
    {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
};

void fillNozzle(NozzlePage &page, int location, int quadrant, const QString &azimuth, const QString &elevation)
{
    page.numberEdit->setText("N1");
    page.nameEdit->setText(QStringLiteral("进料口"));
    page.openingTypeList->setCurrentIndex(0);
    page.nominalDiameterList->setCurrentIndex(3);
    page.locationList->setCurrentIndex(location);
    page.quadrantList->setCurrentIndex(quadrant);
    if (quadrant != 4) {
        page.azimuthEdit->setText(azimuth);
        page.elevationEdit->setText(elevation);
    }
    page.pipeSizeEdit->setText("20#");
    page.outsideDiameterEdit->setText("108");
    page.thicknessEdit->setText("4");
    page.lengthEdit->setText("200");
}

} // namespace

TEST_F(PageFixture, ShellCourseTypeSelectionAndChecks)
{
    doc.record().setField(Field::ShellCourseTypeSelection, "2");
    ShellCoursePage page(doc, prompter);
    EXPECT_EQ(page.typeList->currentText(), QStringLiteral("下锥形"));
    EXPECT_EQ(page.editor().list()->rowCount(), 2);
    choose(page.typeList, 1);
    EXPECT_EQ(doc.record().field(Field::ShellCourseTypeSelection), "1");

    page.numberEdit->setText("3");
    page.heightEdit->setText("800");
    page.thicknessEdit->setText("10");
    page.diameterEdit->setText("1200");
    prompter.expectMessage(QStringLiteral("筒节材质不能为空！"));
    page.editor().add();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("筒节材质不能为空！"));
    EXPECT_EQ(doc.record().table(TableId::ShellCourses).countText(), "2");
    page.materialList->setCurrentIndex(9);
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page.editor().add();
    EXPECT_EQ(doc.record().table(TableId::ShellCourses).countText(), "3");
    EXPECT_EQ(doc.record().table(TableId::ShellCourses).cell(2, 1), gbk("上锥形"));

    doc.record().setField(Field::ShellCourseTypeSelection, "x");
    ShellCoursePage other(doc, prompter);
    EXPECT_EQ(other.typeList->currentIndex(), -1);
}

// Correcting a course keeps the stack in order: course i still carries the
// heat number of plate i on the layout drawing.
TEST_F(PageFixture, CorrectingACourseKeepsItsPlaceAndItsHeatNumber)
{
    doc.record().table(TableId::ShellCourses).assignRows({{"1", gbk("圆筒形"), "1000", "12", "1200", "16MnR"},
                                                          {"2", gbk("圆筒形"), "1500", "12", "1200", "16MnR"},
                                                          {"3", gbk("圆筒形"), "800", "12", "1200", "16MnR"}});
    doc.record().table(TableId::Plates).assignRows({{"1", "16MnR", "H-1", "6000", "1800", "12", "1"},
                                                    {"2", "16MnR", "H-2", "6000", "1800", "12", "1"},
                                                    {"3", "16MnR", "H-3", "6000", "1800", "12", "1"}});
    ShellCoursePage page(doc, prompter);
    page.editor().list()->selectRow(1);
    prompter.answerYes();
    page.editor().modify();
    page.heightEdit->setText("1600");
    prompter.answerYes();
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page.editor().update();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("数据添加成功！"));

    const Table &courses = doc.record().table(TableId::ShellCourses);
    ASSERT_EQ(courses.countText(), "3");
    EXPECT_EQ((std::vector<std::string>{courses.cell(0, 0), courses.cell(1, 0), courses.cell(2, 0)}),
              (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ((std::vector<std::string>{courses.cell(0, 2), courses.cell(1, 2), courses.cell(2, 2)}),
              (std::vector<std::string>{"1000", "1600", "800"}));
    const LayoutInputs inputs = LayoutInputs::fromRecord(doc.record());
    const LayoutGeometry geometry(inputs, VesselType::Vertical);
    EXPECT_EQ(geometry.length(), 3400);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(geometry.heatNumber(i), "H-" + std::to_string(i + 1)) << i;
}

TEST_F(PageFixture, NozzleLocationsByVesselTypeAndOneCentreItem)
{
    NozzlePage vertical(doc, prompter);
    EXPECT_EQ(vertical.locationList->count(), 3);
    EXPECT_EQ(vertical.locationList->itemText(1), QStringLiteral("上封头"));
    EXPECT_EQ(vertical.locationList->itemText(2), QStringLiteral("下封头"));
    for (int i : {1, 2, 1, 2, 1})
        vertical.locationList->setCurrentIndex(i);
    EXPECT_EQ(vertical.quadrantList->count(), 5);
    EXPECT_EQ(vertical.quadrantList->itemText(4), QStringLiteral("圆心处"));
    vertical.locationList->setCurrentIndex(0);
    EXPECT_EQ(vertical.quadrantList->count(), 4);

    doc.record().setField(Field::VesselType, "1");
    NozzlePage horizontal(doc, prompter);
    EXPECT_EQ(horizontal.locationList->itemText(1), QStringLiteral("左封头"));
    EXPECT_EQ(horizontal.locationList->itemText(2), QStringLiteral("右封头"));
}

TEST_F(PageFixture, NozzleRangeBoundaries)
{
    NozzlePage page(doc, prompter);
    // Head nozzle: R = 1200 / 2 = 600; 600 is refused, 599 accepted.
    fillNozzle(page, 1, 0, "600", "10");
    prompter.expectMessage(QStringLiteral("封头开孔的范围超过封头的半径！请检查！"));
    page.editor().add();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("封头开孔的范围超过封头的半径！请检查！"));
    fillNozzle(page, 2, 1, "10", "600");
    prompter.expectMessage(QStringLiteral("封头开孔的范围超过封头的半径！请检查！"));
    page.editor().add();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("封头开孔的范围超过封头的半径！请检查！"));
    fillNozzle(page, 1, 0, "599", "599");
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page.editor().add();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("数据添加成功！"));
    // Shell nozzle: total height 2500.
    fillNozzle(page, 0, 2, "100", "2500");
    prompter.expectMessage(QStringLiteral("接管方位坐标或标高超过筒体总高度！请检查！"));
    page.editor().add();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("接管方位坐标或标高超过筒体总高度！请检查！"));
    fillNozzle(page, 0, 2, "100", "2499");
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page.editor().add();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("数据添加成功！"));
    EXPECT_EQ(doc.record().table(TableId::Nozzles).cell(1, NozzleColumn::Azimuth), gbk("三轴内100"));
}

// The entries the layout computes with: numbers, and a shell distance the
// arcsine can take (first course 1200 wide, so radius 600; courses 2500 high).
TEST_F(PageFixture, NozzleNumbersAndTheShellRadius)
{
    struct Case {
        const char *what;
        int location, quadrant;
        const char *azimuth, *elevation;
        const char16_t *expected;
    };
    const Case cases[] = {
        {"elevation not a number", 0, 0, "100", "abc", u"标高必须为数字！"},
        {"elevation with a unit", 0, 0, "100", "1200mm", u"标高必须为数字！"},
        {"azimuth not a number", 0, 0, "1a", "100", u"方位坐标必须为数字！"},
        {"head nozzle, elevation not a number", 1, 0, "100", "x", u"标高必须为数字！"},
        {"shell distance beyond the radius", 0, 1, "601", "100", u"方位坐标不能大于筒体半径！"},
        {"shell distance at the radius", 0, 1, "600", "100", u"数据添加成功！"},
        {"decimal elevation", 0, 2, "10", "1200.5", u"数据添加成功！"},
        {"height still checked first", 0, 1, "2500", "100", u"接管方位坐标或标高超过筒体总高度！请检查！"},
        {"head distance is bounded by the head", 1, 0, "599", "10", u"数据添加成功！"},
    };
    NozzlePage page(doc, prompter);
    for (const Case &c : cases) {
        fillNozzle(page, c.location, c.quadrant, QString::fromLatin1(c.azimuth), QString::fromLatin1(c.elevation));
        prompter.expectMessage(QString::fromUtf16(c.expected));
        page.editor().add();
        EXPECT_EQ(prompter.lastText(), QString::fromUtf16(c.expected)) << c.what;
    }
    EXPECT_EQ(doc.record().table(TableId::Nozzles).countText(), "3");
}

TEST_F(PageFixture, LeavingTheHeadCentreLeavesNoQuadrantChosen)
{
    NozzlePage page(doc, prompter);
    fillNozzle(page, 1, 4, "", "");
    EXPECT_EQ(page.quadrantList->currentText(), QStringLiteral("圆心处"));
    EXPECT_FALSE(page.azimuthEdit->isEnabled());
    page.locationList->setCurrentIndex(0);
    EXPECT_EQ(page.quadrantList->count(), 4);
    EXPECT_EQ(page.quadrantList->currentIndex(), -1);
    EXPECT_TRUE(page.azimuthEdit->isEnabled());
    EXPECT_TRUE(page.elevationEdit->isEnabled());
    prompter.expectMessage(QStringLiteral("方位坐标象限不能为空!"));
    page.editor().add();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("方位坐标象限不能为空!"));
    EXPECT_EQ(doc.record().table(TableId::Nozzles).countText(), "");
    // A quadrant other than the centre survives the same switch.
    fillNozzle(page, 1, 2, "10", "10");
    page.locationList->setCurrentIndex(0);
    EXPECT_EQ(page.quadrantList->currentText(), QStringLiteral("三轴内"));
}

TEST_F(PageFixture, NozzleCheckOrderAndCentreQuadrant)
{
    NozzlePage page(doc, prompter);
    prompter.expectMessage(QStringLiteral("编号不能为空!"));
    page.editor().add();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("编号不能为空!"));
    fillNozzle(page, 1, 0, "", "5");
    prompter.expectMessage(QStringLiteral("方位坐标不能为空！"));
    page.editor().add();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("方位坐标不能为空！"));
    fillNozzle(page, 1, -1, "5", "5");
    prompter.expectMessage(QStringLiteral("方位坐标象限不能为空!"));
    page.editor().add();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("方位坐标象限不能为空!"));
    fillNozzle(page, 1, 4, "", "");
    EXPECT_EQ(page.azimuthEdit->text(), "0");
    EXPECT_EQ(page.elevationEdit->text(), "0");
    EXPECT_FALSE(page.azimuthEdit->isEnabled());
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    page.editor().add();
    EXPECT_EQ(doc.record().table(TableId::Nozzles).cell(0, NozzleColumn::Azimuth), gbk("圆心处0"));
    page.quadrantList->setCurrentIndex(0);
    EXPECT_TRUE(page.azimuthEdit->isEnabled());
}

TEST_F(PageFixture, NozzleModifySplitsTheQuadrantWord)
{
    std::vector<std::string> row(14, "x");
    row[NozzleColumn::Location] = gbk("下封头");
    row[NozzleColumn::Azimuth] = gbk("二轴内300");
    row[NozzleColumn::NominalDiameter] = "150";
    row[NozzleColumn::OpeningType] = gbk("法兰盖");
    doc.record().table(TableId::Nozzles).assignRows({row});
    NozzlePage page(doc, prompter);
    page.editor().list()->selectRow(0);
    prompter.answerYes();
    page.editor().modify();
    EXPECT_EQ(page.locationList->currentText(), QStringLiteral("下封头"));
    EXPECT_EQ(page.quadrantList->count(), 5);
    EXPECT_EQ(page.quadrantList->currentText(), QStringLiteral("二轴内"));
    EXPECT_EQ(page.azimuthEdit->text(), "300");
    EXPECT_EQ(page.nominalDiameterList->currentText(), "150");
    EXPECT_EQ(page.openingTypeList->currentText(), QStringLiteral("法兰盖"));
}

TEST_F(PageFixture, HeadPageStoresTextsAndIndexesAndKeepsHiddenValues)
{
    doc.record().setField(Field::FirstHeadType, gbk("球形封头"));
    doc.record().setField(Field::SecondHeadType, "2");
    doc.record().setField(Field::SecondHeadMaterial, "16");
    doc.record().setField(Field::SecondHeadInnerDiameter, "1000");
    HeadPage page(doc, prompter);
    EXPECT_EQ(page.firstTypeList->currentIndex(), -1);
    EXPECT_EQ(page.secondTypeList->currentIndex(), 2);
    EXPECT_EQ(page.secondMaterialList->currentText(), "0Cr13");
    EXPECT_TRUE(page.secondGroup->isHidden());
    EXPECT_EQ(doc.record().field(Field::FirstHeadType), gbk("球形封头"));

    EXPECT_FALSE(doc.isModified());
    page.firstDiameterEdit->setText("1400");
    EXPECT_EQ(doc.record().field(Field::FirstHeadInnerDiameter), "1400");
    EXPECT_TRUE(doc.isModified());
    doc.setModifiedFlag(false);
    choose(page.firstTypeList, 1);
    EXPECT_EQ(doc.record().field(Field::FirstHeadType), gbk("锥形封头"));
    EXPECT_TRUE(doc.isModified());
    choose(page.secondTypeList, 3);
    EXPECT_EQ(doc.record().field(Field::SecondHeadType), "3");
    choose(page.firstMaterialList, 9);
    EXPECT_EQ(doc.record().field(Field::FirstHeadMaterial), "16MnR");
    EXPECT_EQ(doc.record().field(Field::SecondHeadInnerDiameter), "1000");
}

TEST_F(PageFixture, InformationPagesStoreAtOnceAndChoicesMark)
{
    ProjectInfoPage info(doc);
    BasicInfoPage basic(doc);
    EXPECT_FALSE(doc.isModified());
    info.projectNameEdit()->setText(QStringLiteral("新名称"));
    basic.vesselNameEdit()->setText(QStringLiteral("新容器"));
    EXPECT_EQ(doc.record().field(Field::ProjectName), gbk("新名称"));
    EXPECT_EQ(doc.record().field(Field::VesselName), gbk("新容器"));
    EXPECT_TRUE(doc.isModified());
    // Editing the project name does not rename the window.
    EXPECT_EQ(doc.title(), "P1 *");

    doc.setModifiedFlag(false);
    choose(basic.categoryList(), 2);
    EXPECT_EQ(doc.record().field(Field::VesselCategory), gbk("三类"));
    EXPECT_TRUE(doc.isModified());
    doc.setModifiedFlag(false);
    EXPECT_EQ(basic.startDateEdit()->date(), QDate(2026, 3, 5));
    basic.finishDateEdit()->setDate(QDate(2026, 4, 9));
    EXPECT_EQ(doc.record().field(Field::FinishDate), "2026-04-09");
    EXPECT_TRUE(doc.isModified());
}

TEST_F(PageFixture, MalformedDatesAndUnknownCategoryAreKept)
{
    doc.record().setField(Field::StartDate, "");
    doc.record().setField(Field::FinishDate, "garbage");
    doc.record().setField(Field::VesselCategory, gbk("四类"));
    BasicInfoPage basic(doc);
    EXPECT_EQ(basic.startDateEdit()->date(), QDate(2026, 3, 5)); // the creation date
    EXPECT_EQ(doc.record().field(Field::StartDate), "");
    EXPECT_EQ(doc.record().field(Field::FinishDate), "garbage");
    EXPECT_EQ(basic.categoryList()->currentIndex(), -1);
    EXPECT_EQ(doc.record().field(Field::VesselCategory), gbk("四类"));
    EXPECT_FALSE(doc.isModified());
}

TEST_F(PageFixture, PageHostHasTheTenTabsAndTheViewItsTwo)
{
    CZelvanView view(doc, prompter);
    EXPECT_EQ(view.tabs()->tabText(1), QStringLiteral("容器名称: 储罐"));
    const QStringList expected = {"基本信息", "封头参数", "筒节参数", "接管参数", "板材参数",
                                  "零件参数", "焊缝参数", "产品工艺卡", "焊接工艺卡", "塔器参数"};
    QTabWidget *tabs = view.pageHost()->tabs();
    ASSERT_EQ(tabs->count(), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(tabs->tabText(i), expected.at(i));
    // Editing the vessel name does not change the open window's tab label.
    view.pageHost()->basicInfoPage()->vesselNameEdit()->setText(QStringLiteral("别名"));
    EXPECT_EQ(view.tabs()->tabText(1), QStringLiteral("容器名称: 储罐"));
}

TEST_F(PageFixture, VeryLongStoredTextsShowWithoutTrouble)
{
    std::vector<std::string> row(6, std::string(70000, 'x'));
    doc.record().table(TableId::ShellCourses).assignRows({row});
    doc.record().setField(Field::VesselName, std::string(100000, 'y'));
    CZelvanView view(doc, prompter);
    EXPECT_EQ(view.pageHost()->shellCoursePage()->editor().list()->rowCount(), 1);
}

TEST_F(PageFixture, EnteredValuesSurviveSaveAndReopen)
{
    QTemporaryDir dir;
    {
        CZelvanView view(doc, prompter);
        PageHost *host = view.pageHost();
        host->headPage()->firstDiameterEdit->setText("1600");
        choose(host->headPage()->firstTypeList, 0);
        NozzlePage *nozzles = host->nozzlePage();
        fillNozzle(*nozzles, 0, 1, "300", "1200");
        prompter.expectMessage(QStringLiteral("数据添加成功！"));
        nozzles->editor().add();

        view.projectInfoPage()->managerEdit()->setText(QStringLiteral("王工"));
        ASSERT_TRUE(doc.save(dir.filePath("v")).ok);
    }
    CompanyInfo other = CompanyInfo::initial();
    CZelvanDoc reopened(other);
    ASSERT_TRUE(reopened.open(dir.filePath("v.pcp")).ok);
    CZelvanView view(reopened, prompter);
    PageHost *host = view.pageHost();
    EXPECT_EQ(host->headPage()->firstDiameterEdit->text(), "1600");
    EXPECT_EQ(host->headPage()->firstTypeList->currentText(), QStringLiteral("椭圆封头"));
    EXPECT_EQ(view.projectInfoPage()->managerEdit()->text(), QStringLiteral("王工"));
    const QList<QStringList> rows = host->nozzlePage()->editor().rows();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.first().at(NozzleColumn::Azimuth), QStringLiteral("二轴内300"));
    EXPECT_EQ(host->shellCoursePage()->editor().rows().size(), 2);
}
