#include "gui/pages/NozzlePage.h"

#include "gui/widgets/PageFields.h"
#include "gui/widgets/VesselSketchWidget.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/TextCodec.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

namespace zelvan {

NozzlePage::NozzlePage(CZelvanDoc &doc, Prompter &prompter, QWidget *parent)
    : TablePage(doc, TableId::Nozzles, prompter, parent)
    , numberEdit(new QLineEdit(this))
    , nameEdit(new QLineEdit(this))
    , openingTypeList(new QComboBox(this))
    , nominalDiameterList(new QComboBox(this))
    , locationList(new QComboBox(this))
    , quadrantList(new QComboBox(this))
    , azimuthEdit(PageFields::digitsOnly(new QLineEdit(this)))
    , elevationEdit(new QLineEdit(this))
    , weldNumberEdit(new QLineEdit(this))
    , pipeSizeEdit(new QLineEdit(this))
    , outsideDiameterEdit(new QLineEdit(this))
    , thicknessEdit(new QLineEdit(this))
    , lengthEdit(new QLineEdit(this))
    , reinforcementSizeEdit(new QLineEdit(this))
    , reinforcementNoteEdit(new QLineEdit(this))
{
    openingTypeList->addItems({QStringLiteral("法兰"), QStringLiteral("法兰盖"), QStringLiteral("外螺纹")});
    nominalDiameterList->addItems({"50", "65", "80", "100", "120", "150", "175", "200", "225", "250", "300", "350",
                                   "400", "450", "500", "600"});
    // Each item carries its decoded value, so the rules below never depend
    // on an item's position or its wording.
    for (NozzleLocation location : NozzleLocations::offeredFor(VesselTypes::parse(doc.record().field(Field::VesselType))))
        locationList->addItem(fromGbk(NozzleLocations::text(location)), static_cast<int>(location));
    for (Quadrant quadrant : Quadrants::shellQuadrants())
        quadrantList->addItem(fromGbk(Quadrants::word(quadrant)), static_cast<int>(quadrant));
    for (QComboBox *box : {openingTypeList, nominalDiameterList, locationList, quadrantList})
        box->setCurrentIndex(-1);

    connect(locationList, &QComboBox::currentIndexChanged, this, &NozzlePage::applyLocationRule);
    connect(quadrantList, &QComboBox::currentIndexChanged, this, &NozzlePage::applyQuadrantRule);

    auto *azimuth = new QWidget(this);
    auto *azimuthRow = new QHBoxLayout(azimuth);
    azimuthRow->setContentsMargins(0, 0, 0, 0);
    quadrantList->setMinimumWidth(quadrantList->fontMetrics().horizontalAdvance(QStringLiteral("一轴内")) + 40);
    azimuthRow->addWidget(quadrantList);
    azimuthRow->addWidget(azimuthEdit);
    auto *pipe = new QWidget(this);
    auto *pipeRow = new QHBoxLayout(pipe);
    pipeRow->setContentsMargins(0, 0, 0, 0);
    pipeRow->addWidget(new QLabel(QStringLiteral("φ"), pipe));
    pipeRow->addWidget(outsideDiameterEdit);
    pipeRow->addWidget(new QLabel(QStringLiteral("×"), pipe));
    pipeRow->addWidget(thicknessEdit);
    pipeRow->addWidget(new QLabel(QStringLiteral("/"), pipe));
    pipeRow->addWidget(lengthEdit);

    addEntry(0, 0, QStringLiteral("编号:"), numberEdit);
    addEntry(0, 1, QStringLiteral("名称:"), nameEdit);
    addEntry(0, 2, QStringLiteral("管口型式:"), openingTypeList);
    addEntry(1, 0, QStringLiteral("公称直径:"), nominalDiameterList);
    addEntry(1, 1, QStringLiteral("位置:"), locationList);
    addEntry(1, 2, QStringLiteral("方位坐标:"), azimuth);
    addEntry(2, 0, QStringLiteral("标高:"), elevationEdit);
    addEntry(2, 1, QStringLiteral("焊缝编号:"), weldNumberEdit);
    addEntry(2, 2, QStringLiteral("接管规格:"), pipeSizeEdit);
    addEntry(3, 0, QString(), pipe, 2);
    addEntry(3, 2, QStringLiteral("补强规格:"), reinforcementSizeEdit);
    addEntry(4, 0, QStringLiteral("补强说明:"), reinforcementNoteEdit, 2);
    auto *note = new QLabel(QStringLiteral("注：方位坐标选择中0度为一轴，0度至90度为一轴内，90度为二轴，其余类推，若为封头圆心上则方位坐标和标高均为0"), this);
    note->setWordWrap(true);
    entryGrid()->addWidget(note, 5, 0, 1, 6);

    ListEditController &e = editor();
    e.setColumns({{QStringLiteral("编号"), 60}, {QStringLiteral("接管名称"), 140}, {QStringLiteral("管口型式"), 80},
                  {QStringLiteral("公称直径"), 80}, {QStringLiteral("位置"), 80}, {QStringLiteral("方位坐标"), 80},
                  {QStringLiteral("标高"), 80}, {QStringLiteral("焊缝编号"), 80}, {QStringLiteral("接管规格"), 80},
                  {QStringLiteral("外径"), 80}, {QStringLiteral("厚度"), 80}, {QStringLiteral("长度"), 80},
                  {QStringLiteral("补强规格"), 80}, {QStringLiteral("补强说明"), 80}});
    e.addRequired(numberEdit, QStringLiteral("编号不能为空!"));
    e.addRequired(nameEdit, QStringLiteral("接管名称不能为空！"));
    e.addRequired(openingTypeList, QStringLiteral("管口型式不能为空！"));
    e.addRequired(nominalDiameterList, QStringLiteral("公称直径不能为空！"));
    e.addRequired(locationList, QStringLiteral("位置不能为空！"));
    e.addRequired(azimuthEdit, QStringLiteral("方位坐标不能为空！"));
    e.addRequired(quadrantList, QStringLiteral("方位坐标象限不能为空!"));
    e.addRequired(elevationEdit, QStringLiteral("标高不能为空！"));
    e.addRequired(pipeSizeEdit, QStringLiteral("规格不能为空！"));
    e.addRequired(outsideDiameterEdit, QStringLiteral("外径不能为空！"));
    e.addRequired(thicknessEdit, QStringLiteral("接管厚度不能为空！"));
    e.addRequired(lengthEdit, QStringLiteral("长度不能为空！"));
    e.setExtraCheck([this](const QStringList &) { return entryCheck(); });
    e.setRowComposer([this] { return composeRow(); });
    e.setRowLoader([this](const QStringList &row) { loadRow(row); });
    sketch = new VesselSketchWidget(doc.record(), this);
    connect(&e, &ListEditController::changed, sketch, qOverload<>(&QWidget::update));
    finishLayout({}, sketch);
}

std::optional<NozzleLocation> NozzlePage::selectedLocation() const
{
    if (locationList->currentIndex() < 0)
        return std::nullopt;
    return static_cast<NozzleLocation>(locationList->currentData().toInt());
}

std::optional<Quadrant> NozzlePage::selectedQuadrant() const
{
    if (quadrantList->currentIndex() < 0)
        return std::nullopt;
    return static_cast<Quadrant>(quadrantList->currentData().toInt());
}

// "圆心处" is offered only while a head is chosen.
void NozzlePage::applyLocationRule()
{
    const std::optional<NozzleLocation> location = selectedLocation();
    const int centre = quadrantList->findData(static_cast<int>(Quadrant::Centre));
    if (location && NozzleLocations::isHead(*location)) {
        if (centre < 0)
            quadrantList->addItem(fromGbk(Quadrants::word(Quadrant::Centre)), static_cast<int>(Quadrant::Centre));
    } else if (centre >= 0) {
        // A nozzle moved off the head has no quadrant yet: removing the
        // chosen "圆心处" must not leave another quadrant silently chosen.
        const bool wasChosen = quadrantList->currentIndex() == centre;
        quadrantList->removeItem(centre);
        if (wasChosen)
            quadrantList->setCurrentIndex(-1);
    }
}

void NozzlePage::applyQuadrantRule()
{
    const bool atCentre = selectedQuadrant() == Quadrant::Centre;
    if (atCentre) {
        azimuthEdit->setText(QStringLiteral("0"));
        elevationEdit->setText(QStringLiteral("0"));
    }
    azimuthEdit->setEnabled(!atCentre);
    elevationEdit->setEnabled(!atCentre);
}

QString NozzlePage::entryCheck() const
{
    // The layout computes with both numbers; a text that is no number would
    // place the nozzle at 0 without a word.
    static const QRegularExpression number(QStringLiteral("^\\s*[+-]?(\\d+(\\.\\d*)?|\\.\\d+)\\s*$"));
    if (!number.match(azimuthEdit->text()).hasMatch())
        return QStringLiteral("方位坐标必须为数字！");
    if (!number.match(elevationEdit->text()).hasMatch())
        return QStringLiteral("标高必须为数字！");
    const long long a = leadingInt(toGbk(azimuthEdit->text()));
    const long long e = leadingInt(toGbk(elevationEdit->text()));
    const std::optional<NozzleLocation> location = selectedLocation();
    if (location && NozzleLocations::isHead(*location)) {
        // Both heads are bounded by the first head's inner diameter.
        const long long radius = leadingInt(m_doc.record().field(Field::FirstHeadInnerDiameter)) / 2;
        if (a >= radius || e >= radius)
            return QStringLiteral("封头开孔的范围超过封头的半径！请检查！");
    } else if (location == NozzleLocation::Shell) {
        const Table &courses = m_doc.record().table(TableId::ShellCourses);
        long long height = 0;
        for (int r = 0; r < courses.rowCount(); ++r)
            height += leadingInt(courses.cell(r, ShellCourseColumn::Height));
        if (a >= height || e >= height)
            return QStringLiteral("接管方位坐标或标高超过筒体总高度！请检查！");
        // The layout unrolls the shell with the arcsine of distance over the
        // radius of the first course, which has none beyond the radius.
        const long long radius = courses.rowCount() > 0 ? leadingInt(courses.cell(0, ShellCourseColumn::Diameter)) / 2 : 0;
        if (a > radius)
            return QStringLiteral("方位坐标不能大于筒体半径！");
    }
    return QString();
}

QStringList NozzlePage::composeRow() const
{
    using LE = ListEditController;
    return {numberEdit->text(), nameEdit->text(), LE::controlText(openingTypeList), LE::controlText(nominalDiameterList),
            LE::controlText(locationList), LE::controlText(quadrantList) + azimuthEdit->text(), elevationEdit->text(),
            weldNumberEdit->text(), pipeSizeEdit->text(), outsideDiameterEdit->text(), thicknessEdit->text(),
            lengthEdit->text(), reinforcementSizeEdit->text(), reinforcementNoteEdit->text()};
}

void NozzlePage::loadRow(const QStringList &row)
{
    using LE = ListEditController;
    numberEdit->setText(row.value(0));
    nameEdit->setText(row.value(1));
    LE::selectExactly(openingTypeList, row.value(2));
    LE::selectExactly(nominalDiameterList, row.value(3));
    LE::selectExactly(locationList, row.value(4));
    applyLocationRule();
    const auto [quadrant, distance] = Quadrants::split(toGbk(row.value(5)));
    LE::selectExactly(quadrantList, fromGbk(quadrant));
    azimuthEdit->setText(fromGbk(distance));
    elevationEdit->setText(row.value(6));
    weldNumberEdit->setText(row.value(7));
    pipeSizeEdit->setText(row.value(8));
    outsideDiameterEdit->setText(row.value(9));
    thicknessEdit->setText(row.value(10));
    lengthEdit->setText(row.value(11));
    reinforcementSizeEdit->setText(row.value(12));
    reinforcementNoteEdit->setText(row.value(13));
}

} // namespace zelvan
