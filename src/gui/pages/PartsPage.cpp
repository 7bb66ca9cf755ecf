#include "gui/pages/PartsPage.h"

#include "gui/widgets/PageFields.h"

#include "gui/widgets/GeneratedFilesDialog.h"
#include "core/documents/ProductListDocument.h"
#include "core/documents/ProductListMessages.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/Catalogues.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zelvan {

namespace {
QComboBox *dropDown(QWidget *parent, const QStringList &items, bool editable)
{
    return PageFields::dropDown(parent, items, editable, 120);
}

// Parts are not made of the chromium steel 0Cr13: the parts list offers the
// first sixteen grades of the shop's list.
QStringList partMaterials()
{
    QStringList materials = Catalogues::materials();
    materials.removeAll(QStringLiteral("0Cr13"));
    return materials;
}
} // namespace

PartsPage::PartsPage(CZelvanDoc &doc, Prompter &prompter, QWidget *parent)
    : TablePage(doc, TableId::Parts, prompter, parent)
    , numberEdit(new QLineEdit(this))
    , nameBox(dropDown(this,
                       {QStringLiteral("凸面板式平焊钢制管法兰"), QStringLiteral("凸面对焊钢制管法兰"),
                        QStringLiteral("凹凸面对焊钢制管法兰"), QStringLiteral("榫槽面对焊钢制管法兰"),
                        QStringLiteral("环连接面对焊钢制管法兰"), QStringLiteral("平焊环板式松套钢制管法兰"),
                        QStringLiteral("凹凸面对焊环板式松套钢制管法兰"), QStringLiteral("翻边板式松套钢制管法兰"),
                        QStringLiteral("凸面整体铸钢管法兰"), QStringLiteral("凹凸面整体铸钢管法兰"),
                        QStringLiteral("榫槽面整体铸钢管法兰"), QStringLiteral("环连接面整体铸钢管法兰")},
                       true))
    , categoryBox(dropDown(this,
                           {QStringLiteral("钢制管法兰(机械行业部)"), QStringLiteral("钢制管法兰(化学工业部_欧洲体系)"),
                            QStringLiteral("钢制管法兰(化学工业部_美洲体系)"), QStringLiteral("压力容器法兰"),
                            QStringLiteral("法兰盖（机械行业部）"), QStringLiteral("法兰盖（化学工业部）欧洲体系"),
                            QStringLiteral("法兰盖（化学工业部）美洲体系"), QStringLiteral("垫片（机械行业部）"),
                            QStringLiteral("垫片（化学工业部_欧洲体系）"), QStringLiteral("垫片（化学工业部_美洲体系）"),
                            QStringLiteral("压力容器垫片"), QStringLiteral("钢制压力容器用封头"), QStringLiteral("钢板"),
                            QStringLiteral("输送流体用无缝钢管"), QStringLiteral("石油裂化用无缝钢管"),
                            QStringLiteral("输送流体用不锈钢无缝钢管"), QStringLiteral("型钢"),
                            QStringLiteral("钢制管法兰紧固件（化学工业部_欧洲体系）"),
                            QStringLiteral("钢制管法兰紧固件（化学工业部_美洲体系）")},
                           true))
    , specificationEdit(new QLineEdit(this))
    , materialList(dropDown(this, partMaterials(), false))
    , standardBox(dropDown(this, {QStringLiteral("JB/T79.4-94")}, true))
    , unitList(dropDown(this,
                        {QStringLiteral("平方米"), QStringLiteral("千克"), QStringLiteral("件"), QStringLiteral("只"),
                         QStringLiteral("套"), QStringLiteral("台"), QStringLiteral("立方米")},
                        false))
    , quantityEdit(new QLineEdit(this))
    , weightEdit(new QLineEdit(this))
    , natureList(dropDown(this, {QStringLiteral("普通"), QStringLiteral("受压元件"), QStringLiteral("主要受压元件")}, false))
    , documentNumberEdit(new QLineEdit(this))
    , workpieceNumberEdit(new QLineEdit(this))
    , requirementsEdit(new QPlainTextEdit(this))
    , exportButton(new QPushButton(QStringLiteral("导出Word"), this))
{
    requirementsEdit->setFixedHeight(requirementsEdit->fontMetrics().lineSpacing() * 3 + 10);
    requirementsEdit->setTabChangesFocus(true);

    addEntry(0, 0, QStringLiteral("编号:"), numberEdit);
    addEntry(0, 1, QStringLiteral("名称:"), nameBox);
    addEntry(0, 2, QStringLiteral("类别:"), categoryBox);
    addEntry(1, 0, QStringLiteral("规格型号:"), specificationEdit);
    addEntry(1, 1, QStringLiteral("材质:"), materialList);
    addEntry(1, 2, QStringLiteral("标准号:"), standardBox);
    addEntry(2, 0, QStringLiteral("单位:"), unitList);
    addEntry(2, 1, QStringLiteral("数量:"), quantityEdit);
    addEntry(2, 2, QStringLiteral("重量:"), weightEdit);
    addEntry(3, 0, QStringLiteral("性质:"), natureList);
    addEntry(3, 1, QStringLiteral("文件编号:"), documentNumberEdit);
    addEntry(3, 2, QStringLiteral("工件号:"), workpieceNumberEdit);
    addEntry(4, 0, QStringLiteral("技术要求:"), requirementsEdit, 3);

    ListEditController &e = editor();
    e.setColumns({{QStringLiteral("编号"), 60},     {QStringLiteral("名称"), 100},     {QStringLiteral("类别"), 100},
                  {QStringLiteral("规格型号"), 100}, {QStringLiteral("材质"), 100},     {QStringLiteral("标准号"), 100},
                  {QStringLiteral("单位"), 80},      {QStringLiteral("数量"), 80},      {QStringLiteral("重量"), 80},
                  {QStringLiteral("性质"), 100},     {QStringLiteral("文件编号"), 80},  {QStringLiteral("工件号"), 80},
                  {QStringLiteral("技术要求"), 100}});
    e.setMultiSelection(true);
    // Name, category, standard number, document number and workpiece
    // number may stay empty.
    const QStringList m = ProductListMessages::partRequired();
    e.bindColumns({numberEdit, nameBox, categoryBox, specificationEdit, materialList, standardBox, unitList, quantityEdit,
                   weightEdit, natureList, documentNumberEdit, workpieceNumberEdit, requirementsEdit},
                  {m.at(0), QString(), QString(), m.at(1), m.at(2), QString(), m.at(3), m.at(4), m.at(5), m.at(6), QString(),
                   QString(), m.at(7)});
    finishLayout({exportButton});
    connect(exportButton, &QPushButton::clicked, this, &PartsPage::exportWord);
}

void PartsPage::exportWord()
{
    ProductListDocument document(ProductListDocument::partsList(), m_doc.record(), m_doc.company(), m_prompter);
    GeneratedFilesDialog::showResult(document.run(), m_prompter, this);
}

} // namespace zelvan
