// Turns the input into a project (generator_input.h) and runs every output
// the shop generates from it, as "zelvan-cli all" does: the layout drawing
// through CadIO, the process file and its shell part, the welding procedure
// cards, the weld table, the parts list and the certificate. Every question
// is answered Yes. Beyond "no crash, no sanitizer report":
// - every refusal and every failure carries a message;
// - every file listed as written is in the output folder, and nothing else
//   changes anywhere in the sandbox whatever the names (the sketches in the
//   program's pics folder are the one expected write outside it);
// - every drawing is readable: pairs of group code and value, SECTION/ENDSEC
//   balanced and never nested, EOF at the end, entity handles unique;
// - every Word file is a zip holding word/document.xml, and each of its XML
//   parts is well-formed.
// The sandbox lives in /dev/shm (memory): a program folder with CadIO and
// the installation data, and the project's folder the outputs go to.
#include "generator_input.h"

#include "core/documents/CertificateDocument.h"
#include "core/documents/ProcessFileGenerator.h"
#include "core/documents/ProductListDocument.h"
#include "core/documents/WeldingCardDocument.h"
#include "core/drawing/LayoutGenerator.h"
#include "core/drawing/LayoutInputs.h"
#include "core/project/AppPaths.h"
#include "core/project/Prompter.h"
#include "core/project/TextCodec.h"

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMap>
#include <QXmlStreamReader>

#include <zip.h>

#include <dlfcn.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

using namespace zelvan;

namespace {

bool verbose()
{
    static const bool on = qEnvironmentVariableIsSet("FUZZ_VERBOSE");
    return on;
}

[[noreturn]] void fail(const QString &what)
{
    std::fprintf(stderr, "fuzz_generators: %s\n", what.toUtf8().constData());
    std::abort();
}

// Answers every question Yes and keeps what it was told.
class YesPrompter : public Prompter {
public:
    void message(const QString &title, const QString &text, Icon) override { told(title, text); }
    bool askYesNo(const QString &title, const QString &text, Icon) override
    {
        told(title, text);
        return true;
    }
    Answer askYesNoCancel(const QString &title, const QString &text, Icon) override
    {
        told(title, text);
        return Answer::Yes;
    }
    int messages = 0;

private:
    void told(const QString &title, const QString &text)
    {
        if (title.isEmpty() || text.isEmpty())
            fail(QStringLiteral("a box without a title or a text: [%1] [%2]").arg(title, text));
        ++messages;
        // FUZZ_VERBOSE=1 shows what a replayed input was told.
        if (verbose())
            std::fprintf(stderr, "[%s] %s\n", title.toUtf8().constData(), text.toUtf8().constData());
    }
};

struct Sandbox {
    QString root;    // everything the target may touch
    QString program; // CadIO, the installation data, pics/ (the sketches)
    QString out;     // the project's folder: every output goes here
};

Sandbox &sandbox()
{
    static Sandbox box;
    return box;
}

bool copyTree(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return false;
    const QDir source(from);
    for (const QFileInfo &entry : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir()) {
            if (!copyTree(entry.filePath(), target))
                return false;
        } else if (!QFile::copy(entry.filePath(), target)) {
            return false;
        }
    }
    return true;
}

// Every file and folder under the sandbox with its size and time.
QMap<QString, QString> snapshot()
{
    QMap<QString, QString> files;
    QDirIterator it(sandbox().root, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        files.insert(path, info.isDir() ? QStringLiteral("dir")
                                        : QString::number(info.size()) + QLatin1Char('@')
                                              + QString::number(info.lastModified().toMSecsSinceEpoch()));
    }
    return files;
}

bool isInside(const QString &path, const QString &folder)
{
    return QFileInfo(path).absolutePath() + QLatin1Char('/') == folder;
}

// The sketches the process file draws into the program's pics folder.
bool isSketch(const QString &path)
{
    return isInside(path, sandbox().program + QStringLiteral("pics/")) && path.endsWith(QLatin1String(".BMP"));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("a written file cannot be read: %1").arg(path));
    return file.readAll();
}

