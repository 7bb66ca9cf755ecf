#pragma once

#include "core/project/ProjectRecord.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zelvan {

class Prompter;

// The two dimensioned shell sketches the process cards show: the shell
// sketch "筒体图" (side view with its length, end view with outside diameter
// and wall thickness) and the fit-up sketch "组对简图" (shell with head,
// length and diameter). Not to scale: the wall is drawn t pixels thick
// whatever the diameter. Saved as 24-bit bitmaps under "pics" of the
// program directory.
class ProcessSketches {
public:
    static constexpr int kWidth = 565;
    static constexpr int kHeight = 230;

    struct Dimensions {
        int innerDiameter = 0; // D, mm
        int wallThickness = 0; // t, mm
        int totalLength = 0;   // L, sum of the shell-course heights, mm
        long long outsideDiameter() const { return (long long)innerDiameter + 2LL * wallThickness; }
    };
    // From the process-card section and the shell-course table; every text
    // read as a leading integer.
    static Dimensions fromRecord(const ProjectRecord &record);

    static QImage drawShellSketch(const Dimensions &d);
    static QImage drawFitUpSketch(const Dimensions &d);

    // A bitmap file: 14-byte file header, 40-byte information header,
    // 24 bits per pixel, rows bottom-up padded to 4 bytes, no colour table.
    static QByteArray encodeBitmap(const QImage &image);

    static QString shellSketchPath(const QString &programDirectory);  // pics/筒体图.BMP
    static QString fitUpSketchPath(const QString &programDirectory);  // pics/组对简图.BMP
    static QString messageShellSketchFailed(); // "筒体图创建失败！可能原因：pics文件夹不存在"
    static QString messageFitUpSketchFailed(); // "组对简图创建失败！可能原因：pics文件夹不存在"

    // Draws and saves both sketches (created or overwritten). A file that
    // cannot be written is reported through the prompter and the caller goes
    // on. Returns how many were written.
    static int save(const ProjectRecord &record, const QString &programDirectory, Prompter &prompter);
};

} // namespace zelvan
