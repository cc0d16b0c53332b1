#pragma once

#include "core/TimeRecorder.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

class QFileSystemWatcher;
class QTimer;
class QWidget;

// Keeps the open document in step with its data file, which others change
// too: `hourframe punch`, a second window, file-sync tools and git.
//
// The base is what the file held when the window last read or wrote it.
// When the file changes on disk, a document without unsaved edits is
// reloaded; one with edits gets the file's changes merged in by day at once
// (days changed on both sides are asked about). Saving replaces the file
// only under the lock every Hourframe writer takes, and only while the file
// still holds the base; otherwise the file's changes are merged first. So
// the window never replaces content it has not seen.
class TFileWatch : public QObject {
    Q_OBJECT

public:
    enum class SaveResult { Saved, Cancelled, AskForName };

    TFileWatch(TTimeRecorder &store, QWidget *window);
    ~TFileWatch() override;

    // Loads the file as the document, as LoadFromFile does (the store is
    // cleared first), and watches it. A file that cannot be read raises its
    // error with nothing watched.
    void Load(const QString &path);
    // The document has left its file (New): nothing is watched any more.
    void Forget();
    // Saves the store to path. Another file than the one the document came
    // from is replaced whatever it holds (the user chose it); the document's
    // own file only as described above. AskForName: the file was deleted or
    // renamed and the user wants to choose where the document goes.
    SaveResult Save(const QString &path);

    // Looks at the file at once, as its change on disk does after a moment.
    void CheckNow();
    // Offers to merge each conflict copy a sync tool left beside the file
    // that the user has not declined yet.
    void OfferConflictCopies();

    // The window's Save command, which the merge of a conflict copy runs
    // before it moves the copy out of the way; it returns whether it saved.
    void SetSaveCommand(std::function<bool()> save);

Q_SIGNALS:
    // The store now holds other records; note is one word for the caption
    // ("reloaded", "merged"), status a few words that say what happened.
    void StoreReplaced(const QString &note, const QString &status);
    // Something the user should read that did not change the store.
    void Status(const QString &status);

private:
    void Watch(const QString &path);
    void Check();
    // Merges theirs, read from found, into the store against the base;
    // false when the user cancelled a conflict.
    bool MergeIn(const QByteArray &found, const QList<DayRecord> &theirs);
    void MergeCopy(const QString &copy);
    QString FileName() const;

    TTimeRecorder &m_store;
    QWidget *m_window;
    QFileSystemWatcher *m_watcher;
    QTimer *m_settle; // gathers the several changes of one write into one look
    QString m_path; // the file the base belongs to; empty: none
    std::optional<QByteArray> m_baseBytes; // nothing: there was no file
    QList<DayRecord> m_baseRecords;
    // The file's content whose merge the user cancelled: not asked again
    // until it changes once more, or the user saves.
    std::optional<QByteArray> m_cancelledBytes;
    bool m_toldMissing = false;
    bool m_busy = false;
    QSet<QString> m_declinedCopies;
    std::function<bool()> m_save;
};
