#include "gui/pages/HeadPage.h"

#include "gui/widgets/PageFields.h"
#include "gui/widgets/Icons.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/Catalogues.h"
#include "core/project/Prompter.h"
#include "core/project/TextCodec.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zelvan {

namespace {
const char16_t *const kPictureErrors[] = {u"显示椭圆封头图片错误！", u"显示锥形封头图片错误！", u"显示法兰封头图片错误！",
                                          u"显示平盖封头图片错误！"};
} // namespace

QString HeadPage::pictureName(int typeIndex)
{
    static const char *const names[] = {"head-ellipsoidal", "head-conical", "head-flanged", "head-flat"};
    return typeIndex >= 0 && typeIndex < 4 ? QString::fromLatin1(names[typeIndex]) : QString();
}

HeadPage::HeadPage(CZelvanDoc &doc, Prompter &prompter, QWidget *parent)
    : QWidget(parent)
    , firstTypeList(new QComboBox(this))
    , firstMaterialList(new QComboBox(this))
    , firstDiameterEdit(PageFields::digitsOnly(new QLineEdit(this)))
    , firstThicknessEdit(PageFields::digitsOnly(new QLineEdit(this)))
    , secondTypeList(new QComboBox(this))
    , secondMaterialList(new QComboBox(this))
    , secondDiameterEdit(PageFields::digitsOnly(new QLineEdit(this)))
    , secondThicknessEdit(PageFields::digitsOnly(new QLineEdit(this)))
    , secondGroup(new QGroupBox(QStringLiteral("下封头参数"), this))
    , firstPicture(new QLabel(this))
    , secondPicture(new QLabel(this))
    , m_prompter(prompter)
{
    for (QComboBox *box : {firstTypeList, secondTypeList})
        box->addItems(Catalogues::headTypes());
    for (QComboBox *box : {firstMaterialList, secondMaterialList})
        box->addItems(Catalogues::materials());
    for (QLabel *picture : {firstPicture, secondPicture}) {
        picture->setFixedSize(260, 200);
        picture->setAlignment(Qt::AlignCenter);
        picture->setFrameShape(QFrame::StyledPanel);
        picture->setStyleSheet(QStringLiteral("background: white;"));
    }

    PageFields::bindComboText(doc, firstTypeList, PageFields::field(doc, Field::FirstHeadType));
    PageFields::bindComboText(doc, firstMaterialList, PageFields::field(doc, Field::FirstHeadMaterial));
    PageFields::bindEdit(doc, firstDiameterEdit, PageFields::field(doc, Field::FirstHeadInnerDiameter));
    PageFields::bindEdit(doc, firstThicknessEdit, PageFields::field(doc, Field::FirstHeadWallThickness));
    PageFields::bindComboIndex(doc, secondTypeList, PageFields::field(doc, Field::SecondHeadType));
    PageFields::bindComboIndex(doc, secondMaterialList, PageFields::field(doc, Field::SecondHeadMaterial));
    PageFields::bindEdit(doc, secondDiameterEdit, PageFields::field(doc, Field::SecondHeadInnerDiameter));
    PageFields::bindEdit(doc, secondThicknessEdit, PageFields::field(doc, Field::SecondHeadWallThickness));

    // The picture follows the chosen type; a selection not in the list
    // (a stored text of another program version) shows none.
    if (firstTypeList->currentIndex() >= 0)
        showPicture(firstPicture, firstTypeList->currentIndex());
    if (secondTypeList->currentIndex() >= 0)
        showPicture(secondPicture, secondTypeList->currentIndex());
    connect(firstTypeList, &QComboBox::activated, this, [this](int index) { showPicture(firstPicture, index); });
    connect(secondTypeList, &QComboBox::activated, this, [this](int index) { showPicture(secondPicture, index); });

    auto *firstGroup = new QGroupBox(QStringLiteral("封头参数"), this);
    auto *firstForm = new QFormLayout(firstGroup);
    firstForm->addRow(QStringLiteral("封头类型:"), firstTypeList);
    firstForm->addRow(QStringLiteral("封头材质:"), firstMaterialList);
    firstForm->addRow(QStringLiteral("封头内径:"), firstDiameterEdit);
    firstForm->addRow(QStringLiteral("封头壁厚:"), firstThicknessEdit);
    auto *secondForm = new QFormLayout(secondGroup);
    secondForm->addRow(QStringLiteral("封头类型:"), secondTypeList);
    secondForm->addRow(QStringLiteral("封头材质:"), secondMaterialList);
    secondForm->addRow(QStringLiteral("封头内径:"), secondDiameterEdit);
    secondForm->addRow(QStringLiteral("封头壁厚:"), secondThicknessEdit);
    secondGroup->hide();
    secondPicture->hide();

    auto *row = new QHBoxLayout;
    row->addWidget(firstGroup);
    row->addWidget(firstPicture, 0, Qt::AlignTop);
    row->addWidget(secondGroup);
    row->addWidget(secondPicture, 0, Qt::AlignTop);
    row->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addStretch(1);
}

bool HeadPage::showPicture(QLabel *label, int typeIndex)
{
    const QPixmap picture = Icons::pixmap(pictureName(typeIndex));
    if (picture.isNull()) {
        label->clear();
        if (typeIndex >= 0 && typeIndex < 4)
            m_prompter.message(Prompter::titleInformation(), QString::fromUtf16(kPictureErrors[typeIndex]), Prompter::Icon::None);
        return false;
    }
    label->setPixmap(picture.scaled(label->size() - QSize(8, 8), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return true;
}

} // namespace zelvan
