#include "ProcessFlowArt.h"

#include "ArtFonts.h"
#include "DraftPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QVector>

namespace zelvan {

namespace {

enum class Step { Work, Inspection, Hold, Conditional };

struct Node
{
    QString text;
    Step kind = Step::Work;
};

struct FormSpec
{
    QString name;
    QString supportTitle;
    QVector<Node> supportSteps;
    QString supportFitting;
    QString pressureTest;
};

const QVector<FormSpec> &formSpecs()
{
    static const QVector<FormSpec> specs{
        {QStringLiteral("立式支腿"), QStringLiteral("支  腿"),
         {{QStringLiteral("型钢、钢板检验"), Step::Inspection},
          {QStringLiteral("支腿、垫板下料")},
          {QStringLiteral("垫板卷弧（贴合间隙≤2mm）")},
          {QStringLiteral("支腿组焊、钻地脚螺栓孔")},
          {QStringLiteral("支腿检验"), Step::Inspection}},
         QStringLiteral("支腿组焊（保证垂直度）"), QStringLiteral("耐压试验（水压）")},
        {QStringLiteral("立式耳座"), QStringLiteral("耳  座"),
         {{QStringLiteral("钢板检验"), Step::Inspection},
          {QStringLiteral("底板、筋板、垫板下料")},
          {QStringLiteral("垫板卷弧（贴合间隙≤2mm）")},
          {QStringLiteral("耳座组焊")},
          {QStringLiteral("耳座检验"), Step::Inspection}},
         QStringLiteral("耳座组焊（底板同一水平面）"), QStringLiteral("耐压试验（水压）")},
        {QStringLiteral("立式支承式"), QStringLiteral("支承式支座"),
         {{QStringLiteral("钢板检验"), Step::Inspection},
          {QStringLiteral("底板、筋板、垫板下料")},
          {QStringLiteral("垫板按封头曲面压制")},
          {QStringLiteral("支座组焊")},
          {QStringLiteral("支座检验"), Step::Inspection}},
         QStringLiteral("支承式支座与下封头组焊"), QStringLiteral("耐压试验（水压）")},
        {QStringLiteral("立式裙座"), QStringLiteral("裙  座"),
         {{QStringLiteral("钢板检验"), Step::Inspection},
          {QStringLiteral("裙座筒体号料、卷圆")},
          {QStringLiteral("裙座纵缝焊接")},
          {QStringLiteral("基础环、地脚螺栓座组焊")},
          {QStringLiteral("裙座检验"), Step::Inspection}},
         QStringLiteral("裙座与下封头组焊"),
         QStringLiteral("耐压试验（卧置计入液柱压力）")},
        {QStringLiteral("卧式鞍座"), QStringLiteral("鞍  座"),
         {{QStringLiteral("钢板检验"), Step::Inspection},
          {QStringLiteral("腹板、筋板、底板、垫板下料")},
          {QStringLiteral("垫板卷弧（贴合间隙≤2mm）")},
          {QStringLiteral("鞍座组焊（F型、S型）")},
          {QStringLiteral("鞍座检验"), Step::Inspection}},
         QStringLiteral("鞍座组焊（底板等高）"), QStringLiteral("耐压试验（卧置）")},
    };
    return specs;
}

const QColor kInk(0x1d, 0x24, 0x2b);
const QColor kInspectionFill(0xdc, 0xe9, 0xf6);
const QColor kHoldMark(0xb0, 0x2a, 0x2a);
const QColor kArrow(0x33, 0x3d, 0x47);

constexpr int kWidth = 1300;
constexpr double kMargin = 30;
constexpr double kBoxWidth = 284;
constexpr double kBoxHeight = 56;
constexpr double kPitch = 72;

double columnCentre(int column)
{
    const double gap = (kWidth - 2 * kMargin - 4 * kBoxWidth) / 3;
    return kMargin + kBoxWidth / 2 + column * (kBoxWidth + gap);
}

class FlowSheet
{
public:
    FlowSheet(QPainter &painter, double firstRowTop) : m_painter(painter), m_draft(painter, 1.0), m_top(firstRowTop) {}

    double rowCentre(int row) const { return m_top + kBoxHeight / 2 + row * kPitch; }
    QRectF box(int column, int row) const
    {
        return QRectF(columnCentre(column) - kBoxWidth / 2, rowCentre(row) - kBoxHeight / 2, kBoxWidth, kBoxHeight);
    }

    void node(int column, int row, const Node &n) { drawBox(box(column, row), n); }

