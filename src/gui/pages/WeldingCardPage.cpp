#include "gui/pages/WeldingCardPage.h"

#include "gui/widgets/PageFields.h"

#include "gui/widgets/GeneratedFilesDialog.h"
#include "gui/widgets/GrooveFormLists.h"
#include "core/documents/WeldingCardDocument.h"
#include "core/documents/WeldingCardMessages.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/Catalogues.h"
#include "core/project/TextCodec.h"
#include "core/reference/GrooveFormCatalogue.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zelvan {

namespace {
using PageFields::dropDown;

QPlainTextEdit *multiLine(QWidget *parent)
{
    auto *edit = new QPlainTextEdit(parent);
    edit->setFixedHeight(edit->fontMetrics().lineSpacing() * 3 + 10);
    edit->setTabChangesFocus(true);
    return edit;
}

// A group's entries, buttons and list, laid out like a table page.
QGroupBox *group(const QString &title, const QList<QPair<QString, QWidget *>> &entries, int columns,
                 ListEditController &editor, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    auto *grid = new QGridLayout;
    for (int i = 0; i < entries.size(); ++i) {
        grid->addWidget(new QLabel(entries.at(i).first, box), i / columns, (i % columns) * 2, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(entries.at(i).second, i / columns, (i % columns) * 2 + 1);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(editor.addButton());
    buttons->addWidget(editor.deleteButton());
    buttons->addWidget(editor.saveButton());
    auto *layout = new QVBoxLayout(box);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addWidget(editor.list(), 1);
    return box;
}

QStringList required(const QStringList &messages, int columns)
{
    QStringList all = messages;
    while (all.size() < columns)
        all.append(QString());
    return all;
}
} // namespace

WeldingCardPage::WeldingCardPage(CZelvanDoc &doc, Prompter &prompter, QWidget *parent)
    : TablePage(doc, TableId::WeldingCards, prompter, parent)
    , numberEdit(new QLineEdit(this))
    , qualificationBox(dropDown(this, {}, true))
    , methodList(dropDown(this, {QStringLiteral("手工焊"), QStringLiteral("埋弧焊"), QStringLiteral("CO2保护焊"), QStringLiteral("氩弧焊")}))
    , materialList(dropDown(this, Catalogues::materials()))
    , thicknessEdit(new QLineEdit(this))
    , positionList(dropDown(this, {QStringLiteral("平焊"), QStringLiteral("横焊"), QStringLiteral("仰焊"), QStringLiteral("角焊"),
                                   QStringLiteral("立焊"), QStringLiteral("向下焊"), QStringLiteral("向上焊"), QStringLiteral("全位置焊")}))
    , currentTypeBox(dropDown(this, {QStringLiteral("直流反接"), QStringLiteral("直流正接"), QStringLiteral("逆变")}, true))
    , appearanceEdit(multiLine(this))
    , remarkEdit(multiLine(this))
    , testTypeList(dropDown(this, Catalogues::testTypes()))
    , testStandardList(dropDown(this, Catalogues::testStandards()))
    , testRatioList(dropDown(this, Catalogues::testRatios()))
    , acceptanceList(dropDown(this, Catalogues::acceptanceLevels()))
    , consumableEdit(new QLineEdit(this))
    , dryingEdit(new QLineEdit(this))
    , layerEdit(new QLineEdit(this))
    , diameterEdit(new QLineEdit(this))
    , currentEdit(new QLineEdit(this))
    , voltageEdit(new QLineEdit(this))
    , speedEdit(new QLineEdit(this))
    , otherEdit(new QLineEdit(this))
    , exportButton(new QPushButton(QStringLiteral("导出Word"), this))
    , m_model(std::make_unique<WeldingCardModel>(doc.record()))
    , m_grooves(new GrooveFormLists(this, prompter, GrooveFormCatalogue::chooseJointFormFirst()))
    , m_consumables(new ListEditController(doc, TableId::CardConsumables, prompter, this))
    , m_parameters(new ListEditController(doc, TableId::CardParameters, prompter, this))
{
    for (const std::string &number : WeldingCardModel::qualificationNumbers(doc.record()))
        qualificationBox->addItem(fromGbk(number));
    qualificationBox->setCurrentIndex(-1);

    addEntry(0, 0, QStringLiteral("编号:"), numberEdit);
    addEntry(0, 1, QStringLiteral("工艺评定号:"), qualificationBox);
    addEntry(0, 2, QStringLiteral("焊接方法:"), methodList);
    addEntry(0, 3, QStringLiteral("接头形式:"), m_grooves->kindList());
    addEntry(1, 0, QStringLiteral("材质:"), materialList);
    addEntry(1, 1, QStringLiteral("壁厚:"), thicknessEdit);
    addEntry(1, 2, QStringLiteral("焊接位置:"), positionList);
    addEntry(1, 3, QStringLiteral("坡口形式:"), m_grooves->grooveList());
    addEntry(2, 0, QStringLiteral("电流特性:"), currentTypeBox);
    addEntry(2, 1, QStringLiteral("外观要求:"), appearanceEdit);
    addEntry(2, 2, QStringLiteral("备注:"), remarkEdit, 2);
    addEntry(3, 0, QStringLiteral("检验类型:"), testTypeList);
    addEntry(3, 1, QStringLiteral("检验标准:"), testStandardList, 2);
    addEntry(3, 3, QStringLiteral("检验比例:"), testRatioList);
    addEntry(4, 0, QStringLiteral("合格级别:"), acceptanceList);

    ListEditController &c = editor();
    c.setColumns({{QStringLiteral("编号"), 60},       {QStringLiteral("工艺评定号"), 100}, {QStringLiteral("焊接方法"), 100},
                  {QStringLiteral("接头形式"), 100},   {QStringLiteral("材质"), 100},       {QStringLiteral("壁厚"), 100},
                  {QStringLiteral("焊接位置"), 100},   {QStringLiteral("坡口形式"), 100},   {QStringLiteral("电流特性"), 100},
                  {QStringLiteral("外观要求"), 100},   {QStringLiteral("备注"), 100},       {QStringLiteral("检验类型"), 100},
                  {QStringLiteral("检验标准"), 100},   {QStringLiteral("检验比例"), 100},   {QStringLiteral("合格级别"), 100}});
    const QList<QWidget *> cardControls = {numberEdit,     qualificationBox, methodList,     m_grooves->kindList(),
                                           materialList,   thicknessEdit,    positionList,   m_grooves->grooveList(),
                                           currentTypeBox, appearanceEdit,   remarkEdit,     testTypeList,
                                           testStandardList, testRatioList,  acceptanceList};
    // Checked in the card form's order; 工艺评定号, 电流特性, 外观要求 and 备注 may stay empty.
    const QStringList cardMessages = WeldingCardMessages::cardRequired();
    for (int column = 0; column < cardControls.size(); ++column)
        c.bindColumn(column, cardControls.at(column));
    const QList<QWidget *> requiredControls = {numberEdit,    methodList,   m_grooves->kindList(), materialList,
                                               thicknessEdit, positionList, m_grooves->grooveList(), testTypeList,
                                               testStandardList, testRatioList, acceptanceList};
    for (int i = 0; i < requiredControls.size(); ++i)
        c.addRequired(requiredControls.at(i), cardMessages.at(i));
    c.setRowLoader([this, cardControls](const QStringList &row) {
        for (int column = 0; column < cardControls.size(); ++column) {
            if (cardControls.at(column) == m_grooves->grooveList())
                continue;
            if (cardControls.at(column) == m_grooves->kindList())
                m_grooves->load(row.value(column), row.value(7));
            else
                ListEditController::setControlText(cardControls.at(column), row.value(column));
        }
    });
    c.setRowStore(&m_model->cards());

    ListEditController &m = *m_consumables;
    m.setColumns({{QStringLiteral("编号"), 60}, {QStringLiteral("焊材牌号规格"), 140}, {QStringLiteral("烘干要求"), 100}});
    m.setMultiSelection(true);
    m.bindColumns({numberEdit, consumableEdit, dryingEdit}, WeldingCardMessages::consumableRequired());
    m.setDeleteQuestion([](const QStringList &row) { return WeldingCardMessages::deleteConsumable(row.value(1), row.value(2)); });
    m.setRowStore(&m_model->consumables());

    ListEditController &p = *m_parameters;
    p.setColumns({{QStringLiteral("编号"), 60}, {QStringLiteral("层数"), 80}, {QStringLiteral("直径"), 80}, {QStringLiteral("电流"), 100},
                  {QStringLiteral("电压"), 100}, {QStringLiteral("速度"), 140}, {QStringLiteral("其它"), 140}});
    p.setMultiSelection(true);
    p.bindColumns({numberEdit, layerEdit, diameterEdit, currentEdit, voltageEdit, speedEdit, otherEdit},
                  required(WeldingCardMessages::parameterRequired(), 7));
    p.setDeleteQuestion([](const QStringList &row) { return WeldingCardMessages::deleteParameter(row.value(1), row.value(2)); });
    p.setRowStore(&m_model->parameters());

    for (ListEditController *e : {&c, &m, &p})
        e->setModifyWithoutSelectionMessage(WeldingCardMessages::nothingSelected(), Prompter::Icon::Information);

    finishLayout({exportButton});
    m.loadFromRecord();
    p.loadFromRecord();
    auto *groups = new QHBoxLayout;
    groups->addWidget(group(QStringLiteral("焊材"), {{QStringLiteral("焊材牌号规格:"), consumableEdit}, {QStringLiteral("烘干要求:"), dryingEdit}},
                            2, m, this), 2);
    // Travel speed is given per hour in the shop, as the card prints it.
    groups->addWidget(group(QStringLiteral("焊接程序及规范"),
                            {{QStringLiteral("层数:"), layerEdit}, {QStringLiteral("直径:"), diameterEdit},
                             {QStringLiteral("电流(A):"), currentEdit}, {QStringLiteral("电压(V):"), voltageEdit},
                             {QStringLiteral("速度(m/h):"), speedEdit}, {QStringLiteral("其它:"), otherEdit}},
                            3, p, this), 3);
    static_cast<QVBoxLayout *>(layout())->addLayout(groups, 1);

    connect(c.list(), &QTableWidget::cellClicked, this, &WeldingCardPage::showRowsOfSelectedCard);
    connect(exportButton, &QPushButton::clicked, this, &WeldingCardPage::exportWord);
}

WeldingCardPage::~WeldingCardPage() = default;

void WeldingCardPage::showRowsOfSelectedCard()
{
    const QList<QTableWidgetItem *> selected = editor().list()->selectedItems();
    const int row = selected.isEmpty() ? -1 : selected.first()->row();
    const QList<QStringList> cards = editor().rows();
    m_model->showRowsOf(row >= 0 ? toGbk(cards.at(row).value(0)) : std::string());
    m_consumables->loadFromRecord();
    m_parameters->loadFromRecord();
}

void WeldingCardPage::exportWord()
{
    WeldingCardDocument document(m_doc.record(), m_doc.company(), m_prompter);
    const ExportResult result = document.run();
    GeneratedFilesDialog::showResult(result, m_prompter, this);
}

} // namespace zelvan
