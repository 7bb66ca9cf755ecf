// Turns the input into a project (generator_input.h) and runs the output its
// first byte picks, as "zelvan-cli" does: the layout drawing through CadIO,
// the process file and its shell part, the welding procedure cards, the weld
// table, the parts list or the certificate. Every question is answered Yes.
// Beyond "no crash, no sanitizer report":
// - every refusal and every failure carries a message;
// - every file listed as written is in the output folder, and nothing else
//   changes anywhere in the sandbox whatever the names (the sketches in the
//   program's pics folder are the one expected write outside it);
// - every drawing is readable: pairs of group code and value, SECTION/ENDSEC
//   balanced and never nested, EOF at the end, entity handles unique;
// - every Word file is a zip holding word/document.xml, and each of its XML
//   parts is well-formed.
// The sandbox lives in /dev/shm (memory): a program folder with CadIO and
// the installation data, and the project's folder the outputs go to. Changes
// in it are seen through inotify, which costs a run what it wrote; listing
// the sandbox before and after cost more than most documents.
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
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include <expat.h>
#include <zip.h>

#include <dlfcn.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <charconv>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <string_view>

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
    int watcher = -1;                  // inotify over every folder of the sandbox
    std::map<int, QString> watched;    // watch descriptor -> folder, with '/'
};

Sandbox &sandbox()
{
    static Sandbox box;
    return box;
}

// Copies the program folder into the sandbox. The installation's JPEG
// pictures are a few hundred kilobytes each, and the generators only read
// them, take their pixel size and store their bytes: their content reaches
// no decision. Copied at an eighth of the size, they keep every path and
// spare each run copying megabytes.
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
        } else if (entry.suffix().compare(QLatin1String("jpg"), Qt::CaseInsensitive) == 0) {
            const QImage picture(entry.filePath(), "JPEG");
            if (picture.isNull() || !picture.scaled(picture.size() / 8).save(target, "JPEG", 50))
                return false;
        } else if (!QFile::copy(entry.filePath(), target)) {
            return false;
        }
    }
    return true;
}

constexpr uint32_t kChanges = IN_CREATE | IN_DELETE | IN_MODIFY | IN_ATTRIB | IN_MOVED_FROM | IN_MOVED_TO
                             | IN_CLOSE_WRITE | IN_DELETE_SELF | IN_MOVE_SELF;

// Watches `folder` and every folder below it.
bool watchTree(const QString &folder)
{
    Sandbox &box = sandbox();
    const int wd = inotify_add_watch(box.watcher, QFile::encodeName(folder).constData(), kChanges);
    if (wd < 0)
        return false;
    box.watched[wd] = folder;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        if (!watchTree(folder + name + QLatin1Char('/')))
            return false;
    return true;
}

struct Change {
    QString path;
    uint32_t mask;
};

// Keeps `present` to the files a change created (or moved in) and has not
// deleted (or moved away) since.
void track(std::set<QString> &present, const Change &change)
{
    if (change.mask & (IN_CREATE | IN_MOVED_TO))
        present.insert(change.path);
    else if (change.mask & (IN_DELETE | IN_MOVED_FROM))
        present.erase(change.path);
}

// What changed in the sandbox since the last call.
std::vector<Change> changes()
{
    Sandbox &box = sandbox();
    std::vector<Change> seen;
    alignas(inotify_event) char buffer[64 * 1024];
    for (;;) {
        const ssize_t length = read(box.watcher, buffer, sizeof buffer);
        if (length <= 0)
            break;
        for (ssize_t at = 0; at < length;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW)
                fail(QStringLiteral("inotify lost events: the sandbox can no longer be checked"));
            if (event->mask & IN_IGNORED)
                continue;
            const auto folder = box.watched.find(event->wd);
            const QString name = event->len ? QFile::decodeName(event->name) : QString();
            seen.push_back({(folder == box.watched.end() ? QStringLiteral("?/") : folder->second) + name, event->mask});
        }
    }
    return seen;
}

bool isInside(const QString &path, const QString &folder)
{
    return QFileInfo(path).absolutePath() + QLatin1Char('/') == folder;
}

// The sketches the process file draws into the program's pics folder.
bool isSketch(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return isInside(path, sandbox().program + QStringLiteral("pics/"))
        && (name == QStringLiteral("筒体图.BMP") || name == QStringLiteral("组对简图.BMP"));
}