    void drawBox(const QRectF &r, const Node &n)
    {
        m_painter.save();
        QPen pen(kInk, 2.0);
        if (n.kind == Step::Conditional)
            pen.setDashPattern({5, 3});
        m_painter.setPen(pen);
        m_painter.setBrush(n.kind == Step::Inspection || n.kind == Step::Hold ? kInspectionFill : QColor(Qt::white));
        m_painter.drawRoundedRect(r, 6, 6);
        m_painter.setFont(ArtFonts::sans(18));
        m_painter.setPen(kInk);
        m_painter.drawText(r.adjusted(10, 2, -10, -2), Qt::AlignCenter | Qt::TextWordWrap, n.text);
        if (n.kind == Step::Hold)
            holdMark(QPointF(r.right() - 2, r.top() + 2));
        m_painter.restore();
    }

    void holdMark(QPointF centre)
    {
        m_painter.save();
        m_painter.setPen(QPen(kHoldMark, 2));
        m_painter.setBrush(Qt::white);
        m_painter.drawEllipse(centre, 13, 13);
        m_painter.setFont(ArtFonts::sans(16, true));
        m_painter.setPen(kHoldMark);
        m_painter.drawText(QRectF(centre.x() - 13, centre.y() - 13, 26, 26), Qt::AlignCenter, QStringLiteral("H"));
        m_painter.restore();
    }

