#include "text/pofile.h"

#include "platform/scratchfile.h"

#include <QCoreApplication>
#include <QDateTime>

#include <csetjmp>

#include <gettext-po.h>

namespace tessel {

namespace pofile {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PoFile", text);
}

// The library reports through plain function pointers without a user
// argument, and a fatal error must not return: the faults go to the one
// call in progress, and a fatal one jumps back to it.
struct Reporting {
    QStringList* errors = nullptr;
    std::jmp_buf fatal;
};
Reporting* current = nullptr;

void note(int severity, const char* file, size_t line, const char* text)
{
    if (severity == PO_SEVERITY_WARNING || !current)
        return;
    QString fault = QString::fromUtf8(text).trimmed();
    if (file && line != size_t(-1))
        fault = tr("line %1: %2").arg(line).arg(fault);
    if (!current->errors->contains(fault))
        current->errors->append(fault);
}

void xerror(int severity, po_message_t, const char* file, size_t line, size_t, int, const char* text)
{
    note(severity, file, line, text);
    if (severity == PO_SEVERITY_FATAL_ERROR)
        std::longjmp(current->fatal, 1);
}

void xerror2(int severity, po_message_t, const char* file1, size_t line1, size_t, int, const char* text1,
             po_message_t, const char* file2, size_t line2, size_t, int, const char* text2)
{
    note(severity, file1, line1, text1);
    note(severity == PO_SEVERITY_FATAL_ERROR ? PO_SEVERITY_ERROR : severity, file2, line2, text2);
    if (severity == PO_SEVERITY_FATAL_ERROR)
        std::longjmp(current->fatal, 1);
}

const po_xerror_handler handler = {xerror, xerror2};

// Frees the library's file object when the call ends.
struct FileHandle {
    po_file_t file = nullptr;
    ~FileHandle()
    {
        if (file)
            po_file_free(file);
    }
};

constexpr char kHeaderRest[] =
    "Last-Translator: \n"
    "Language-Team: \n"
    "Language: \n"
    "MIME-Version: 1.0\n"
    "Content-Type: text/plain; charset=UTF-8\n"
    "Content-Transfer-Encoding: 8bit\n";

// The revision date is the export's: checkers want one that is not the
// template's placeholder. The language is left for the translator to set.
QByteArray headerText()
{
    return "Project-Id-Version: game text\n"
           "PO-Revision-Date: "
           + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-dd HH:mm+0000")).toLatin1() + "\n"
           + kHeaderRest;
}

// The first line of every entry, in file order: its msgctxt line, or its
// msgid line when it has no context. The library keeps no line numbers
// of its own for entries it read.
std::vector<int> entryLines(const QByteArray& file)
{
    std::vector<int> starts;
    const QList<QByteArray> lines = file.split('\n');
    int context = 0;  // the line of a msgctxt waiting for its msgid
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i].trimmed();
        if (line.startsWith("#~"))
            line = line.mid(2).trimmed();
        if (line.startsWith("msgctxt ")) {
            context = i + 1;
        } else if (line.startsWith("msgid ")) {
            starts.push_back(context ? context : i + 1);
            context = 0;
        } else if (!line.startsWith('"')) {
            context = 0;
        }
    }
    return starts;
}

}  // namespace

bool write(const std::vector<PoEntry>& entries, QByteArray* file, QString* error)
{
    QStringList errors;
    Reporting reporting{&errors, {}};
    current = &reporting;
    FileHandle po;
    platform::ScratchFile scratch;
    QString reason;
    bool ok = false;
    if (setjmp(reporting.fatal) == 0) {
        po.file = po_file_create();
        po_message_iterator_t at = po_message_iterator(po.file, nullptr);
        po_message_t header = po_message_create();
        po_message_set_msgid(header, "");
        po_message_set_msgstr(header, headerText().constData());
        po_message_insert(at, header);
        for (const PoEntry& entry : entries) {
            po_message_t message = po_message_create();
            if (!entry.context.isNull())
                po_message_set_msgctxt(message, entry.context.toUtf8().constData());
            po_message_set_msgid(message, entry.source.toUtf8().constData());
            po_message_set_msgstr(message, entry.translation.toUtf8().constData());
            if (!entry.comment.isEmpty())
                po_message_set_extracted_comments(message, entry.comment.toUtf8().constData());
            po_message_set_fuzzy(message, entry.fuzzy ? 1 : 0);
            po_message_insert(at, message);
        }
        po_message_iterator_free(at);
        if (!scratch.create(&reason))
            errors.append(reason);
        else if (po_file_write(po.file, scratch.path().toLocal8Bit().constData(), &handler) && errors.isEmpty())
            ok = scratch.read(file, &reason) || (errors.append(reason), false);
    }
    current = nullptr;
    if (!ok && error)
        *error = errors.isEmpty() ? tr("the PO file could not be written") : errors.join(QLatin1Char('\n'));
    return ok;
}

bool read(const QByteArray& file, std::vector<PoEntry>* entries, QStringList* errors)
{
    platform::ScratchFile scratch;
    QString reason;
    if (!scratch.create(file, &reason)) {
        errors->append(reason);
        return false;
    }
    QStringList faults;
    Reporting reporting{&faults, {}};
    current = &reporting;
    FileHandle po;
    std::vector<PoEntry> read;
    if (setjmp(reporting.fatal) == 0) {
        po.file = po_file_read(scratch.path().toLocal8Bit().constData(), &handler);
        if (po.file) {
            const std::vector<int> lines = entryLines(file);
            po_message_iterator_t at = po_message_iterator(po.file, nullptr);
            std::size_t index = 0;
            while (po_message_t message = po_next_message(at)) {
                const int line = index < lines.size() ? lines[index] : 0;
                ++index;
                const char* context = po_message_msgctxt(message);
                const char* source = po_message_msgid(message);
                if (po_message_is_obsolete(message) || (!context && source[0] == '\0'))
                    continue;
                PoEntry entry;
                if (context)
                    entry.context = QString::fromUtf8(context);
                entry.source = QString::fromUtf8(source);
                entry.translation = QString::fromUtf8(po_message_msgstr(message));
                // The library ends every comment line with a line feed.
                entry.comment = QString::fromUtf8(po_message_extracted_comments(message));
                if (entry.comment.endsWith(QLatin1Char('\n')))
                    entry.comment.chop(1);
                entry.fuzzy = po_message_is_fuzzy(message) != 0;
                entry.line = line;
                read.push_back(std::move(entry));
            }
            po_message_iterator_free(at);
        }
    }
    current = nullptr;
    if (!po.file && faults.isEmpty())
        faults.append(tr("the file is no PO file the gettext library can read"));
    if (!faults.isEmpty()) {
        errors->append(faults);
        return false;
    }
    *entries = std::move(read);
    return true;
}

}  // namespace pofile

}  // namespace tessel
