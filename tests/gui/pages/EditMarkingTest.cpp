// What the user types reaches the record and marks the project modified, so
// no close discards it; characters GBK cannot hold are refused where typed.
#include "support/RecordingPrompter.h"

#include "gui/dialogs/CompanyInfoDialog.h"
#include "gui/pages/BasicInfoPage.h"
#include "gui/pages/CZelvanView.h"
#include "gui/pages/NozzlePage.h"
#include "gui/pages/PageHost.h"
#include "gui/pages/ProcessCardPage.h"
#include "core/project/AppPaths.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <variant>

using namespace zelvan;
using test::RecordingPrompter;

namespace {

// The program directory with the two list files the process card page
// reads, so the page shows the stored values.
struct ProgramDirectory {
    QTemporaryDir dir;
    ProgramDirectory()
    {
        setProgramDirectoryForTesting(dir.path());
        QDir(dir.path()).mkdir(QStringLiteral("工序图"));
        write(dir.filePath(QStringLiteral("标准及规范.txt")), "GB/T 150-2011\r\n");
        write(dir.filePath(QStringLiteral("工序图/工序图列表.txt")), "立式支腿\r\n");
    }
    ~ProgramDirectory() { setProgramDirectoryForTesting(QString()); }
    static void write(const QString &path, const std::string &utf8)
    {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(gbk(utf8).c_str());
    }
};

using AnyField = std::variant<Field, ProcessField>;

// One row per free-text field of the pages that have no list (project
// information, basic information, heads, product process card).
struct FieldCase {
    const char *name;
    AnyField field;
};

std::string &stored(CZelvanDoc &doc, const AnyField &field)
{
    if (const Field *f = std::get_if<Field>(&field))
        return doc.record().field(*f);
    return doc.record().process(std::get<ProcessField>(field));
}

const FieldCase kCases[] = {
    {"ProjectName", Field::ProjectName},
    {"ProjectNumber", Field::ProjectNumber},
    {"ProjectManager", Field::ProjectManager},
    {"ProjectOwner", Field::ProjectOwner},
    {"VesselName", Field::VesselName},
    {"ProductNumber", Field::ProductNumber},
    {"DrawingNumber", Field::DrawingNumber},
    {"ManufacturingNumber", Field::ManufacturingNumber},
    {"ProductionQuantity", Field::ProductionQuantity},
    {"Customer", Field::Customer},
    {"DesignUnit", Field::DesignUnit},
    {"DesignApprovalNumber", Field::DesignApprovalNumber},
    {"ChiefQualityInspector", Field::ChiefQualityInspector},
    {"ContractNumber", Field::ContractNumber},
    {"FirstHeadInnerDiameter", Field::FirstHeadInnerDiameter},
    {"FirstHeadWallThickness", Field::FirstHeadWallThickness},
    {"SecondHeadInnerDiameter", Field::SecondHeadInnerDiameter},
    {"SecondHeadWallThickness", Field::SecondHeadWallThickness},
    {"CardInnerDiameter", ProcessField::InnerDiameter},
    {"CardWallThickness", ProcessField::WallThickness},
    {"CardOverallLength", ProcessField::OverallLength},
    {"CardNetWeight", ProcessField::NetWeight},
    {"CardVolume", ProcessField::Volume},
    {"CardDesignPressure", ProcessField::DesignPressure},
    {"CardDesignTemperature", ProcessField::DesignTemperature},
    {"CardTestPressure", ProcessField::TestPressure},
    {"CardWorkingMedium", ProcessField::WorkingMedium},
    {"CardCorrosionAllowance", ProcessField::CorrosionAllowance},
    {"CardWeldFactorShell", ProcessField::WeldFactorShell},
    {"CardWeldFactorHeads", ProcessField::WeldFactorHeads},
    {"CardRemarks", ProcessField::Remarks},
    {"CardHeatTreatment", ProcessField::HeatTreatment},
};

class EveryPageField : public ::testing::TestWithParam<FieldCase> {
protected:
    ProgramDirectory program;
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc{company};
    RecordingPrompter prompter;

    // Every field gets its own number, so each control can be found by the
    // text it shows (digits fit the digits-only edits too).
    void SetUp() override
    {
        doc.setTitle("P1");
        doc.record().setField(Field::VesselType, "0");
        doc.record().setField(Field::CreationTime, "2026-03-05 07:08:09");
        doc.record().setField(Field::StartDate, "2026-03-05");
        doc.record().setField(Field::FinishDate, "2026-03-05");
        for (int i = 0; i < int(std::size(kCases)); ++i)
            stored(doc, kCases[i].field) = std::to_string(91000 + i);
    }

    QWidget *controlShowing(CZelvanView &view, const QString &text)
    {
        QWidget *found = nullptr;
        for (QLineEdit *edit : view.findChildren<QLineEdit *>())
            if (edit->text() == text && !edit->isReadOnly()) {
                EXPECT_EQ(found, nullptr) << "two controls show " << text.toStdString();
                found = edit;
            }
        for (QPlainTextEdit *edit : view.findChildren<QPlainTextEdit *>())
            if (edit->toPlainText() == text) {
                EXPECT_EQ(found, nullptr) << "two controls show " << text.toStdString();
                found = edit;
            }
        return found;
    }
};


} // namespace

