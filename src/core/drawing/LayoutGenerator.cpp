#include "core/drawing/LayoutGenerator.h"

#include "core/drawing/DxfWriter.h"
#include "core/drawing/LayoutGeometry.h"
#include "core/drawing/LayoutMessages.h"
#include "core/export/ExportFlow.h"

#include "core/project/OutputPath.h"
#include "core/project/Prompter.h"
#include "core/project/TextCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstring>
#include <functional>

namespace zelvan {

namespace {

constexpr double kTextHeight = 15.0;
constexpr double kSmallTextHeight = 13.0;

// Record strings are NUL-terminated inside their fixed fields.
void setText(char *field, size_t size, const char *text)
{
    std::memset(field, 0, size);
    std::strncpy(field, text, size - 1);
}

DxfLinetypeRecord continuousLinetype()
{
    DxfLinetypeRecord r{};
    setText(r.name, sizeof r.name, "Continuous");
    setText(r.description, sizeof r.description, "Solid line");
    return r;
}

DxfTextStyleRecord textStyle(const char *name, int flags, double lastHeight, double angle)
{
    DxfTextStyleRecord r{};
    setText(r.name, sizeof r.name, name);
    setText(r.fontFile, sizeof r.fontFile, "TIMES.TTF");
    r.standardFlags = flags;
    r.fixedHeight = 0.0;
    r.widthFactor = 1.0;
    r.lastHeight = lastHeight;
    r.textAngle = angle;
    return r;
}

DxfDimStyleRecord dimensionStyle()
{
    DxfDimStyleRecord r{};
    setText(r.name, sizeof r.name, "DIM1");
    r.dimLineColor = 2;
    r.extLineColor = 2;
    r.extLineExtension = 0.18;
    r.extLineOffset = 0.0625;
    setText(r.arrowBlock1, sizeof r.arrowBlock1, "ClosedFilled");
    setText(r.arrowBlock2, sizeof r.arrowBlock2, "ClosedFilled");
    r.arrowSize = 4.0;
    setText(r.textStyle, sizeof r.textStyle, "Style1");
    r.textColor = 3;
    r.textHeight = 15.0;
    r.textAbove = 1;
    r.textGap = 0.09;
    return r;
}

// Collects the results of every library call: a failure never stops the run,
// it only turns the final report into the error message.
class Emitter {
public:
    explicit Emitter(DxfOutput &out) : m_out(out) {}

    DxfOutput &out() { return m_out; }
    void operator&=(int result) { m_ok &= result; }
    int ok() const { return m_ok; }

