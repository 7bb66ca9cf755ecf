#include "gui/pages/PlatePage.h"

#include "gui/widgets/PageFields.h"
#include "core/project/Catalogues.h"

#include <QComboBox>
#include <QLineEdit>

namespace zelvan {

PlatePage::PlatePage(CZelvanDoc &doc, Prompter &prompter, QWidget *parent)
    : TablePage(doc, TableId::Plates, prompter, parent)
    , numberEdit(new QLineEdit(this))
    , materialList(new QComboBox(this))
    , heatNumberEdit(new QLineEdit(this))
    , lengthEdit(PageFields::digitsOnly(new QLineEdit(this)))
    , widthEdit(PageFields::digitsOnly(new QLineEdit(this)))
    , thicknessEdit(PageFields::digitsOnly(new QLineEdit(this)))
    , quantityEdit(PageFields::digitsOnly(new QLineEdit(this)))
{
    materialList->addItems(Catalogues::materials());
    materialList->setCurrentIndex(-1);
    addEntry(0, 0, QStringLiteral("编号:"), numberEdit);
    addEntry(0, 1, QStringLiteral("材质:"), materialList);
    addEntry(0, 2, QStringLiteral("炉批号:"), heatNumberEdit);
    addEntry(1, 0, QStringLiteral("板材长度:"), lengthEdit);
    addEntry(1, 1, QStringLiteral("板材宽度:"), widthEdit);
    addEntry(1, 2, QStringLiteral("板材厚度:"), thicknessEdit);
    addEntry(2, 0, QStringLiteral("数量:"), quantityEdit);

    ListEditController &e = editor();
    e.setColumns({{QStringLiteral("编号"), 80}, {QStringLiteral("材质"), 160}, {QStringLiteral("炉批号"), 100},
                  {QStringLiteral("板材长度"), 100}, {QStringLiteral("板材宽度"), 100}, {QStringLiteral("板材厚度"), 100},
                  {QStringLiteral("数量"), 100}});
    const QList<QWidget *> controls = {numberEdit, materialList, heatNumberEdit, lengthEdit, widthEdit, thicknessEdit, quantityEdit};
    const QStringList messages = {QStringLiteral("编号不能为空！"), QStringLiteral("材质不能为空！"),
                                  QStringLiteral("炉批号不能为空！"), QStringLiteral("板材长度不能为空！"),
                                  QStringLiteral("板材宽度不能为空！"), QStringLiteral("板材厚度不能为空！"),
                                  QStringLiteral("数量不能为空！")};
    e.bindColumns(controls, messages);
    finishLayout();
}

} // namespace zelvan
