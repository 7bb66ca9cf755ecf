#include "gui/widgets/GeneratedFilesDialog.h"

#include "core/project/Prompter.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace zelvan {

GeneratedFilesDialog::GeneratedFilesDialog(const GeneratedFiles &files, Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_files(files)
    , m_list(new QTreeWidget(this))
    , m_opener([](const QString &path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); })
{
    setWindowTitle(QStringLiteral("打开生成的文件"));
    m_list->setColumnCount(3);
    m_list->setHeaderLabels({QStringLiteral("序号"), QStringLiteral("文件名"), QStringLiteral("所在目录")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Grid lines; a style sheet on the items replaces their whole look, so
    // the selected row names its colours too or its text would vanish.
    m_list->setStyleSheet(QStringLiteral(
        "QTreeWidget::item { border-right: 1px solid #d0d0d0; border-bottom: 1px solid #d0d0d0; }"
        "QTreeWidget::item:selected { background: palette(highlight); color: palette(highlighted-text); }"));
    m_list->setColumnWidth(0, 50);
    m_list->setColumnWidth(1, 300);
    m_list->setColumnWidth(2, 300);
    int number = 1;
    for (const GeneratedFiles::Entry &entry : m_files.entries)
        new QTreeWidgetItem(m_list, {QString::number(number++), entry.fileName, entry.directory});

    auto *open = new QPushButton(QStringLiteral("打开"), this);
    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    open->setDefault(true);
    connect(open, &QPushButton::clicked, this, &GeneratedFilesDialog::openSelected);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &GeneratedFilesDialog::openSelected);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(open);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(700, 300);
}

void GeneratedFilesDialog::openSelected()
{
    if (m_list->topLevelItemCount() == 0) {
        m_prompter.message(Prompter::titleInformation(), QStringLiteral("文件列表为空，无法打开文件！"), Prompter::Icon::None);
        return;
    }
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    if (selected.isEmpty()) {
        m_prompter.message(Prompter::titleInformation(), QStringLiteral("请选择想要打开的文件！"), Prompter::Icon::None);
        return;
    }
    const int row = m_list->indexOfTopLevelItem(selected.constFirst());
    const QString path = m_files.entries.at(row).path();
    // A file deleted or moved since the export cannot be opened; the desktop
    // would not always say so.
    if (!QFileInfo(path).isFile() || !m_opener(path))
        m_prompter.message(Prompter::titleInformation(),
                           QStringLiteral("文件创建成功，但无法直接打开文件！可能原因：1.没有建立正确的文件关联；2.没有安装相应的程序\n若已安装相应的应用程序，请在该程序中打开该文件！"),
                           Prompter::Icon::None);
}

void GeneratedFilesDialog::showResult(const ExportResult &result, Prompter &prompter, QWidget *parent)
{
    if (result.files.isEmpty())
        return;
    GeneratedFilesDialog dialog(result.files, prompter, parent);
    dialog.exec();
}

} // namespace zelvan