// A file the sketches' atomic writes pass through on their way: Qt names it
// after the sketch with a random suffix, or "#" and a number when it gives
// an unnamed temporary file a name, before renaming it over the sketch.
bool isSketchTemporary(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return isInside(path, sandbox().program + QStringLiteral("pics/"))
        && (name.startsWith(QLatin1Char('#')) || name.startsWith(QStringLiteral("筒体图.BMP."))
            || name.startsWith(QStringLiteral("组对简图.BMP.")));
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
// unique. It walks the file's bytes in place: splitting a drawing into a
// list of lines cost more than writing it.
void checkDxf(const QString &path)
{
    const QByteArray bytes = readAll(path);
    const char *at = bytes.constData();
    const char *const end = at + bytes.size();
    qsizetype lineNumber = 0;
    // The next line without its '\n' (the last one may lack it).
    auto nextLine = [&]() -> std::string_view {
        const char *stop = static_cast<const char *>(std::memchr(at, '\n', size_t(end - at)));
        if (!stop)
            stop = end;
        const std::string_view line(at, size_t(stop - at));
        at = stop < end ? stop + 1 : end;
        ++lineNumber;
        return line;
    };
    int open = 0;
    bool ended = false;
    std::set<std::string_view> handles;
    while (at < end) {
        const std::string_view codeLine = nextLine();
        if (at >= end)
            fail(QStringLiteral("%1: an odd number of lines").arg(path));
        std::string_view value = nextLine();
        if (ended)
            fail(QStringLiteral("%1: pairs after EOF").arg(path));
        // A group code: a whole number, blanks around it allowed.
        std::string_view digits = codeLine;
        while (!digits.empty() && std::isspace(static_cast<unsigned char>(digits.front())))
            digits.remove_prefix(1);
        while (!digits.empty() && std::isspace(static_cast<unsigned char>(digits.back())))
            digits.remove_suffix(1);
        int code = 0;
        const auto [parsedTo, parseError] = std::from_chars(digits.data(), digits.data() + digits.size(), code);
        if (digits.empty() || parseError != std::errc() || parsedTo != digits.data() + digits.size())
            fail(QStringLiteral("%1: line %2 is not a group code").arg(path).arg(lineNumber - 1));
        if (!value.empty() && value.back() == '\r')
            value.remove_suffix(1);
        if (value.find('\r') != std::string_view::npos)
            fail(QStringLiteral("%1: a value holds a line break, line %2").arg(path).arg(lineNumber));
        if (code == 0) {
            if (value == "SECTION") {
                if (open++ != 0)
                    fail(QStringLiteral("%1: SECTION inside a section, line %2").arg(path).arg(lineNumber));
            } else if (value == "ENDSEC") {
                if (--open != 0)
                    fail(QStringLiteral("%1: ENDSEC without SECTION, line %2").arg(path).arg(lineNumber));
            } else if (value == "EOF") {
                ended = true;
            }
        } else if (code == 5 || code == 105) {
            if (value.empty() || !handles.insert(value).second)
                fail(QStringLiteral("%1: handle '%2' empty or repeated, line %3")
                         .arg(path, QString::fromLatin1(value.data(), qsizetype(value.size())))
                         .arg(lineNumber));
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
        // Expat with namespaces: well-formed, and every prefix bound.
        XML_Parser parser = XML_ParserCreateNS(nullptr, ' ');
        const bool wellFormed = XML_Parse(parser, xml.constData(), int(xml.size()), 1) == XML_STATUS_OK;
        const QString error = wellFormed ? QString()
                                         : QStringLiteral("%1 at line %2")
                                               .arg(QString::fromUtf8(XML_ErrorString(XML_GetErrorCode(parser))))
                                               .arg(XML_GetCurrentLineNumber(parser));
        XML_ParserFree(parser);
        if (!wellFormed)
            fail(QStringLiteral("%1: %2 is not well-formed: %3").arg(path, name, error));
        hasDocument |= name == QLatin1String("word/document.xml");
    }
    zip_discard(archive);
    if (!hasDocument)
        fail(QStringLiteral("%1: no word/document.xml").arg(path));
}

void checkResult(const char *what, const ExportResult &result, const YesPrompter &prompter)
{
    if (result.status != ExportResult::Status::Written) {
        // Every question is answered Yes: a refusal or failure is a check or
        // a fault, and the user must have been told why.
        if (result.message.isEmpty() || prompter.messages == 0)
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
    box.watcher = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (box.watcher < 0 || !watchTree(box.root))
        fail(QStringLiteral("cannot watch the sandbox %1").arg(box.root));
    std::atexit([] { QDir(sandbox().root).removeRecursively(); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ProjectRecord record;
    CompanyInfo company;
    const fuzzinput::Output output = fuzzinput::decode(data, size, record, company);
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

    YesPrompter prompter;
    switch (output) {
    case fuzzinput::Output::Layout: {
        LayoutInputs layout = LayoutInputs::fromRecord(record);
        layout.preparedDate = formatDate(2024, 3, 5);
        layout.reviewDate = formatDate(2024, 3, 6);
        checkResult("the layout drawing", LayoutGenerator::generate(layout, company, prompter), prompter);
        break;
    }
    case fuzzinput::Output::ProcessFile: {
        ProcessFileGenerator processFile(record, company, prompter);
        checkResult("the process file", processFile.run(), prompter);
        break;
    }
    case fuzzinput::Output::WeldingCards: {
        WeldingCardDocument cards(record, company, prompter);
        checkResult("the welding procedure cards", cards.run(), prompter);
        break;
    }
    case fuzzinput::Output::WeldTable:
    case fuzzinput::Output::PartsList: {
        ProductListDocument document(output == fuzzinput::Output::WeldTable ? ProductListDocument::weldTable()
                                                                             : ProductListDocument::partsList(),
                                     record, company, prompter);
        checkResult("a product list", document.run(), prompter);
        break;
    }
    case fuzzinput::Output::Certificate: {
        CertificateDocument certificate(record, company, prompter);
        checkResult("the certificate", certificate.run(), prompter);
        break;
    }
    }

    // Nothing may change outside the output folder but the sketches, and no
    // folder may appear in it. What the run left there goes, so that the
    // next input starts from an empty output folder.
    std::set<QString> left;
    std::set<QString> temporaries;
    for (const Change &change : changes()) {
        if (isInside(change.path, box.out) && !(change.mask & (IN_ISDIR | IN_DELETE_SELF | IN_MOVE_SELF))) {
            track(left, change);
            continue;
        }
        if (isSketch(change.path))
            continue;
        if (isSketchTemporary(change.path) && !(change.mask & IN_ISDIR)) {
            track(temporaries, change);
            continue;
        }
        fail(QStringLiteral("changed outside the output folder, or a folder in it (inotify mask %1): %2")
                 .arg(change.mask, 0, 16)
                 .arg(change.path));
    }
    if (!temporaries.empty())
        fail(QStringLiteral("a temporary file left in the program folder: %1").arg(*temporaries.begin()));
    for (const QString &path : left)
        QFile::remove(path);
    changes(); // our own removals
    return 0;
}
