#include "gui/dialogs/QualificationLibraryDialog.h"

#include "gui/widgets/ListEditController.h"
#include "gui/widgets/PageFields.h"
#include "gui/widgets/Icons.h"
#include "core/project/Catalogues.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zelvan {

namespace {
QComboBox *dropList(QWidget *parent, const QStringList &items, bool editable = false)
{
    auto *box = new QComboBox(parent);
    box->addItems(items);
    box->setEditable(editable);
    box->setCurrentIndex(-1);
    return box;
}

void addLabelled(QGridLayout *grid, int row, int column, const QString &label, QWidget *control)
{
    grid->addWidget(new QLabel(label), row, column * 2, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(control, row, column * 2 + 1);
}
} // namespace

QualificationLibraryDialog::QualificationLibraryDialog(CZelvanDoc &doc, Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , numberEdit(new QLineEdit(this))
    , dateEdit(new QDateEdit(QDate::currentDate(), this))
    , materialAList(dropList(this, Catalogues::materials()))
    , sizeAEdit(new QLineEdit(this))
    , materialBList(dropList(this, Catalogues::materials()))
    , sizeBEdit(new QLineEdit(this))
    , plateButtList(dropList(this, {QStringLiteral("平焊"), QStringLiteral("横焊"), QStringLiteral("立焊"), QStringLiteral("仰焊")}))
    , pipeButtList(dropList(this, {QStringLiteral("水平转动"), QStringLiteral("垂直固定")}))
    , horizontalFixedList(dropList(this, {QStringLiteral("向上焊"), QStringLiteral("向下焊")}))
    , fixed45List(dropList(this, {QStringLiteral("向上焊"), QStringLiteral("向下焊")}))
    , tubePlateList(dropList(this, {QStringLiteral("水平转动"), QStringLiteral("垂直固定平焊"), QStringLiteral("垂直固定仰焊"),
                                    QStringLiteral("水平固定"), QStringLiteral("45度固定")}))
    , methodList(dropList(this, {QStringLiteral("平焊"), QStringLiteral("横焊"), QStringLiteral("仰焊"), QStringLiteral("角焊"),
                                 QStringLiteral("立焊"), QStringLiteral("向下焊"), QStringLiteral("向上焊"), QStringLiteral("全位置焊")}))
    , sizeCombo(dropList(this, {QStringLiteral("平焊"), QStringLiteral("横焊")}, true))
    , scopeCombo(dropList(this, {QStringLiteral("所有")}, true))
    , polarityCombo(dropList(this, {QStringLiteral("直流正接"), QStringLiteral("直流反接"), QStringLiteral("逆变")}, true))
    , preHeatEdit(new QLineEdit(this))
    , postHeatEdit(new QLineEdit(this))
    , m_editor(new ListEditController(doc, TableId::Qualifications, prompter, this))
{
    setWindowTitle(QStringLiteral("焊接工艺评定库"));
    setWindowIcon(Icons::appIcon());
    dateEdit->setCalendarPopup(true);
    dateEdit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    for (QComboBox *combo : {sizeCombo, scopeCombo, polarityCombo})
        combo->setEditText(QString());

    auto *top = new QGridLayout;
    addLabelled(top, 0, 0, QStringLiteral("评定号:"), numberEdit);
    addLabelled(top, 0, 1, QStringLiteral("日期:"), dateEdit);
    addLabelled(top, 0, 2, QStringLiteral("焊接方法:"), methodList);

    auto *partA = new QGroupBox(QStringLiteral("件A"), this);
    auto *gridA = new QGridLayout(partA);
    addLabelled(gridA, 0, 0, QStringLiteral("材质:"), materialAList);
    addLabelled(gridA, 1, 0, QStringLiteral("规格:"), sizeAEdit);
    auto *partB = new QGroupBox(QStringLiteral("件B"), this);
    auto *gridB = new QGridLayout(partB);
    addLabelled(gridB, 0, 0, QStringLiteral("材质:"), materialBList);
    addLabelled(gridB, 1, 0, QStringLiteral("规格:"), sizeBEdit);

    auto *positions = new QGroupBox(QStringLiteral("焊接位置"), this);
    auto *gridP = new QGridLayout(positions);
    addLabelled(gridP, 0, 0, QStringLiteral("板材对接焊缝:"), plateButtList);
    addLabelled(gridP, 0, 1, QStringLiteral("管材对接焊缝:"), pipeButtList);
    addLabelled(gridP, 0, 2, QStringLiteral("管板角接头:"), tubePlateList);
    addLabelled(gridP, 1, 0, QStringLiteral("水平固定:"), horizontalFixedList);
    addLabelled(gridP, 1, 1, QStringLiteral("45度固定:"), fixed45List);

    auto *other = new QGridLayout;
    addLabelled(other, 0, 0, QStringLiteral("焊接规格:"), sizeCombo);
    addLabelled(other, 0, 1, QStringLiteral("适用范围:"), scopeCombo);
    addLabelled(other, 0, 2, QStringLiteral("电源极性:"), polarityCombo);
    auto *heat = new QHBoxLayout;
    heat->addWidget(new QLabel(QStringLiteral("热处理:"), this));
    heat->addWidget(new QLabel(QStringLiteral("焊前:"), this));
    heat->addWidget(preHeatEdit);
    heat->addWidget(new QLabel(QStringLiteral("焊后:"), this));
    heat->addWidget(postHeatEdit);
    heat->addStretch(1);

    auto *parts = new QHBoxLayout;
    parts->addWidget(partA);
    parts->addWidget(partB);
    parts->addStretch(1);

    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    m_editor->addButton()->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_editor->addButton());
    buttons->addWidget(m_editor->deleteButton());
    buttons->addWidget(m_editor->saveButton());
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(parts);
    layout->addWidget(positions);
    layout->addLayout(other);
    layout->addLayout(heat);
    layout->addLayout(buttons);
    layout->addWidget(m_editor->list(), 1);

    const QList<QWidget *> columns = {numberEdit, dateEdit, materialAList, sizeAEdit, materialBList, sizeBEdit,
                                      plateButtList, pipeButtList, horizontalFixedList, fixed45List, tubePlateList,
                                      methodList, sizeCombo, scopeCombo, polarityCombo, preHeatEdit, postHeatEdit};
    const QStringList headers = {"评定号", "日期", "材质A", "规格A", "材质B", "规格B", "板材对接焊缝", "管材对接焊缝",
                                 "水平固定", "45度固定", "管板角接头", "焊接方法", "焊接规格", "适用范围", "电源极性",
                                 "焊前热处理", "焊后热处理"};
    QList<ListEditController::Column> listColumns;
    for (int c = 0; c < headers.size(); ++c)
        listColumns.append({headers.at(c), c == 0 ? 60 : 100});
    m_editor->setColumns(listColumns);
    for (int c = 0; c < columns.size(); ++c)
        m_editor->bindColumn(c, columns.at(c));
    // Checked in this order; the date cannot be empty and the three
    // editable combos may be.
    const QList<QPair<QWidget *, const char16_t *>> required = {
        {numberEdit, u"评定号不能为空！"}, {materialAList, u"材质A不能为空！"}, {sizeAEdit, u"规格A不能为空！"},
        {materialBList, u"材质B不能为空！"}, {sizeBEdit, u"规格B不能为空！"}, {plateButtList, u"板材对接焊缝不能为空！"},
        {pipeButtList, u"管材对接焊缝不能为空！"}, {horizontalFixedList, u"水平固定不能为空！"},
        {fixed45List, u"45度固定不能为空！"}, {tubePlateList, u"管板角接头不能为空！"}, {methodList, u"焊接方法不能为空！"},
        {preHeatEdit, u"焊前热处理不能为空！"}, {postHeatEdit, u"焊后热处理不能为空！"}};
    for (const auto &r : required)
        m_editor->addRequired(r.first, QString::fromUtf16(r.second));
    m_editor->setModifyWithoutSelectionMessage(QStringLiteral("所选记录为空,无法修改！"));
    m_editor->loadFromRecord();
    resize(1100, 680);
    // Everything typed here ends up in the project file.
    PageFields::refuseNonGbkIn(this);
}

} // namespace zelvan