    void arrow(const QVector<QPointF> &points)
    {
        m_painter.save();
        m_painter.setPen(QPen(kArrow, 2.2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        QPointF last = points.last();
        QPointF before = points[points.size() - 2];
        const QPointF d = last - before;
        const double length = std::hypot(d.x(), d.y());
        const QPointF u = d / length;
        QVector<QPointF> shaft = points;
        shaft.last() = last - u * 12; // the head covers the end of the shaft
        m_painter.drawPolyline(shaft.data(), shaft.size());
        const QPointF n(-u.y(), u.x());
        const QPointF base = last - u * 15;
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(kArrow);
        m_painter.drawPolygon(QPolygonF({last, base + n * 6, base - n * 6}));
        m_painter.restore();
    }

    void chain(int column, int firstRow, const QVector<Node> &nodes)
    {
        for (int i = 0; i < nodes.size(); ++i) {
            node(column, firstRow + i, nodes[i]);
            if (i > 0)
                arrow({QPointF(columnCentre(column), box(column, firstRow + i - 1).bottom()),
                       QPointF(columnCentre(column), box(column, firstRow + i).top())});
        }
    }

    // Joins the end of a branch to a step of the main column.
    void join(int fromColumn, int fromRow, int toRow)
    {
        const double x = columnCentre(fromColumn);
        const double y = rowCentre(toRow);
        const double targetX = fromColumn < 1 ? box(1, toRow).left() : box(1, toRow).right();
        arrow({QPointF(x, box(fromColumn, fromRow).bottom()), QPointF(x, y), QPointF(targetX, y)});
    }

private:
    QPainter &m_painter;
    DraftPainter m_draft;
    double m_top;
};

} // namespace

QStringList ProcessFlowArt::forms()
{
    QStringList names;
    for (const FormSpec &spec : formSpecs())
        names << spec.name;
    return names;
}

QImage ProcessFlowArt::render(const QString &form)
{
    const FormSpec *spec = nullptr;
    for (const FormSpec &candidate : formSpecs()) {
        if (candidate.name == form)
            spec = &candidate;
    }
    if (!spec)
        return {};

    const QVector<Node> shell{
        {QStringLiteral("材料复验、标记移植")},
        {QStringLiteral("号料划线（按排版图）")},
        {QStringLiteral("切割下料、坡口加工")},
        {QStringLiteral("压头、卷圆")},
        {QStringLiteral("纵缝组焊（带产品试板）")},
        {QStringLiteral("纵缝无损检测"), Step::Inspection},
        {QStringLiteral("校圆、筒节检验"), Step::Inspection},
        {QStringLiteral("筒节组对")},
        {QStringLiteral("筒体与封头组对")},
        {QStringLiteral("环缝焊接")},
        {QStringLiteral("A、B类焊缝无损检测"), Step::Inspection},
        {QStringLiteral("划四条轴线、定开孔位置")},
        {QStringLiteral("开孔位置及大小检查"), Step::Hold},
        {QStringLiteral("开孔、接管及补强圈组焊")},
        {spec->supportFitting},
        {QStringLiteral("内外部检验"), Step::Hold},
        {QStringLiteral("热处理（图样要求时）"), Step::Conditional},
        {spec->pressureTest, Step::Hold},
        {QStringLiteral("除锈、涂敷、装订铭牌")},
        {QStringLiteral("整理资料、产品入库")},
    };
    const QVector<Node> heads{
        {QStringLiteral("封头入厂检验"), Step::Inspection},
        {QStringLiteral("划线、切割直边")},
        {QStringLiteral("加工坡口、清理")},
        {QStringLiteral("封头检验"), Step::Inspection},
    };
    const QVector<Node> nozzles{
        {QStringLiteral("接管、法兰、锻件检验"), Step::Inspection},
        {QStringLiteral("接管下料、坡口加工")},
        {QStringLiteral("接管与法兰组焊")},
        {QStringLiteral("C、D类焊缝无损检测"), Step::Inspection},
        {QStringLiteral("补强圈下料、卷弧")},
        {QStringLiteral("开坡口、钻信号孔")},
        {QStringLiteral("预制件检验"), Step::Inspection},
    };

    const double titleTop = kMargin;
    const double topBoxTop = titleTop + 56;
    const double busY = topBoxTop + kBoxHeight + 26;
    const double headerY = busY + 30;
    const double firstRowTop = headerY + 34;
    const double legendTop = firstRowTop + shell.size() * kPitch + 6;
    const int height = int(legendTop + 70);

    QImage image(kWidth, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    FlowSheet sheet(painter, firstRowTop);

    painter.setPen(kInk);
    painter.setFont(ArtFonts::sans(26, true));
    painter.drawText(QRectF(kMargin, titleTop, kWidth - 2 * kMargin, 40), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("产品制作工序流程图"));
    painter.setFont(ArtFonts::sans(21));
    painter.drawText(QRectF(kMargin, titleTop, kWidth - 2 * kMargin, 40), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("容器外设：") + spec->name);

    const QRectF topBox(columnCentre(0) - kBoxWidth / 2, topBoxTop, columnCentre(3) - columnCentre(0) + kBoxWidth,
                        kBoxHeight);
    sheet.drawBox(topBox, {QStringLiteral("原材料入厂检验（质量证明书、标志、外观及尺寸，主要受压元件材料复验）"),
                           Step::Inspection});

    // Incoming material fans out into the four branches.
    painter.setPen(QPen(kArrow, 2.2));
    painter.drawLine(QPointF(kWidth / 2.0, topBox.bottom()), QPointF(kWidth / 2.0, busY));
    painter.drawLine(QPointF(columnCentre(0), busY), QPointF(columnCentre(3), busY));
    const QStringList titles{QStringLiteral("封  头"), QStringLiteral("筒  体"), QStringLiteral("接管及补强圈"),
                             spec->supportTitle};
    const QFont headerFont = ArtFonts::sans(19, true);
    QFontMetricsF headerMetrics(headerFont);
    for (int column = 0; column < 4; ++column) {
        const double x = columnCentre(column);
        const double textWidth = headerMetrics.horizontalAdvance(titles[column]) + 16;
        const QRectF label(x - textWidth / 2, headerY - 14, textWidth, 28);
        painter.setPen(QPen(kArrow, 2.2));
        painter.drawLine(QPointF(x, busY), QPointF(x, label.top()));
        painter.setFont(headerFont);
        painter.setPen(QColor(0x1f, 0x4e, 0x8c));
        painter.drawText(label, Qt::AlignCenter, titles[column]);
        sheet.arrow({QPointF(x, label.bottom()), QPointF(x, sheet.box(column, 0).top())});
    }

    sheet.chain(1, 0, shell);
    sheet.chain(0, 0, heads);
    sheet.chain(2, 0, nozzles);
    sheet.chain(3, 0, spec->supportSteps);
    sheet.join(0, int(heads.size()) - 1, 8);
    sheet.join(2, int(nozzles.size()) - 1, 13);
    sheet.join(3, int(spec->supportSteps.size()) - 1, 14);

    // Legend.
    const double y = legendTop + 20;
    painter.setPen(QPen(QColor(0xb8, 0xc2, 0xcc), 1.2));
    painter.drawLine(QPointF(kMargin, legendTop), QPointF(kWidth - kMargin, legendTop));
    struct LegendEntry
    {
        Node sample;
        QString text;
    };
    const QVector<LegendEntry> legend{{{QString(), Step::Work}, QStringLiteral("加工工序")},
                                      {{QString(), Step::Inspection}, QStringLiteral("检验工序")},
                                      {{QString(), Step::Conditional}, QStringLiteral("按图样要求进行")}};
    double x = kMargin;
    for (const LegendEntry &entry : legend) {
        sheet.drawBox(QRectF(x, y, 56, 30), entry.sample);
        painter.setFont(ArtFonts::sans(19));
        painter.setPen(kInk);
        painter.drawText(QRectF(x + 66, y - 4, 220, 38), Qt::AlignLeft | Qt::AlignVCenter, entry.text);
        x += 66 + 190;
    }
    sheet.holdMark(QPointF(x + 14, y + 15));
    painter.setFont(ArtFonts::sans(19));
    painter.setPen(kInk);
    painter.drawText(QRectF(x + 36, y - 4, 400, 38), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("停检点（检验、监检人员到场）"));
    painter.end();
    return image;
}

} // namespace zelvan