TEST_P(EveryPageField, TypingMarksModifiedAndReloadingDoesNot)
{
    const FieldCase &c = GetParam();
    const std::string before = stored(doc, c.field);
    {
        CZelvanView view(doc, prompter);
        EXPECT_FALSE(doc.isModified()) << "opening the pages marked the project";
        QWidget *control = controlShowing(view, QString::fromStdString(before));
        ASSERT_NE(control, nullptr) << "no control shows field " << c.name;

        // Setting the text it already has is no change.
        if (auto *edit = qobject_cast<QLineEdit *>(control)) {
            edit->setText(edit->text());
            EXPECT_FALSE(doc.isModified());
            edit->end(false);
            edit->insert("7");
        } else {
            auto *plain = qobject_cast<QPlainTextEdit *>(control);
            plain->moveCursor(QTextCursor::End);
            plain->insertPlainText("7");
        }
        EXPECT_EQ(stored(doc, c.field), before + "7");
        EXPECT_TRUE(doc.isModified());
        EXPECT_EQ(doc.title(), "P1 *");
    }
    // Showing the pages again shows the typed text and marks nothing.
    doc.setModifiedFlag(false);
    CZelvanView again(doc, prompter);
    EXPECT_FALSE(doc.isModified());
    EXPECT_NE(controlShowing(again, QString::fromStdString(before + "7")), nullptr);
    EXPECT_TRUE(prompter.entries.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Pages, EveryPageField, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<FieldCase> &info) { return std::string(info.param.name); });

namespace {

class GbkRefusal : public ::testing::TestWithParam<const char *> {
protected:
    ProgramDirectory program;
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc{company};
    RecordingPrompter prompter;
    QMainWindow window;

    void SetUp() override
    {
        doc.record().setField(Field::VesselType, "0");
        doc.record().setField(Field::CreationTime, "2026-03-05 07:08:09");
    }
    QString refused() const { return QString::fromUtf8(GetParam()); }
    QString statusText() const { return window.statusBar()->currentMessage(); }
};

} // namespace

TEST_P(GbkRefusal, TheFieldDropsTheCharacterAndSaysWhy)
{
    auto *view = new CZelvanView(doc, prompter);
    window.setCentralWidget(view);
    window.statusBar();
    window.show();
    const QString message = QStringLiteral("该字符无法保存（GBK编码不支持）");

    // A field of the basic information page: typed between two others.
    BasicInfoPage *basic = view->pageHost()->basicInfoPage();
    basic->vesselNameEdit()->setText(QStringLiteral("集团"));
    basic->vesselNameEdit()->insert(refused() + QStringLiteral("A"));
    EXPECT_EQ(basic->vesselNameEdit()->text(), QStringLiteral("集团A"));
    EXPECT_EQ(doc.record().field(Field::VesselName), gbk("集团A"));
    EXPECT_EQ(statusText(), message);

    // An entry of a list page: the row added holds no "?".
    window.statusBar()->clearMessage();
    NozzlePage *nozzles = view->pageHost()->nozzlePage();
    nozzles->nameEdit->insert(QStringLiteral("进料") + refused());
    EXPECT_EQ(nozzles->nameEdit->text(), QStringLiteral("进料"));
    EXPECT_EQ(statusText(), message);

    // The multi-line heat-treatment requirements.
    window.statusBar()->clearMessage();
    auto *heat = view->pageHost()->processCardPage()->findChild<QPlainTextEdit *>();
    ASSERT_NE(heat, nullptr);
    heat->insertPlainText(QStringLiteral("消除") + refused() + QStringLiteral("应力"));
    EXPECT_EQ(heat->toPlainText(), QStringLiteral("消除应力"));
    EXPECT_EQ(doc.record().process(ProcessField::HeatTreatment), gbk("消除应力"));
    EXPECT_EQ(statusText(), message);

    // The company name, which the project file stores too.
    CompanyInfoDialog dialog(company, prompter, [] {});
    dialog.newNameEdit()->insert(refused() + QStringLiteral("厂"));
    EXPECT_EQ(dialog.newNameEdit()->text(), QStringLiteral("厂"));
    EXPECT_TRUE(prompter.entries.isEmpty());
}

std::string characterName(const ::testing::TestParamInfo<const char *> &info)
{
    static const char *const names[] = {"Hangul", "Emoji", "OStroke", "Micro"};
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(Characters, GbkRefusal, ::testing::Values("한국", "😀", "Ø", "µ"), characterName);

TEST(GbkRefusal, CharactersGbkHoldsAreTaken)
{
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc(company);
    BasicInfoPage basic(doc);
    // Chinese, full-width punctuation, Greek and the degree sign are all in GBK.
    const QString text = QStringLiteral("储罐（Ⅱ类）φ1200×12 °C αβ");
    basic.vesselNameEdit()->insert(text);
    EXPECT_EQ(basic.vesselNameEdit()->text(), text);
    EXPECT_EQ(fromGbk(doc.record().field(Field::VesselName)), text);
}
