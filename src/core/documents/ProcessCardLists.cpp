#include "core/documents/ProcessCardLists.h"

#include "core/project/TextCodec.h"

#include <QFile>

namespace zelvan {

namespace {
bool readFile(const QString &path, std::string &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    bytes.assign(data.constData(), size_t(data.size()));
    return true;
}
} // namespace

QString ProcessCardLists::standardsFile() { return QStringLiteral("标准及规范.txt"); }
QString ProcessCardLists::externalFormsFile() { return QStringLiteral("工序图/工序图列表.txt"); }
QString ProcessCardLists::messageStandardsMissing() { return QStringLiteral("无法打开标准及规范.txt文件！"); }
QString ProcessCardLists::messageExternalFormsMissing() { return QStringLiteral("无法打开工序图列表.txt文件！"); }

QString ProcessCardLists::processDiagramPath(const QString &programDirectory, const std::string &externalForm)
{
    return programDirectory + QStringLiteral("工序图/工序图-") + fromGbk(externalForm) + QStringLiteral(".JPG");
}

std::vector<std::string> ProcessCardLists::nonEmptyLines(const std::string &bytes)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        // A line of blanks only is an empty line as well.
        if (line.find_first_not_of(" \t") != std::string::npos)
            lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

ProcessCardLists::Status ProcessCardLists::load(const QString &programDirectory)
{
    standards.clear();
    externalForms.clear();
    std::string bytes;
    if (!readFile(programDirectory + standardsFile(), bytes))
        return Status::StandardsMissing;
    standards = nonEmptyLines(bytes);
    if (!readFile(programDirectory + externalFormsFile(), bytes))
        return Status::ExternalFormsMissing;
    externalForms = nonEmptyLines(bytes);
    return Status::Ok;
}

} // namespace zelvan
