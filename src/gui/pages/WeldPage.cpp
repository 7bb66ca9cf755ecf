#include "gui/pages/WeldPage.h"

#include "gui/widgets/PageFields.h"

#include "gui/widgets/GeneratedFilesDialog.h"
#include "gui/widgets/GrooveFormLists.h"
#include "core/documents/ProductListDocument.h"
#include "core/documents/ProductListMessages.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/Catalogues.h"
#include "core/reference/GrooveFormCatalogue.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zelvan {

namespace {
QComboBox *dropDown(QWidget *parent, const QStringList &items, bool editable = false)
{
    return PageFields::dropDown(parent, items, editable, 120);
}

// A titled frame around some of the entries ("件A", "检验要求").
QGroupBox *group(const QString &title, const QList<QPair<QString, QWidget *>> &entries, QWidget *parent,
                 const QString &trailing = QString())
{
    auto *box = new QGroupBox(title, parent);
    auto *grid = new QGridLayout(box);
    for (int i = 0; i < entries.size(); ++i) {
        grid->addWidget(new QLabel(entries.at(i).first, box), i, 0, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(entries.at(i).second, i, 1);
    }
    if (!trailing.isEmpty())
        grid->addWidget(new QLabel(trailing, box), int(entries.size()) - 1, 2);
    return box;
}
} // namespace

WeldPage::WeldPage(CZelvanDoc &doc, Prompter &prompter, QWidget *parent)
    : TablePage(doc, TableId::Welds, prompter, parent)
    , numberEdit(new QLineEdit(this))
    , categoryList(dropDown(this, {QStringLiteral("A类"), QStringLiteral("B类"), QStringLiteral("C类"), QStringLiteral("D类"),
                                   QStringLiteral("普通")}))
    , shapeList(dropDown(this, {QStringLiteral("环形"), QStringLiteral("直线")}))
    , lengthEdit(new QLineEdit(this))
    , welder1Box(dropDown(this, {QStringLiteral("张三"), QStringLiteral("李四")}, true))
    , welder2Box(dropDown(this, {QStringLiteral("焊工1"), QStringLiteral("焊工2")}, true))
    , welder3Box(dropDown(this, {QStringLiteral("焊工3"), QStringLiteral("焊工4")}, true))
    , materialAList(dropDown(this, Catalogues::materials()))
    , specificationAEdit(new QLineEdit(this))
    , materialBList(dropDown(this, Catalogues::materials()))
    , specificationBEdit(new QLineEdit(this))
    , testTypeList(dropDown(this, Catalogues::testTypes()))
    , testStandardList(dropDown(this, Catalogues::testStandards()))
    , testRatioList(dropDown(this, Catalogues::testRatios()))
    , acceptanceList(dropDown(this, Catalogues::acceptanceLevels()))
    , stateList(dropDown(this, {QStringLiteral("准备"), QStringLiteral("组对中"), QStringLiteral("焊接准备"), QStringLiteral("焊接中"),
                                QStringLiteral("焊接完毕"), QStringLiteral("提交探伤"), QStringLiteral("探伤准备"),
                                QStringLiteral("探伤中"), QStringLiteral("探伤完毕"), QStringLiteral("返片"),
                                QStringLiteral("返片完毕"), QStringLiteral("关闭")}))
    , positionList(dropDown(this, {QStringLiteral("平焊"), QStringLiteral("横焊"), QStringLiteral("仰焊"), QStringLiteral("角焊"),
                                   QStringLiteral("立焊"), QStringLiteral("向下焊"), QStringLiteral("向上焊"),
                                   QStringLiteral("全位置焊")}))
    , exportButton(new QPushButton(QStringLiteral("导出Word"), this))
    , m_grooves(new GrooveFormLists(this, prompter, GrooveFormCatalogue::chooseWeldKindFirst()))
{
    addEntry(0, 0, QStringLiteral("焊缝编号:"), numberEdit);
    addEntry(0, 1, QStringLiteral("焊缝类别:"), categoryList);
    addEntry(0, 2, QStringLiteral("形状:"), shapeList);
    addEntry(0, 3, QStringLiteral("长度:"), lengthEdit);
    addEntry(1, 0, QStringLiteral("焊接人:"), welder1Box);
    addEntry(1, 1, QStringLiteral("焊接人:"), welder2Box);
    addEntry(1, 2, QStringLiteral("焊接人:"), welder3Box);
    addEntry(1, 3, QStringLiteral("焊缝状态:"), stateList);
    addEntry(2, 0, QStringLiteral("焊缝类型:"), m_grooves->kindList());
    addEntry(2, 1, QStringLiteral("坡口形式:"), m_grooves->grooveList());
    addEntry(2, 2, QStringLiteral("焊接位置:"), positionList);
    auto *groups = new QHBoxLayout;
    groups->addWidget(group(QStringLiteral("件A"), {{QStringLiteral("材质:"), materialAList}, {QStringLiteral("规格:"), specificationAEdit}}, this));
    groups->addWidget(group(QStringLiteral("件B"), {{QStringLiteral("材质:"), materialBList}, {QStringLiteral("规格:"), specificationBEdit}}, this));
    groups->addWidget(group(QStringLiteral("检验要求"),
                            {{QStringLiteral("检验类型:"), testTypeList}, {QStringLiteral("检验标准:"), testStandardList},
                             {QStringLiteral("检验比例:"), testRatioList}, {QStringLiteral("合格级别:"), acceptanceList}},
                            this, QStringLiteral("(以上)")), 2);
    entryGrid()->addLayout(groups, 3, 0, 1, 8);

    ListEditController &e = editor();
    const QStringList headers = {QStringLiteral("编号"),     QStringLiteral("类别"),     QStringLiteral("形状"),     QStringLiteral("长度"),
                                 QStringLiteral("焊接人1"),  QStringLiteral("焊接人2"),  QStringLiteral("焊接人3"),  QStringLiteral("材质A"),
                                 QStringLiteral("规格A"),    QStringLiteral("材质B"),    QStringLiteral("规格B"),    QStringLiteral("焊缝类型"),
                                 QStringLiteral("坡口形式"), QStringLiteral("检验类型"), QStringLiteral("检验标准"), QStringLiteral("检验比例"),
                                 QStringLiteral("合格级别"), QStringLiteral("焊缝状态"), QStringLiteral("焊接位置")};
    const int widths[] = {60, 60, 60, 80, 70, 70, 70};
    QList<ListEditController::Column> columns;
    for (int i = 0; i < headers.size(); ++i)
        columns.append({headers.at(i), i < 7 ? widths[i] : 80});
    e.setColumns(columns);

    const QList<QWidget *> controls = {numberEdit,       categoryList,   shapeList,     lengthEdit,
                                       welder1Box,       welder2Box,     welder3Box,    materialAList,
                                       specificationAEdit, materialBList, specificationBEdit, m_grooves->kindList(),
                                       m_grooves->grooveList(), testTypeList, testStandardList, testRatioList,
                                       acceptanceList,   stateList,      positionList};
    // The welders are not checked: a weld may be recorded before anyone
    // has welded it.
    const QStringList m = ProductListMessages::weldRequired();
    QStringList messages = {m.at(0), m.at(1), m.at(2), m.at(3), QString(), QString(), QString()};
    messages.append(m.mid(4));
    e.bindColumns(controls, messages);
    // The weld type goes in first so that the groove list holds that type's
    // forms when the stored groove is selected.
    e.setRowLoader([this, controls](const QStringList &row) {
        for (int column = 0; column < controls.size(); ++column) {
            if (controls.at(column) == m_grooves->kindList())
                m_grooves->load(row.value(column), row.value(column + 1));
            else if (controls.at(column) != m_grooves->grooveList())
                ListEditController::setControlText(controls.at(column), row.value(column));
        }
    });
    finishLayout({exportButton});
    connect(exportButton, &QPushButton::clicked, this, &WeldPage::exportWord);
}

void WeldPage::exportWord()
{
    ProductListDocument document(ProductListDocument::weldTable(), m_doc.record(), m_doc.company(), m_prompter);
    GeneratedFilesDialog::showResult(document.run(), m_prompter, this);
}

} // namespace zelvan
