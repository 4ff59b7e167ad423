#include "bench/soak/ProcessSample.h"

#include <QDir>
#include <QFile>

#include <X11/Xlib.h>
#include <X11/extensions/XRes.h>

namespace bench {

namespace {

QByteArray procFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The fields of /proc/PID/stat after the command name, which may itself hold blanks and ')'.
QList<QByteArray> statFields(const QByteArray &stat)
{
    return stat.mid(stat.lastIndexOf(')') + 2).split(' ');
}

QByteArray commandName(const QByteArray &stat)
{
    const qsizetype open = stat.indexOf('(');
    return stat.mid(open + 1, stat.lastIndexOf(')') - open - 1);
}

int childrenOf(pid_t pid)
{
    int count = 0;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool isPid = false;
        entry.toInt(&isPid);
        if (!isPid)
            continue;
        const QByteArray stat = procFile(QStringLiteral("/proc/%1/stat").arg(entry));
        const QList<QByteArray> fields = statFields(stat);
        // A check's listing comes and goes every few milliseconds; what stays is what would pile up.
        if (fields.size() > 1 && fields.at(1).toInt() == pid && commandName(stat) != "ps" && commandName(stat) != "sh")
            ++count;
    }
    return count;
}

} // namespace

ProcessSampler::ProcessSampler()
    : m_display(XOpenDisplay(nullptr))
{}

ProcessSampler::~ProcessSampler()
{
    if (m_display)
        XCloseDisplay(m_display);
}

ProcessSample ProcessSampler::sample(pid_t pid) const
{
    ProcessSample sample;
    const QString proc = QStringLiteral("/proc/%1/").arg(pid);
    for (const QByteArray &line : procFile(proc + QStringLiteral("status")).split('\n')) {
        const QByteArray value = line.mid(line.indexOf(':') + 1).trimmed().split(' ').first();
        if (line.startsWith("RssAnon:"))
            sample.anonymousMb = value.toDouble() / 1024.0;
        else if (line.startsWith("Threads:"))
            sample.threads = value.toInt();
    }
    sample.descriptors =
        int(QDir(proc + QStringLiteral("fd")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size());
    sample.children = childrenOf(pid);
    readXResources(pid, sample);
    return sample;
}

void ProcessSampler::readXResources(pid_t pid, ProcessSample &into) const
{
    int eventBase = 0;
    int errorBase = 0;
    if (!m_display || !XResQueryExtension(m_display, &eventBase, &errorBase))
        return;
    XResClientIdSpec all{0, XRES_CLIENT_ID_PID_MASK};
    long count = 0;
    XResClientIdValue *ids = nullptr;
    if (XResQueryClientIds(m_display, 1, &all, &count, &ids) != Success)
        return;
    for (long i = 0; i < count; ++i) {
        if (XResGetClientPid(&ids[i]) != pid)
            continue;
        const auto &[clientAndMask, length, value] = ids[i];
        const XID client = clientAndMask.client;
        int types = 0;
        XResType *resources = nullptr;
        // These two answer as Xlib does, non-zero for success; the query of the ids above answers with Success (0).
        if (XResQueryClientResources(m_display, client, &types, &resources) != 0) {
            into.xResources = 0;
            for (int t = 0; t < types; ++t)
                into.xResources += long(resources[t].count);
            XFree(resources);
        }
        unsigned long bytes = 0;
        if (XResQueryClientPixmapBytes(m_display, client, &bytes))
            into.xPixmapMb = double(bytes) / (1024.0 * 1024.0);
        break;
    }
    XResClientIdsDestroy(count, ids);
}

} // namespace bench
