#include "ArtworkCatalog.h"

#include "ArtFonts.h"
#include "HeadSectionArt.h"
#include "IconArt.h"
#include "PrefabricationArt.h"
#include "ProcessFlowArt.h"
#include "VesselTypeArt.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

namespace zelvan {

namespace {

// Word processors size an inserted picture from its stored density, so each
// JPEG carries the density that prints it at the width of a card's table.
constexpr double kProcessDiagramCm = 15.0;
constexpr double kCardPictureCm = 14.0;

const QSize kHeadPicture(1100, 700);
const QSize kHeadPagePicture(240, 180);
const QSize kVesselPicture(200, 200);

struct HeadFile
{
    HeadSectionArt::Kind kind;
    QString cardFile;
    QString pageFile;
};

const QList<HeadFile> &headFiles()
{
    static const QList<HeadFile> files{
        {HeadSectionArt::Kind::Ellipsoidal, QStringLiteral("封头图/椭圆封头图.JPG"), QStringLiteral("icons/head-ellipsoidal.png")},
        {HeadSectionArt::Kind::Conical, QStringLiteral("封头图/锥形封头图.JPG"), QStringLiteral("icons/head-conical.png")},
        {HeadSectionArt::Kind::Flanged, QStringLiteral("封头图/法兰封头图.JPG"), QStringLiteral("icons/head-flanged.png")},
        {HeadSectionArt::Kind::FlatCover, QStringLiteral("封头图/平盖封头图.JPG"), QStringLiteral("icons/head-flat.png")},
    };
    return files;
}

bool writeImage(const QImage &source, const QString &path, double printWidthCm, QString *error)
{
    if (source.isNull()) {
        *error = QStringLiteral("图片为空：%1").arg(path);
        return false;
    }
    QImage image = source;
    const bool jpeg = path.endsWith(QLatin1String(".JPG"), Qt::CaseInsensitive);
    if (printWidthCm > 0) {
        const int dotsPerMeter = qRound(image.width() / (printWidthCm / 100.0));
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
    }
    if (jpeg)
        image = image.convertToFormat(QImage::Format_RGB32);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("无法写入%1：%2").arg(path, file.errorString());
        return false;
    }
    QImageWriter writer(&file, jpeg ? "jpeg" : "png");
    if (jpeg) {
        writer.setQuality(93);
        writer.setOptimizedWrite(true);
    }
    if (!writer.write(image) || !file.commit()) {
        *error = QStringLiteral("无法写入%1：%2").arg(path, writer.errorString());
        return false;
    }
    return true;
}

} // namespace

QList<ArtworkItem> ArtworkCatalog::items()
{
    QList<ArtworkItem> list;
    for (const QString &form : ProcessFlowArt::forms()) {
        list.append({QStringLiteral("工序图/工序图-%1.JPG").arg(form), QStringLiteral("工序图：") + form,
                     kProcessDiagramCm, [form] { return ProcessFlowArt::render(form); }});
    }
    for (const HeadFile &head : headFiles()) {
        const HeadSectionArt::Kind kind = head.kind;
        list.append({head.cardFile, QFileInfo(head.cardFile).completeBaseName(), kCardPictureCm,
                     [kind] { return HeadSectionArt::render(kind, kHeadPicture, false); }});
    }
    list.append({QStringLiteral("pics/接管法兰预制.JPG"), QStringLiteral("接管法兰预制"), kCardPictureCm,
                 [] { return PrefabricationArt::nozzleFlange(); }});
    list.append({QStringLiteral("pics/补强圈预制.JPG"), QStringLiteral("补强圈预制"), kCardPictureCm,
                 [] { return PrefabricationArt::reinforcementRing(); }});
    list.append({QStringLiteral("pics/总装.JPG"), QStringLiteral("总装"), kCardPictureCm,
                 [] { return PrefabricationArt::generalAssembly(); }});

    list.append({QStringLiteral("icons/app.png"), QStringLiteral("程序图标"), 0, [] { return IconArt::appIcon(256); }});
    for (int size : {48, 32, 16}) {
        list.append({QStringLiteral("icons/app-%1.png").arg(size), QStringLiteral("程序图标 %1").arg(size), 0,
                     [size] { return IconArt::appIcon(size); }});
    }
    for (const QString &name : IconArt::toolbarNames()) {
        list.append({QStringLiteral("icons/%1.png").arg(name), name, 0,
                     [name] { return IconArt::toolbar(name, 32); }});
    }
    for (const QString &name : {QStringLiteral("category"), QStringLiteral("item"), QStringLiteral("selected")}) {
        list.append({QStringLiteral("icons/tree-%1.png").arg(name), QStringLiteral("tree-") + name, 0,
                     [name] { return IconArt::tree(name, 16); }});
    }
    list.append({QStringLiteral("icons/lightbulb.png"), QStringLiteral("每日一帖"), 0, [] { return IconArt::lightBulb(48); }});
    list.append({QStringLiteral("icons/vessel-vertical.png"), QStringLiteral("立式圆筒容器"), 0,
                 [] { return VesselTypeArt::vertical(kVesselPicture); }});
    list.append({QStringLiteral("icons/vessel-horizontal.png"), QStringLiteral("卧式圆筒容器"), 0,
                 [] { return VesselTypeArt::horizontal(kVesselPicture); }});
    for (const HeadFile &head : headFiles()) {
        const HeadSectionArt::Kind kind = head.kind;
        list.append({head.pageFile, QFileInfo(head.pageFile).completeBaseName(), 0,
                     [kind] { return HeadSectionArt::render(kind, kHeadPagePicture, true); }});
    }
    return list;
}

