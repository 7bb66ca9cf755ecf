#pragma once

#include "core/drawing/DxfOutput.h"

#include <QLibrary>
#include <QString>

#include <memory>

namespace zelvan {

// The thin wrapper around the CadIO library: loads it at run time, resolves
// every entry point of its interface and forwards calls with the open file's
// handle. When the library or any entry point is missing, every call returns
// 0 without calling anything. One writer lives for one generation run.
class DxfWriter : public DxfOutput {
public:
    // Loads "CadIO" from the program directory.
    DxfWriter();
    // Loads the library at `libraryPath` (a path without the platform's
    // prefix and suffix is completed by QLibrary).
    explicit DxfWriter(const QString &libraryPath);
    ~DxfWriter() override;
    DxfWriter(const DxfWriter &) = delete;
    DxfWriter &operator=(const DxfWriter &) = delete;

    bool isUsable() const { return m_usable; }
    bool isFileOpen() const { return m_fileOpen; }
    // How many names are resolved on loading: the called operations and the
    // ones the interface offers beside them.
    static int entryPointCount();

    int createFile(const std::string &path) override;
    int closeFile() override;
    int sectionBegin(int section) override;
    int sectionEnd() override;
    int tableTypeBegin(int table) override;
    int tableTypeEnd() override;
    int addLinetype(const DxfLinetypeRecord &linetype) override;
    int addLayer(const std::string &name, int color, const std::string &linetype) override;
    int setCurrentLayer(const std::string &name) override;
    int addTextStyle(const DxfTextStyleRecord &style) override;
    int setCurrentTextStyle(const std::string &name) override;
    int addDimStyle(const DxfDimStyleRecord &style) override;
    int setCurrentDimStyle(const std::string &name) override;
    int line(double x1, double y1, double x2, double y2) override;
    int circle(double cx, double cy, double radius) override;
    int text(const std::string &text, double x, double y, double height) override;
    int narrowText(const std::string &text, double x, double y, double height, double widthFactor) override;
    int dimLinear(double x1, double y1, double x2, double y2, double xd, double yd, double angle,
                  const std::string &text) override;

private:
    void load();

    struct Api;
    QLibrary m_library;
    std::unique_ptr<Api> m_api; // set once every entry point has resolved
    DxfHandle m_file = nullptr;
    bool m_usable = false;
    bool m_fileOpen = false;
};

} // namespace zelvan
