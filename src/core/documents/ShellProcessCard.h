#pragma once

#include <QString>

namespace zelvan {

class ProcessFileInputs;
class WordDocument;

// "容器生产过程卡(筒体)": the shell's production process card, the content of
// the shell-part file. It draws and saves the two shell sketches first and
// shows them.
class ShellProcessCard {
public:
    static void write(WordDocument &document, const ProcessFileInputs &inputs);

    static QString title(); // "容器生产过程卡(筒体)"
    // Allowed misalignment of the A and B seams by wall thickness (text,
    // tab, text).
    static QString misalignmentLine(int wallThickness);
    // Allowed deviation of a course's outside circumference by inner diameter.
    static QString circumferenceLine(int innerDiameter);
};

} // namespace zelvan
