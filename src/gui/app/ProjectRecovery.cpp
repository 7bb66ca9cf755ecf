#include "gui/app/ProjectRecovery.h"

#include "core/project/CZelvanDoc.h"
#include "core/project/ProjectLifecycle.h"

#include <QDebug>

namespace zelvan {

ProjectRecovery::ProjectRecovery(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_store(folder)
{
    connect(&m_timer, &QTimer::timeout, this, &ProjectRecovery::onTimer);
    m_timer.start(kIntervalMs);
}

void ProjectRecovery::watch(CZelvanDoc &doc, const QString &restoredKey)
{
    const bool known = m_docs.contains(&doc);
    State &state = m_docs[&doc];
    if (!restoredKey.isEmpty()) {
        state.writtenKey = restoredKey;
        if (restoredKey.startsWith(QLatin1String("new-")))
            state.newKey = restoredKey;
    }
    if (known)
        return;
    CZelvanDoc *d = &doc;
    connect(d, &CZelvanDoc::edited, this, [this, d] {
        State &s = m_docs[d];
        s.pending = true;
        if (++s.edits % kEditsPerCopy == 0)
            writeNow(*d);
    });
    connect(d, &CZelvanDoc::saved, this, [this, d] {
        removeCopies(*d);
        State &s = m_docs[d];
        s.edits = 0;
        s.pending = false;
    });
    // A document destroyed without closing (the program ending some other
    // way) keeps its copy.
    connect(d, &QObject::destroyed, this, [this, d] { m_docs.remove(d); });
}

void ProjectRecovery::closed(CZelvanDoc &doc)
{
    if (!m_docs.contains(&doc))
        return;
    removeCopies(doc);
    m_docs[&doc].pending = false;
}

void ProjectRecovery::removeCopies(CZelvanDoc &doc)
{
    State &state = m_docs[&doc];
    if (!state.writtenKey.isEmpty())
        m_store.remove(state.writtenKey);
    state.writtenKey.clear();
    // Also a copy of the same project file left from before (one older than
    // the file, never offered): the file now holds what the user kept.
    const QString path = projectPathOf(doc);
    if (!path.isEmpty())
        m_store.remove(RecoveryStore::keyForProject(path));
}

QString ProjectRecovery::projectPathOf(const CZelvanDoc &doc)
{
    return doc.documentPath().isEmpty() ? doc.rememberedSavePath() : doc.documentPath();
}

QString ProjectRecovery::keyFor(const CZelvanDoc &doc, State &state) const
{
    const QString path = projectPathOf(doc);
    if (!path.isEmpty())
        return RecoveryStore::keyForProject(path);
    if (state.newKey.isEmpty())
        state.newKey = RecoveryStore::keyForNewProject();
    return state.newKey;
}

bool ProjectRecovery::writeNow(CZelvanDoc &doc)
{
    State &state = m_docs[&doc];
    const QString key = keyFor(doc, state);
    const QString path = projectPathOf(doc);
    const QString title = doc.isModified() ? ProjectLifecycle::titleWithMarker(doc.title(), true, false) : doc.title();
    const FileResult result = m_store.write(key, path, title, doc.record(), doc.company());
    if (!result.ok) {
        qWarning().noquote() << "recovery copy not written:" << result.message;
        return false;
    }
    if (!state.writtenKey.isEmpty() && state.writtenKey != key)
        m_store.remove(state.writtenKey);
    state.writtenKey = key;
    state.pending = false;
    emit written(m_store.fileFor(key));
    return true;
}

void ProjectRecovery::onTimer()
{
    const QList<CZelvanDoc *> docs = m_docs.keys();
    for (CZelvanDoc *doc : docs)
        if (m_docs.value(doc).pending && doc->isModified())
            writeNow(*doc);
}

} // namespace zelvan