// A minimal DXF reader: group code and value lines, sections balanced and
// not nested, EOF last, handles (group 5, and 105 of a dimension style)
// unique.
void checkDxf(const QString &path)
{
    const QByteArray bytes = readAll(path);
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() % 2 != 0)
        fail(QStringLiteral("%1: an odd number of lines").arg(path));
    int open = 0;
    bool ended = false;
    std::set<QByteArray> handles;
    for (qsizetype i = 0; i + 1 < lines.size(); i += 2) {
        if (ended)
            fail(QStringLiteral("%1: pairs after EOF").arg(path));
        bool isNumber = false;
        const int code = lines[i].trimmed().toInt(&isNumber);
        if (!isNumber)
            fail(QStringLiteral("%1: line %2 is not a group code").arg(path).arg(i + 1));
        QByteArray value = lines[i + 1];
        if (value.endsWith('\r'))
            value.chop(1);
        if (value.contains('\r'))
            fail(QStringLiteral("%1: a value holds a line break, line %2").arg(path).arg(i + 2));
        if (code == 0) {
            if (value == "SECTION") {
                if (open++ != 0)
                    fail(QStringLiteral("%1: SECTION inside a section, line %2").arg(path).arg(i + 2));
            } else if (value == "ENDSEC") {
                if (--open != 0)
                    fail(QStringLiteral("%1: ENDSEC without SECTION, line %2").arg(path).arg(i + 2));
            } else if (value == "EOF") {
                ended = true;
            }
        } else if (code == 5 || code == 105) {
            if (value.isEmpty() || !handles.insert(value).second)
                fail(QStringLiteral("%1: handle '%2' empty or repeated, line %3").arg(path, QString::fromLatin1(value)).arg(i + 2));
        }
    }
    if (open != 0 || !ended)
        fail(QStringLiteral("%1: a section left open or no EOF").arg(path));
}

void checkDocx(const QString &path)
{
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!archive)
        fail(QStringLiteral("%1: not a valid zip (libzip error %2)").arg(path).arg(error));
    bool hasDocument = false;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const QString name = QString::fromUtf8(zip_get_name(archive, static_cast<zip_uint64_t>(i), 0));
        if (!name.endsWith(QLatin1String(".xml")) && !name.endsWith(QLatin1String(".rels")))
            continue;
        zip_stat_t stat;
        zip_file_t *part = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), 0);
        if (!part || zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat) != 0)
            fail(QStringLiteral("%1: part %2 cannot be opened").arg(path, name));
        QByteArray xml(static_cast<qsizetype>(stat.size), '\0');
        if (zip_fread(part, xml.data(), stat.size) != static_cast<zip_int64_t>(stat.size))
            fail(QStringLiteral("%1: part %2 cannot be read").arg(path, name));
        zip_fclose(part);
        QXmlStreamReader reader(xml);
        while (!reader.atEnd())
            reader.readNext();
        if (reader.hasError())
            fail(QStringLiteral("%1: %2 is not well-formed: %3 at line %4")
                     .arg(path, name, reader.errorString())
                     .arg(reader.lineNumber()));
        hasDocument |= name == QLatin1String("word/document.xml");
    }
    zip_discard(archive);
    if (!hasDocument)
        fail(QStringLiteral("%1: no word/document.xml").arg(path));
}

