#pragma once

#include "core/project/RecoveryStore.h"

#include <QHash>
#include <QObject>
#include <QTimer>

namespace zelvan {

class CZelvanDoc;

// Keeps a recovery copy of every open project with unsaved changes: every
// two minutes and at every 50th change, into the RecoveryStore. A save or a
// close removes the project's copy. A failed copy disturbs nobody: it is
// tried again at the next tick or the next 50th change.
class ProjectRecovery : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 2 * 60 * 1000;
    static constexpr int kEditsPerCopy = 50;

    explicit ProjectRecovery(const QString &folder, QObject *parent = nullptr);

    RecoveryStore &store() { return m_store; }
    void setInterval(int milliseconds) { m_timer.start(milliseconds); }

    // Follows a project from now on (again for a project already followed:
    // nothing new); `key` names the copy it was restored from, if any,
    // which then stays its copy.
    void watch(CZelvanDoc &doc, const QString &restoredKey = QString());
    // The project's window closed (saved, unchanged or its changes
    // discarded): its copy goes.
    void closed(CZelvanDoc &doc);
    // Writes the project's copy now; false when that failed.
    bool writeNow(CZelvanDoc &doc);

signals:
    // A copy was written (for the crash test's child process).
    void written(const QString &file);

private:
    struct State {
        QString newKey;     // the key while the project has never been saved
        QString writtenKey; // the copy on disk, if any
        int edits = 0;      // changes since the last save
        bool pending = false; // changes not yet in the copy
    };
    QString keyFor(const CZelvanDoc &doc, State &state) const;
    // The project file a copy belongs to: where a save writes without asking.
    static QString projectPathOf(const CZelvanDoc &doc);
    void removeCopies(CZelvanDoc &doc);
    void onTimer();

    RecoveryStore m_store;
    QTimer m_timer;
    QHash<CZelvanDoc *, State> m_docs;
};

} // namespace zelvan
