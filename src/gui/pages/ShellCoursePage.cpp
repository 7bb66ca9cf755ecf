#include "gui/pages/ShellCoursePage.h"

#include "gui/widgets/PageFields.h"
#include "gui/widgets/VesselSketchWidget.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/Catalogues.h"

#include <QComboBox>
#include <QLineEdit>

namespace zelvan {

ShellCoursePage::ShellCoursePage(CZelvanDoc &doc, Prompter &prompter, QWidget *parent)
    : TablePage(doc, TableId::ShellCourses, prompter, parent)
    , numberEdit(new QLineEdit(this))
    , typeList(new QComboBox(this))
    , heightEdit(PageFields::digitsOnly(new QLineEdit(this)))
    , thicknessEdit(PageFields::digitsOnly(new QLineEdit(this)))
    , diameterEdit(PageFields::digitsOnly(new QLineEdit(this)))
    , materialList(new QComboBox(this))
{
    typeList->addItems(Catalogues::shellCourseTypes());
    materialList->addItems(Catalogues::materials());
    materialList->setCurrentIndex(-1);
    // The type last chosen is remembered in the record (field 63).
    PageFields::bindComboIndex(doc, typeList, PageFields::field(doc, Field::ShellCourseTypeSelection));

    addEntry(0, 0, QStringLiteral("编号:"), numberEdit);
    addEntry(0, 1, QStringLiteral("筒节类型:"), typeList);
    addEntry(0, 2, QStringLiteral("筒节高度:"), heightEdit);
    addEntry(1, 0, QStringLiteral("筒节厚度:"), thicknessEdit);
    addEntry(1, 1, QStringLiteral("筒节直径:"), diameterEdit);
    addEntry(1, 2, QStringLiteral("筒节材质:"), materialList);

    ListEditController &e = editor();
    e.setColumns({{QStringLiteral("编号"), 60}, {QStringLiteral("筒节类型"), 100}, {QStringLiteral("筒节高度"), 100},
                  {QStringLiteral("筒节厚度"), 100}, {QStringLiteral("筒节直径"), 100}, {QStringLiteral("筒节材质"), 100}});
    const QList<QWidget *> controls = {numberEdit, typeList, heightEdit, thicknessEdit, diameterEdit, materialList};
    const QStringList messages = {QStringLiteral("编号不能为空！"), QStringLiteral("筒节类型不能为空！"),
                                  QStringLiteral("筒节高度不能为空！"), QStringLiteral("筒节厚度不能为空！"),
                                  QStringLiteral("筒节直径不能为空！"), QStringLiteral("筒节材质不能为空！")};
    e.bindColumns(controls, messages);
    sketch = new VesselSketchWidget(doc.record(), this);
    connect(&e, &ListEditController::changed, sketch, qOverload<>(&QWidget::update));
    finishLayout({}, sketch);
}

} // namespace zelvan