    void line(const LayoutLine &l) { m_ok &= m_out.line(l.x1, l.y1, l.x2, l.y2); }
    void text(const LayoutText &t) { m_ok &= m_out.text(t.text, t.x, t.y, t.height); }
    void text(const std::string &s, double x, double y, double height = kTextHeight)
    {
        m_ok &= m_out.text(s, x, y, height);
    }
    // A text that must end at `right`: narrowed with a width factor when its
    // estimated width is larger than the space.
    void textWithin(const std::string &s, double x, double y, double right, double height = kTextHeight)
    {
        const double width = LayoutGeometry::estimatedTextWidth(s, height);
        if (width > right - x && right > x)
            m_ok &= m_out.narrowText(s, x, y, height, (right - x) / width);
        else
            m_ok &= m_out.text(s, x, y, height);
    }
    void dimension(const LayoutDimension &d)
    {
        m_ok &= m_out.dimLinear(d.x1, d.y1, d.x2, d.y2, d.xd, d.yd, d.angle, d.text);
    }

private:
    DxfOutput &m_out;
    int m_ok = 1;
};

void writeTables(Emitter &e)
{
    DxfOutput &out = e.out();
    e &= out.sectionBegin(DXF_SECTION_HEADER);
    e &= out.sectionEnd();
    e &= out.sectionBegin(DXF_SECTION_TABLES);
    e &= out.tableTypeBegin(DXF_TABLE_LTYPE);
    e &= out.addLinetype(continuousLinetype());
    e &= out.tableTypeEnd();
    e &= out.tableTypeBegin(DXF_TABLE_LAYER);
    // Layer4 is declared like the others; nothing is drawn on it.
    for (int i = 1; i <= 4; ++i)
        e &= out.addLayer("Layer" + std::to_string(i), i, "Continuous");
    e &= out.tableTypeEnd();
    e &= out.tableTypeBegin(DXF_TABLE_STYLE);
    e &= out.addTextStyle(textStyle("Style1", 0, 0.3, 0.0));
    e &= out.addTextStyle(textStyle("VStyle", DXF_STYLE_VERTICAL, 15.0, 90.0));
    e &= out.tableTypeEnd();
    e &= out.tableTypeBegin(DXF_TABLE_DIMSTYLE);
    e &= out.addDimStyle(dimensionStyle());
    e &= out.tableTypeEnd();
    e &= out.sectionEnd();
    e &= out.sectionBegin(DXF_SECTION_ENTITIES);
}

void writeNotesAndTitleBlock(Emitter &e, const LayoutInputs &in, const CompanyInfo &company, bool vertical)
{
    const std::vector<std::string> notes = LayoutGenerator::noteLines(in);
    const double noteX = vertical ? 705 : 1105;
    const double noteY0 = vertical ? -245 : 125;
    e.text(gbk("说明"), vertical ? 765 : 1165, vertical ? -220 : 155);
    // The lines are broken to fill the 300 between their column and the
    // frame; one with Latin letters or a long pressure may print wider.
    const double frameRight = vertical ? 1005 : 1405;
    for (size_t i = 0; i < notes.size(); ++i)
        e.textWithin(notes[i], noteX, noteY0 - 30.0 * static_cast<double>(i), frameRight);

    const double bandLow = vertical ? 1535 : 935, bandHigh = vertical ? 1605 : 1005;
    const double U = vertical ? 1580 : 980, V = vertical ? 1545 : 945;
    static const double verticalSeparators[] = {25, 115, 215, 405, 495, 585, 635, 755, 795, 875, 915};
    static const double horizontalSeparators[] = {-375, -285, -185, 105, 195, 285, 335, 455, 515, 595, 655};
    for (double x : vertical ? verticalSeparators : horizontalSeparators)
        e.line({x, bandLow, x, bandHigh});
    if (vertical)
        e.line({115, 1570, 1005, 1570});
    else
        e.line({-285, 970, 1405, 970});

    // Columns: label/value pairs on the two rows.
    struct Column { double vx, hx; std::string upper, lower; double lowerHeight; };
    const Column columns[] = {
        {25, -375, gbk("容器主体"), gbk("排 版 图"), kTextHeight},
        {125, -275, gbk("工程名称"), gbk("产品名称"), kTextHeight},
        {225, -175, in.projectName, in.vesselName, kTextHeight},
        {405, 105, gbk("图    号"), gbk("产品编号"), kTextHeight},
        {505, 205, in.drawingNumber, in.productNumber, kTextHeight},
        {585, 285, gbk("材质"), gbk("规格"), kTextHeight},
        {635, 335, in.material, in.specification, kSmallTextHeight},
        {755, 455, gbk("编制"), gbk("审核"), kTextHeight},
        {875, 605, gbk("日期"), gbk("日期"), kTextHeight},
    };
    // Each text must end inside its cell: before the next separator to its
    // right, or the frame's edge.
    auto cellRight = [&](double x) {
        for (double s : vertical ? verticalSeparators : horizontalSeparators)
            if (s > x)
                return s;
        return frameRight;
    };
    const double companyX = vertical ? -195 : -595;
    const auto [firstRow, secondRow] = LayoutGenerator::splitCompanyName(company.name);
    e.textWithin(firstRow, companyX, U, cellRight(companyX));
    if (company.name.size() >= 11)
        e.textWithin(secondRow, companyX, V, cellRight(companyX));
    for (const Column &c : columns) {
        const double x = vertical ? c.vx : c.hx;
        e.textWithin(c.upper, x, U, cellRight(x));
        e.textWithin(c.lower, x, V, cellRight(x), c.lowerHeight);
    }
    const double dateX = vertical ? 915 : 665;
    e.textWithin(in.preparedDate, dateX, vertical ? 1575 : 975, cellRight(dateX), kSmallTextHeight);
    e.textWithin(in.reviewDate, dateX, vertical ? 1545 : 945, cellRight(dateX), kSmallTextHeight);
}

} // namespace

std::pair<std::string, std::string> LayoutGenerator::splitCompanyName(const std::string &name)
{
    if (name.size() < 11)
        return {name, std::string()};
    size_t cut = std::min<size_t>(20, name.size());
    // Walk the GBK characters: a lead byte (0x81..0xFE) and its trail byte
    // belong together, so a cut between them moves one byte left.
    size_t i = 0;
    while (i < cut) {
        const unsigned char b = static_cast<unsigned char>(name[i]);
        const size_t width = (b >= 0x81 && b <= 0xFE && i + 1 < name.size()) ? 2 : 1;
        if (i + width > cut)
            break;
        i += width;
    }
    cut = i;
    return {name.substr(0, cut), name.substr(cut)};
}

std::vector<std::string> LayoutGenerator::noteLines(const LayoutInputs &in)
{
    return {
        gbk("本排版图以") + in.drawingNumber + gbk("中俯"),
        gbk("视图上侧为0°，逆时针展开，"),
        gbk("开孔方位和尺寸与该图保持一"),
        gbk("致，标记移植见图示。") + in.mainWeldNdtMethod + gbk("探伤"),
        in.mainWeldNdtRatio + gbk("，") + in.mainWeldAcceptance
            + gbk(in.vesselType == VesselType::Vertical ? "合格，试压(立置)" : "合格，试压(卧置)"),
        in.testPressure + gbk("MPa。"),
    };
}

namespace {

// The checks of the drawing in their order; `fileCheck` (the export's own
// checks of where the file goes) runs after the plate and course counts.
std::optional<ExportRefusal> drawingRefusal(const LayoutInputs &in,
                                            const std::function<std::optional<ExportRefusal>()> &fileCheck)
{
    if (in.plates.empty())
        return ExportRefusal::error(LayoutMessages::noPlates(), Prompter::Icon::Question);
    if (in.courses.empty())
        return ExportRefusal::error(LayoutMessages::noCourses(), Prompter::Icon::Question);
    if (fileCheck)
        if (auto refusal = fileCheck())
            return refusal;
    // Courses whose heights add up to 0 or less (a negative height can only
    // come from an edited file) give no scale for the development.
    if (LayoutGeometry::totalLength(in) <= 0)
        return ExportRefusal::error(LayoutMessages::zeroTotalHeight());
    // A vessel type that is neither vertical nor horizontal is refused before
    // the file is created: a drawing holding only its tables would replace the
    // last good drawing of that name.
    if (!in.vesselType)
        return ExportRefusal::error(LayoutMessages::wrongVesselType(), Prompter::Icon::Question);
    return std::nullopt;
}

// The one drawing sequence, from creating the file to closing it, for every
// target (the DXF library, the preview, the PDF and PNG pictures). Returns the
// combined result of every call; the marks of nozzles at stand-in places are
// added to `standIns`.
int drawLayout(DxfOutput &output, const LayoutInputs &in, const CompanyInfo &company, const QString &path,
               QStringList &standIns)
{
    const VesselType orientation = *in.vesselType;
    Emitter e(output);
    const QByteArray nativePath = QFile::encodeName(path);
    e &= output.createFile(std::string(nativePath.constData(), static_cast<size_t>(nativePath.size())));
    writeTables(e);
    const bool vertical = orientation == VesselType::Vertical;
    const LayoutGeometry geometry(in, orientation);

    // Outline, angle labels and head views come before any current layer or
    // text style is set: they use the library's initial ones.
    for (const LayoutLine &l : geometry.outline())
        e.line(l);
    for (const LayoutText &t : geometry.angleLabels())
        e.text(t);
    for (const LayoutHeadView &view : geometry.headViews()) {
        // Without a head diameter there is no circle to draw: the library
        // refuses a radius of 0.
        if (view.radius > 0)
            e &= output.circle(view.cx, view.cy, view.radius);
        e.line(view.horizontalCentreLine);
        e.line(view.verticalCentreLine);
        for (const LayoutText &t : view.labels)
            e.text(t);
    }

    e &= output.setCurrentLayer("Layer1");
    for (const LayoutLine &l : geometry.circumferentialSeams())
        e.line(l);
    for (const LayoutText &t : geometry.circumferentialSeamLabels())
        e.text(t);

    e &= output.setCurrentLayer("Layer2");
    e &= output.setCurrentDimStyle("DIM1");
    for (int i = 0; i < geometry.courseCount(); ++i) {
        const LayoutCourse course = geometry.course(i);
        for (const LayoutLine &l : course.longitudinalSeam)
            e.line(l);
        e.text(course.seamLabel);
        e &= output.setCurrentTextStyle("VStyle");
        e.text(course.heatNumber);
        e &= output.setCurrentTextStyle("Style1");
        e.dimension(course.height);
    }
    e.dimension(geometry.totalLengthDimension());

    e &= output.setCurrentLayer("Layer3");
    for (int i = 0; i < static_cast<int>(in.nozzles.size()); ++i) {
        const LayoutNozzle nozzle = geometry.nozzle(i);
        // A nozzle without an outside diameter has no hole to draw.
        if (nozzle.holeRadius > 0)
            e &= output.circle(nozzle.x, nozzle.y, nozzle.holeRadius);
        for (const LayoutLine &l : nozzle.leader)
            e.line(l);
        e.text(nozzle.mark);
        e.text(nozzle.nominalDiameter);
        if (nozzle.arc)
            e.dimension(*nozzle.arc);
        if (nozzle.elevation)
            e.dimension(*nozzle.elevation);
        if (!nozzle.placedExactly)
            standIns << fromGbk(nozzle.mark.text);
    }

    e &= output.setCurrentLayer("0");
    for (const LayoutLine &l : geometry.frame())
        e.line(l);

    e &= output.setCurrentLayer("Layer3");
    writeNotesAndTitleBlock(e, in, company, vertical);

    e &= output.sectionEnd();
    e &= output.closeFile();
    return e.ok();
}

// The layout drawing as the export flow runs it: the checks in their order,
// then the drawing. It asks no question. The same export writes the DXF file
// through the library and the PDF or PNG picture through the painting target.
class LayoutExport : public Exporter {
public:
    LayoutExport(const LayoutInputs &inputs, const CompanyInfo &company, DxfOutput &output, const QString &suffix,
                 const QString &outDirectory, const QString &explicitFile, std::function<QString()> failure)
        : in(inputs)
        , company(company)
        , output(output)
        , failure(std::move(failure))
    {
        names.setField(Field::ProjectName, in.projectName);
        names.setField(Field::VesselName, in.vesselName);
        names.setField(Field::ProjectDirectory, in.projectDirectory);
        path = OutputPaths::build(names, suffix, outDirectory);
        if (!explicitFile.isEmpty()) {
            const QFileInfo file(explicitFile);
            path.directory = file.absolutePath() + QLatin1Char('/');
            path.fileName = file.fileName();
        }
    }