void checkResult(const char *what, const ExportResult &result, int messagesBefore, const YesPrompter &prompter)
{
    if (result.status != ExportResult::Status::Written) {
        // Every question is answered Yes: a refusal or failure is a check or
        // a fault, and the user must have been told why.
        if (result.message.isEmpty() || prompter.messages == messagesBefore)
            fail(QStringLiteral("%1 ended without a message").arg(QLatin1String(what)));
    }
    for (const GeneratedFiles::Entry &entry : result.files.entries) {
        const QString path = entry.path();
        if (verbose())
            std::fprintf(stderr, "written: %s\n", path.toUtf8().constData());
        if (!isInside(path, sandbox().out) || !QFileInfo(path).isFile())
            fail(QStringLiteral("%1 reports %2, not a file in the output folder").arg(QLatin1String(what), path));
        if (path.endsWith(QLatin1String(".dxf")))
            checkDxf(path);
        else
            checkDocx(path);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    // The program folder the fuzz build prepared (CadIO and the installation
    // data), copied into memory so the sketches written into it stay there.
    const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/program");
    Sandbox &box = sandbox();
    box.root = QStringLiteral("/dev/shm/zelvan-fuzz-generators-%1/").arg(getpid());
    box.program = box.root + QStringLiteral("program/");
    // Deep enough that a name climbing out of the output folder with ".."
    // still lands inside the sandbox, where the check sees it.
    box.out = box.root + QStringLiteral("a/b/c/项目/");
    QDir(box.root).removeRecursively();
    if (!copyTree(installed, box.program) || !QFileInfo(box.program + QStringLiteral("pics")).isDir()
        || !QDir().mkpath(box.out))
        fail(QStringLiteral("cannot prepare the sandbox from %1").arg(installed));
    setProgramDirectoryForTesting(box.program);
    // Each drawing loads and unloads CadIO; libFuzzer keeps the coverage
    // counters of every instrumented library it saw, so the library stays
    // mapped for the whole run.
    if (!dlopen(QFile::encodeName(box.program + QStringLiteral("libCadIO.so")).constData(), RTLD_NOW | RTLD_NODELETE))
        fail(QStringLiteral("cannot load CadIO: %1").arg(QString::fromLocal8Bit(dlerror())));
    std::atexit([] { QDir(sandbox().root).removeRecursively(); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ProjectRecord record;
    CompanyInfo company;
    fuzzinput::decode(data, size, record, company);
    // As the program opens a project: it is where its file is. An input whose
    // project path is "-" stands for a project never saved.
    const Sandbox &box = sandbox();
    if (record.field(Field::ProjectFilePath) != "-") {
        record.setField(Field::ProjectFilePath, toGbk(box.out + QStringLiteral("project.pcp")));
        record.setField(Field::ProjectDirectory, toGbk(box.out));
    } else {
        record.setField(Field::ProjectFilePath, std::string());
        record.setField(Field::ProjectDirectory, std::string());
    }

    const QMap<QString, QString> before = snapshot();
    YesPrompter prompter;
    int told = 0;

    LayoutInputs layout = LayoutInputs::fromRecord(record);
    layout.preparedDate = formatDate(2024, 3, 5);
    layout.reviewDate = formatDate(2024, 3, 6);
    checkResult("the layout drawing", LayoutGenerator::generate(layout, company, prompter), told, prompter);
    told = prompter.messages;

    ProcessFileGenerator processFile(record, company, prompter);
    checkResult("the process file", processFile.run(), told, prompter);
    told = prompter.messages;

    WeldingCardDocument cards(record, company, prompter);
    checkResult("the welding procedure cards", cards.run(), told, prompter);
    told = prompter.messages;

    for (ProductListDocument::Layout list : {ProductListDocument::weldTable(), ProductListDocument::partsList()}) {
        ProductListDocument document(std::move(list), record, company, prompter);
        checkResult("a product list", document.run(), told, prompter);
        told = prompter.messages;
    }

    CertificateDocument certificate(record, company, prompter);
    checkResult("the certificate", certificate.run(), told, prompter);

    // Nothing may change outside the output folder but the sketches.
    const QMap<QString, QString> after = snapshot();
    for (auto it = after.begin(); it != after.end(); ++it) {
        if (before.value(it.key()) == it.value())
            continue;
        if (!isInside(it.key(), box.out) && !isSketch(it.key()))
            fail(QStringLiteral("written outside the output folder: %1").arg(it.key()));
    }
    for (auto it = before.begin(); it != before.end(); ++it)
        if (!after.contains(it.key()))
            fail(QStringLiteral("removed: %1").arg(it.key()));
    // The next input starts from an empty output folder.
    const QDir out(box.out);
    for (const QString &name : out.entryList(QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(box.out + name);
    if (!out.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System).isEmpty())
        fail(QStringLiteral("a folder appeared in the output folder"));
    return 0;
}
