#include "gui/pages/ProcessCardPage.h"

#include "gui/widgets/PageFields.h"
#include "gui/widgets/GeneratedFilesDialog.h"
#include "core/documents/ProcessCardPageModel.h"
#include "core/documents/ProcessFileGenerator.h"
#include "core/project/AppPaths.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/TextCodec.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zelvan {

namespace {

// Forwards messages to the program's prompter and shows the progress texts
// in the page's status field.
class StatusFieldPrompter : public Prompter {
public:
    StatusFieldPrompter(Prompter &base, QLabel *status) : m_base(base), m_status(status) {}
    void message(const QString &title, const QString &text, Icon icon) override { m_base.message(title, text, icon); }
    bool askYesNo(const QString &title, const QString &text, Icon icon) override { return m_base.askYesNo(title, text, icon); }
    Answer askYesNoCancel(const QString &title, const QString &text, Icon icon) override
    {
        return m_base.askYesNoCancel(title, text, icon);
    }
    void progress(const QString &text) override
    {
        m_status->setText(text);
        m_status->repaint();
        m_base.progress(text);
    }

private:
    Prompter &m_base;
    QLabel *m_status;
};

QComboBox *dropList(QWidget *parent, const QStringList &items)
{
    auto *box = new QComboBox(parent);
    box->addItems(items);
    box->setCurrentIndex(-1);
    return box;
}

} // namespace

