#include "gui/pages/ProjectInfoPage.h"

#include "gui/widgets/PageFields.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/TextCodec.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zelvan {

ProjectInfoPage::ProjectInfoPage(CZelvanDoc &doc, QWidget *parent)
    : QWidget(parent)
    , m_name(new QLineEdit(this))
    , m_manager(new QLineEdit(this))
{
    auto *number = new QLineEdit(this);
    auto *owner = new QLineEdit(this);
    auto *created = new QLineEdit(fromGbk(doc.record().field(Field::CreationTime)), this);
    created->setReadOnly(true);
    auto *saveDirectory = new QLineEdit(fromGbk(doc.record().field(Field::SaveDirectory)), this);
    auto *projectId = new QLineEdit(this);

    PageFields::bindEdit(doc, m_name, PageFields::field(doc, Field::ProjectName));
    PageFields::bindEdit(doc, number, PageFields::field(doc, Field::ProjectNumber));
    PageFields::bindEdit(doc, m_manager, PageFields::field(doc, Field::ProjectManager));
    PageFields::bindEdit(doc, owner, PageFields::field(doc, Field::ProjectOwner));

    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    form->addRow(QStringLiteral("项目名称:"), m_name);
    form->addRow(QStringLiteral("项目编号:"), number);
    form->addRow(QStringLiteral("项目经理:"), m_manager);
    form->addRow(QStringLiteral("项目业主:"), owner);
    form->addRow(QStringLiteral("创建日期:"), created);
    // Kept for files of earlier versions; never shown.
    form->addRow(QStringLiteral("保存目录:"), saveDirectory);
    form->addRow(QStringLiteral("项目ID:"), projectId);
    form->setRowVisible(saveDirectory, false);
    form->setRowVisible(projectId, false);

    auto *frame = new QWidget(this);
    frame->setLayout(form);
    frame->setMaximumWidth(560);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addStretch(1);
}

} // namespace zelvan