    QString generatedFilesKind() const override { return LayoutGenerator::generatedFilesKind(); }
    std::optional<ExportRefusal> checkBeforeQuestion() override;
    void generate(ExportRun &run) override;

private:
    const LayoutInputs &in;
    const CompanyInfo &company;
    DxfOutput &output;
    std::function<QString()> failure;
    ProjectRecord names;
    OutputPath path;
};

std::optional<ExportRefusal> LayoutExport::checkBeforeQuestion()
{
    return drawingRefusal(in, [this]() -> std::optional<ExportRefusal> {
        if (in.projectDirectory.empty() || path.directory.isEmpty())
            return ExportRefusal::information(LayoutMessages::notSaved());
        if (const QString unsafe = OutputPaths::unsafeNameMessage(names); !unsafe.isEmpty())
            return ExportRefusal::information(unsafe);
        return std::nullopt;
    });
}

void LayoutExport::generate(ExportRun &run)
{
    QStringList standIns;
    if (drawLayout(output, in, company, path.path(), standIns) != 1) {
        run.failed(failure());
        return;
    }
    run.written(path);
    if (!standIns.isEmpty())
        run.information(LayoutMessages::nozzlesNotPlaced().arg(standIns.join(QStringLiteral("、"))));
}

} // namespace

ExportResult LayoutGenerator::generate(const LayoutInputs &inputs, const CompanyInfo &company, Prompter &prompter,
                                       const QString &outDirectory, const QString &libraryPath)
{
    DxfWriter writer = libraryPath.isEmpty() ? DxfWriter() : DxfWriter(libraryPath);
    return generate(inputs, company, prompter, writer, outDirectory);
}

ExportResult LayoutGenerator::generate(const LayoutInputs &inputs, const CompanyInfo &company, Prompter &prompter,
                                       DxfOutput &output, const QString &outDirectory)
{
    LayoutExport exporter(inputs, company, output, fileSuffix(), outDirectory, QString(),
                          [] { return LayoutMessages::generationFailed(); });
    return ExportFlow::run(exporter, prompter);
}

QString LayoutGenerator::pictureSuffix(LayoutPainter::FileFormat format)
{
    return format == LayoutPainter::FileFormat::Pdf ? QStringLiteral("-排版图.pdf") : QStringLiteral("-排版图.png");
}

ExportResult LayoutGenerator::exportPicture(const LayoutInputs &inputs, const CompanyInfo &company, Prompter &prompter,
                                            LayoutPainter::FileFormat format, const QString &file,
                                            const QString &outDirectory)
{
    LayoutPainter painter(format);
    return exportPicture(inputs, company, prompter, painter, format, file, outDirectory);
}

ExportResult LayoutGenerator::exportPicture(const LayoutInputs &inputs, const CompanyInfo &company, Prompter &prompter,
                                            LayoutPainter &painter, LayoutPainter::FileFormat format,
                                            const QString &file, const QString &outDirectory)
{
    LayoutExport exporter(inputs, company, painter, pictureSuffix(format), outDirectory, file,
                          [&painter] { return LayoutMessages::pictureFailed().arg(painter.writeError()); });
    return ExportFlow::run(exporter, prompter);
}

QString LayoutGenerator::preview(const LayoutInputs &inputs, const CompanyInfo &company, DxfOutput &output)
{
    if (const auto refusal = drawingRefusal(inputs, nullptr))
        return refusal->text;
    ProjectRecord names;
    names.setField(Field::ProjectName, inputs.projectName);
    names.setField(Field::VesselName, inputs.vesselName);
    names.setField(Field::ProjectDirectory, inputs.projectDirectory);
    QStringList standIns;
    drawLayout(output, inputs, company, OutputPaths::build(names, fileSuffix()).path(), standIns);
    return QString();
}

std::vector<LayoutNozzle> LayoutGenerator::approximatelyPlacedNozzles(const LayoutInputs &inputs)
{
    std::vector<LayoutNozzle> out;
    if (drawingRefusal(inputs, nullptr))
        return out;
    const LayoutGeometry geometry(inputs, *inputs.vesselType);
    for (int i = 0; i < static_cast<int>(inputs.nozzles.size()); ++i)
        if (LayoutNozzle nozzle = geometry.nozzle(i); !nozzle.placedExactly)
            out.push_back(std::move(nozzle));
    return out;
}

} // namespace zelvan
