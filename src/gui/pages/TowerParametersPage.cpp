#include "gui/pages/TowerParametersPage.h"

#include "gui/widgets/GeneratedFilesDialog.h"
#include "gui/widgets/PageFields.h"
#include "core/documents/CertificateDocument.h"
#include "core/documents/TowerParameterLists.h"
#include "core/project/CZelvanDoc.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelvan {

TowerParametersPage::TowerParametersPage(CZelvanDoc &doc, Prompter &prompter, QWidget *parent)
    : QWidget(parent)
    , certificateButton(new QPushButton(QStringLiteral("生成塔器合格证文件"), this))
    , m_doc(doc)
    , m_prompter(prompter)
{
    using namespace TowerParameterLists;
    // The controls are made in record order, which is also the focus order.
    const QMap<int, QStringList> lists = {
        {int(Field::StructureForm), structureForms()},
        {int(Field::NdtMethod), ndtMethods()},
        {int(Field::NdtInstrument), ndtInstruments()},
        {int(Field::DrawingInspectionRatio), inspectionRatios()},
        {int(Field::MinimumInspectionRatio), inspectionRatios()},
        {int(Field::AddedNdtRatio), addedNdtRatios()},
        {int(Field::DesignStandard), designStandards()},
        {int(Field::ManufacturingStandard), manufacturingStandards()},
        {int(Field::NdtStandard), ndtStandards()},
    };
    for (int number = int(Field::DesignPressureShell); number <= int(Field::InspectedLengthB); ++number) {
        const Field field = Field(number);
        // Edits mark the project modified: the page has no save button of
        // its own, and an unmarked edit would be dropped without a question
        // when the project is closed.
        if (lists.contains(number)) {
            auto *box = new QComboBox(this);
            box->addItems(lists.value(number));
            PageFields::bindComboIndex(doc, box, PageFields::field(doc, field));
            m_controls.insert(number, box);
        } else {
            auto *edit = new QLineEdit(this);
            PageFields::bindEdit(doc, edit, PageFields::field(doc, field));
            m_controls.insert(number, edit);
        }
    }

    auto label = [this](const QString &text) { return new QLabel(text, this); };
    auto c = [this](Field f) { return control(f); };

    // Design and working conditions, shell side beside tube side.
    auto *conditions = new QGroupBox(QStringLiteral("设计及工作条件"), this);
    auto *cg = new QGridLayout(conditions);
    cg->addWidget(label(QStringLiteral("壳程(壳体)")), 0, 1, Qt::AlignCenter);
    cg->addWidget(label(QStringLiteral("管程")), 0, 2, Qt::AlignCenter);
    const QList<std::tuple<QString, Field, Field>> pairs = {
        {QStringLiteral("设计压力(MPa):"), Field::DesignPressureShell, Field::DesignPressureTube},
        {QStringLiteral("设计温度(.C):"), Field::DesignTemperatureShell, Field::DesignTemperatureTube},
        {QStringLiteral("工作介质:"), Field::WorkingMediumShell, Field::WorkingMediumTube},
        {QStringLiteral("最高工作压力(MPa):"), Field::MaxWorkingPressureShell, Field::MaxWorkingPressureTube},
    };
    for (int i = 0; i < pairs.size(); ++i) {
        cg->addWidget(label(std::get<0>(pairs.at(i))), i + 1, 0, Qt::AlignRight);
        cg->addWidget(c(std::get<1>(pairs.at(i))), i + 1, 1);
        cg->addWidget(c(std::get<2>(pairs.at(i))), i + 1, 2);
    }

    auto *structure = new QGroupBox(QStringLiteral("结构及尺寸"), this);
    auto *sg = new QGridLayout(structure);
    const QList<QPair<QString, Field>> sizes = {
        {QStringLiteral("结构形式:"), Field::StructureForm}, {QStringLiteral("换热面积:"), Field::HeatExchangeArea},
        {QStringLiteral("容积:"), Field::Volume},           {QStringLiteral("内径:"), Field::InnerDiameter},
        {QStringLiteral("壁厚:"), Field::WallThickness},    {QStringLiteral("总长(总高):"), Field::OverallLength},
        {QStringLiteral("重量:"), Field::Weight},
    };
    for (int i = 0; i < sizes.size(); ++i) {
        sg->addWidget(label(sizes.at(i).first), i / 2, (i % 2) * 2, Qt::AlignRight);
        sg->addWidget(c(sizes.at(i).second), i / 2, (i % 2) * 2 + 1);
    }

    auto *tests = new QGroupBox(QStringLiteral("压力试验"), this);
    auto *tg = new QGridLayout(tests);
    tg->addWidget(label(QStringLiteral("壳程(壳体)")), 0, 1, Qt::AlignCenter);
    tg->addWidget(label(QStringLiteral("管程")), 0, 2, Qt::AlignCenter);
    tg->addWidget(label(QStringLiteral("耐压试验(MPa):")), 1, 0, Qt::AlignRight);
    tg->addWidget(c(Field::PressureTestShell), 1, 1);
    tg->addWidget(c(Field::PressureTestTube), 1, 2);
    tg->addWidget(label(QStringLiteral("壳程(壳体)")), 2, 1, Qt::AlignCenter);
    tg->addWidget(label(QStringLiteral("渗漏")), 2, 2, Qt::AlignCenter);
    tg->addWidget(label(QStringLiteral("气密性试验(MPa):")), 3, 0, Qt::AlignRight);
    tg->addWidget(c(Field::AirTightnessTestShell), 3, 1);
    tg->addWidget(c(Field::LeakageTest), 3, 2);
    tg->addWidget(label(QStringLiteral("补强板焊缝密封试验压力(MPa):")), 4, 0, Qt::AlignRight);
    tg->addWidget(c(Field::PadWeldSealTestPressure), 4, 1);

    auto *ndt = new QGroupBox(QStringLiteral("无损检测"), this);
    auto *ng = new QGridLayout(ndt);
    ng->addWidget(label(QStringLiteral("无损检测方法:")), 0, 0, Qt::AlignRight);
    ng->addWidget(c(Field::NdtMethod), 0, 1);
    ng->addWidget(label(QStringLiteral("仪器:")), 0, 2, Qt::AlignRight);
    ng->addWidget(c(Field::NdtInstrument), 0, 3);
    ng->addWidget(label(QStringLiteral("图样规定检测比例:")), 1, 0, Qt::AlignRight);
    ng->addWidget(c(Field::DrawingInspectionRatio), 1, 1);
    ng->addWidget(label(QStringLiteral("单条焊缝实际检测最小比例:")), 1, 2, Qt::AlignRight);
    ng->addWidget(c(Field::MinimumInspectionRatio), 1, 3);
    ng->addWidget(label(QStringLiteral("增加探伤比例:")), 2, 0, Qt::AlignRight);
    ng->addWidget(c(Field::AddedNdtRatio), 2, 1);
    ng->addWidget(label(QStringLiteral("A类")), 3, 0, Qt::AlignRight);
    ng->addWidget(label(QStringLiteral("焊缝总长:")), 3, 1, Qt::AlignRight);
    ng->addWidget(c(Field::WeldLengthA), 3, 2);
    ng->addWidget(label(QStringLiteral("B类")), 4, 0, Qt::AlignRight);
    ng->addWidget(label(QStringLiteral("焊缝总长:")), 4, 1, Qt::AlignRight);
    ng->addWidget(c(Field::WeldLengthB), 4, 2);
    ng->addWidget(label(QStringLiteral("实际检测长度:A类")), 5, 0, Qt::AlignRight);
    ng->addWidget(c(Field::InspectedLengthA), 5, 1);
    ng->addWidget(label(QStringLiteral("B类")), 5, 2, Qt::AlignRight);
    ng->addWidget(c(Field::InspectedLengthB), 5, 3);

    auto *standards = new QGroupBox(QStringLiteral("施工依据"), this);
    auto *stg = new QGridLayout(standards);
    stg->addWidget(label(QStringLiteral("设计标准:")), 0, 0, Qt::AlignRight);
    stg->addWidget(c(Field::DesignStandard), 0, 1);
    stg->addWidget(label(QStringLiteral("制造(现场组焊)标准:")), 1, 0, Qt::AlignRight);
    stg->addWidget(c(Field::ManufacturingStandard), 1, 1);
    stg->addWidget(label(QStringLiteral("探伤标准:")), 2, 0, Qt::AlignRight);
    stg->addWidget(c(Field::NdtStandard), 2, 1);
    stg->setColumnStretch(1, 1);

    auto *top = new QHBoxLayout;
    top->addWidget(conditions);
    top->addWidget(structure);
    auto *middle = new QHBoxLayout;
    middle->addWidget(tests);
    middle->addWidget(ndt);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(certificateButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle);
    layout->addWidget(standards);
    layout->addLayout(buttons);
    layout->addStretch(1);

    connect(certificateButton, &QPushButton::clicked, this, &TowerParametersPage::exportCertificate);
}

QLineEdit *TowerParametersPage::edit(Field field) const
{
    return qobject_cast<QLineEdit *>(control(field));
}

QComboBox *TowerParametersPage::list(Field field) const
{
    return qobject_cast<QComboBox *>(control(field));
}

void TowerParametersPage::exportCertificate()
{
    CertificateDocument document(m_doc.record(), m_doc.company(), m_prompter);
    GeneratedFilesDialog::showResult(document.run(), m_prompter, this);
}

} // namespace zelvan