bool ArtworkCatalog::writeAll(const QString &programDirectory, QString *error)
{
    const QDir root(programDirectory);
    for (const ArtworkItem &item : items()) {
        if (!writeImage(item.draw(), root.filePath(item.relativePath), item.printWidthCm, error))
            return false;
    }
    return true;
}

QImage ArtworkCatalog::contactSheet()
{
    const QList<ArtworkItem> all = items();
    const int columns = 6;
    const QSize cell(300, 290);
    const int header = 70;
    const int rows = int((all.size() + columns - 1) / columns);
    QImage sheet(columns * cell.width() + 20, header + rows * cell.height() + 10, QImage::Format_RGB32);
    sheet.fill(QColor(0xf3, 0xf5, 0xf7));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setFont(ArtFonts::sans(28, true));
    p.setPen(QColor(0x1d, 0x24, 0x2b));
    p.drawText(QRectF(20, 10, sheet.width() - 40, 50), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("岳川明压力容器排版图软件 — 安装图片一览（由 zelvan-artgen 生成）"));
    for (int i = 0; i < all.size(); ++i) {
        const QRect box(10 + (i % columns) * cell.width(), header + (i / columns) * cell.height(), cell.width() - 10,
                        cell.height() - 10);
        p.setPen(QColor(0xd0, 0xd6, 0xdc));
        p.setBrush(Qt::white);
        p.drawRoundedRect(box, 6, 6);
        const QImage image = all[i].draw();
        const QSize area(box.width() - 20, box.height() - 64);
        // Small icons are shown enlarged so their drawing can be judged.
        QSize shown = image.size();
        if (shown.width() <= 64)
            shown *= (shown.width() <= 16 ? 6 : shown.width() <= 32 ? 4 : 3);
        shown = shown.scaled(area.boundedTo(shown.expandedTo(QSize(1, 1))), Qt::KeepAspectRatio);
        if (shown.width() > area.width() || shown.height() > area.height())
            shown = shown.scaled(area, Qt::KeepAspectRatio);
        const QRect target(box.left() + (box.width() - shown.width()) / 2, box.top() + 10 + (area.height() - shown.height()) / 2,
                           shown.width(), shown.height());
        p.drawImage(target, image);
        p.setFont(ArtFonts::sans(15));
        p.setPen(QColor(0x33, 0x3d, 0x47));
        p.drawText(QRect(box.left() + 6, box.bottom() - 54, box.width() - 12, 50), Qt::AlignCenter | Qt::TextWordWrap,
                   all[i].relativePath + QStringLiteral("\n%1 × %2").arg(image.width()).arg(image.height()));
    }
    p.end();
    return sheet;
}

} // namespace zelvan