ProcessCardPage::ProcessCardPage(CZelvanDoc &doc, Prompter &prompter, QWidget *parent)
    : QWidget(parent)
    , m_doc(doc)
    , m_prompter(prompter)
    , m_standards(new QTableWidget(this))
    , m_externalForm(new QComboBox(this))
    , m_mainMaterial(dropList(this, ProcessCardPageModel::mainMaterials()))
    , m_innerDiameter(PageFields::digitsOnly(new QLineEdit(this)))
    , m_status(new QLabel(this))
    , m_generate(new QPushButton(ProcessCardPageModel::generateButton(), this))
{
    const ProcessCardPageModel::Opened opened = ProcessCardPageModel::open(programDirectory(), prompter);

    m_standards->setColumnCount(2);
    m_standards->setHorizontalHeaderLabels(ProcessCardPageModel::standardsColumns());
    m_standards->setColumnWidth(0, 60);
    m_standards->setColumnWidth(1, 300);
    m_standards->horizontalHeader()->setStretchLastSection(true);
    m_standards->verticalHeader()->hide();
    m_standards->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_standards->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_standards->setShowGrid(true);
    const std::vector<bool> checks = ProcessCardPageModel::checkedStandards(doc.record(), int(opened.lists.standards.size()));
    m_standards->setRowCount(int(opened.lists.standards.size()));
    for (int i = 0; i < int(opened.lists.standards.size()); ++i) {
        auto *number = new QTableWidgetItem(QString::number(i + 1));
        number->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        number->setCheckState(opened.showStoredValues && checks[size_t(i)] ? Qt::Checked : Qt::Unchecked);
        m_standards->setItem(i, 0, number);
        m_standards->setItem(i, 1, new QTableWidgetItem(fromGbk(opened.lists.standards[size_t(i)])));
    }
    m_standards->installEventFilter(this);
    m_standards->setMinimumHeight(220);

    for (const std::string &form : opened.lists.externalForms)
        m_externalForm->addItem(fromGbk(form));
    m_externalForm->setCurrentIndex(-1);

    // Characteristics.
    struct EditField {
        const char16_t *label;
        ProcessField field;
        QLineEdit *edit;
    };
    QList<EditField> characteristics = {
        {u"容器内径:", ProcessField::InnerDiameter, m_innerDiameter},
        {u"壁厚:", ProcessField::WallThickness, new QLineEdit(this)},
        {u"总长(总高):", ProcessField::OverallLength, new QLineEdit(this)},
        {u"净重(Kg):", ProcessField::NetWeight, new QLineEdit(this)},
        {u"容积(m3):", ProcessField::Volume, new QLineEdit(this)},
        {u"设计压力(MPa):", ProcessField::DesignPressure, new QLineEdit(this)},
        {u"设计温度:", ProcessField::DesignTemperature, new QLineEdit(this)},
        {u"强度试验压力:", ProcessField::TestPressure, new QLineEdit(this)},
        {u"工作介质:", ProcessField::WorkingMedium, new QLineEdit(this)},
    };
    QList<EditField> others = {
        {u"腐蚀裕度(mm):", ProcessField::CorrosionAllowance, new QLineEdit(this)},
        {u"焊缝系数: 筒体", ProcessField::WeldFactorShell, new QLineEdit(this)},
        {u"封头", ProcessField::WeldFactorHeads, new QLineEdit(this)},
        {u"附注:", ProcessField::Remarks, new QLineEdit(this)},
    };
    auto *heatTreatment = new QPlainTextEdit(this);
    heatTreatment->setMaximumHeight(80);

    struct ListField {
        const char16_t *label;
        ProcessField field;
        QComboBox *box;
    };
    auto ndtGroup = [this](ProcessField method, ProcessField ratio, ProcessField standard, ProcessField level) {
        return QList<ListField>{
            {u"探伤方法:", method, dropList(this, ProcessCardPageModel::ndtMethods())},
            {u"探伤比例:", ratio, dropList(this, ProcessCardPageModel::ndtRatios())},
            {u"探伤标准:", standard, dropList(this, ProcessCardPageModel::ndtStandards())},
            {u"合格级别:", level, dropList(this, ProcessCardPageModel::acceptanceLevels())},
        };
    };
    const QList<ListField> mainWelds = ndtGroup(ProcessField::MainWeldNdtMethod, ProcessField::MainWeldNdtRatio,
                                                ProcessField::MainWeldNdtStandard, ProcessField::MainWeldAcceptance);
    const QList<ListField> minorWelds = ndtGroup(ProcessField::MinorWeldNdtMethod, ProcessField::MinorWeldNdtRatio,
                                                 ProcessField::MinorWeldNdtStandard, ProcessField::MinorWeldAcceptance);

    // Bind every control to its field; each change marks the project. When a list file is missing the page shows
    // no stored values, and the record keeps them until the user edits.
    QList<QWidget *> allControls;
    for (const EditField &f : characteristics + others) {
        PageFields::bindEdit(doc, f.edit, PageFields::process(doc, f.field));
        allControls.append(f.edit);
    }
    PageFields::bindPlainText(doc, heatTreatment, PageFields::process(doc, ProcessField::HeatTreatment));
    allControls.append(heatTreatment);
    const QList<ListField> lists = mainWelds + minorWelds
        + QList<ListField>{{u"主体材质:", ProcessField::MainMaterial, m_mainMaterial},
                           {u"容器外设:", ProcessField::ExternalForm, m_externalForm}};
    for (const ListField &f : lists) {
        PageFields::bindComboText(doc, f.box, PageFields::process(doc, f.field));
        allControls.append(f.box);
    }
    if (!opened.showStoredValues) {
        for (QWidget *control : allControls) {
            const QSignalBlocker blocker(control);
            if (auto *edit = qobject_cast<QLineEdit *>(control))
                edit->clear();
            else if (auto *box = qobject_cast<QComboBox *>(control))
                box->setCurrentIndex(-1);
            else if (auto *text = qobject_cast<QPlainTextEdit *>(control))
                text->clear();
        }
    }

    // Layout.
    auto *characteristicsGroup = new QGroupBox(QStringLiteral("容器技术特性"), this);
    auto *charGrid = new QGridLayout(characteristicsGroup);
    int index = 0;
    auto place = [](QGridLayout *grid, int &i, const QString &label, QWidget *control, int perRow) {
        grid->addWidget(new QLabel(label), i / perRow, (i % perRow) * 2, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(control, i / perRow, (i % perRow) * 2 + 1);
        ++i;
    };
    for (const EditField &f : characteristics.mid(0, 4))
        place(charGrid, index, QString::fromUtf16(f.label), f.edit, 3);
    place(charGrid, index, QStringLiteral("主体材质:"), m_mainMaterial, 3);
    for (const EditField &f : characteristics.mid(4))
        place(charGrid, index, QString::fromUtf16(f.label), f.edit, 3);

    auto *standardsGroup = new QGroupBox(QStringLiteral("制造标准及规范:"), this);
    auto *standardsLayout = new QVBoxLayout(standardsGroup);
    standardsLayout->addWidget(m_standards);

    auto makeNdtGroup = [&](const QString &title, const QList<ListField> &fields) {
        auto *group = new QGroupBox(title, this);
        auto *grid = new QGridLayout(group);
        int i = 0;
        for (const ListField &f : fields)
            place(grid, i, QString::fromUtf16(f.label), f.box, 2);
        return group;
    };
    auto *mainGroup = makeNdtGroup(QStringLiteral("A类及B类焊缝"), mainWelds);
    auto *minorGroup = makeNdtGroup(QStringLiteral("C类及D类焊缝"), minorWelds);

    auto *otherGrid = new QGridLayout;
    index = 0;
    for (const EditField &f : others)
        place(otherGrid, index, QString::fromUtf16(f.label), f.edit, 4);
    auto *heatGroup = new QGroupBox(QStringLiteral("热处理要求"), this);
    auto *heatLayout = new QVBoxLayout(heatGroup);
    heatLayout->addWidget(heatTreatment);

    auto *formRow = new QHBoxLayout;
    formRow->addWidget(new QLabel(QStringLiteral("容器外设:"), this));
    formRow->addWidget(m_externalForm);
    formRow->addStretch(1);
    formRow->addWidget(m_generate);

    auto *testing = new QHBoxLayout;
    testing->addWidget(mainGroup);
    testing->addWidget(minorGroup);

    m_status->setFrameShape(QFrame::StyledPanel);
    m_status->setMinimumHeight(m_status->fontMetrics().height() + 8);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(characteristicsGroup);
    layout->addWidget(standardsGroup, 1);
    layout->addLayout(testing);
    layout->addLayout(otherGrid);
    layout->addWidget(heatGroup);
    layout->addLayout(formRow);
    layout->addWidget(m_status);

    connect(m_generate, &QPushButton::clicked, this, [this] { generate(); });
}

ProcessCardPage::~ProcessCardPage() = default;

bool ProcessCardPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_standards && event->type() == QEvent::FocusOut)
        storeStandardChecks();
    return QWidget::eventFilter(watched, event);
}

void ProcessCardPage::storeStandardChecks()
{
    m_doc.setModifiedFlag(true);
    std::vector<bool> checks;
    for (int i = 0; i < m_standards->rowCount(); ++i)
        checks.push_back(m_standards->item(i, 0)->checkState() == Qt::Checked);
    ProcessCardPageModel::storeStandardChecks(m_doc.record(), checks);
}

void ProcessCardPage::generate(bool showGeneratedFiles)
{
    // Checks ticked since the list last lost the focus count too.
    if (m_standards->hasFocus())
        storeStandardChecks();
    StatusFieldPrompter prompter(m_prompter, m_status);
    ProcessFileGenerator generator(m_doc.record(), m_doc.company(), prompter);
    const ExportResult result = generator.run();
    m_status->clear();
    if (showGeneratedFiles)
        GeneratedFilesDialog::showResult(result, m_prompter, this);
}

} // namespace zelvan
