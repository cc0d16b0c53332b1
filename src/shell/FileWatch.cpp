#include "shell/FileWatch.h"

#include "core/DataFile.h"
#include "core/DayMerge.h"
#include "core/Errors.h"
#include "core/SharedDataFile.h"
#include "shell/MergeFrm.h"
#include "ui/BitBtnMsgDlg.h"
#include "ui/Presenter.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QScopedValueRollback>
#include <QTimer>

namespace {

// Sync tools and editors write a file in several steps (a temporary file, a
// rename, the times); the file is looked at once they have settled.
constexpr int SettleMs = 150;

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

TFileWatch::TFileWatch(TTimeRecorder &store, QWidget *window)
    : QObject(window)
    , m_store(store)
    , m_window(window)
    , m_watcher(new QFileSystemWatcher(this))
    , m_settle(new QTimer(this))
{
    m_settle->setSingleShot(true);
    m_settle->setInterval(SettleMs);
    // The folder too: a file replaced by a rename is a new file, which the
    // watch on the old one no longer sees.
    connect(m_watcher, &QFileSystemWatcher::fileChanged, m_settle, qOverload<>(&QTimer::start));
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_settle, qOverload<>(&QTimer::start));
    connect(m_settle, &QTimer::timeout, this, [this] { RunReportingErrors([this] { Check(); }); });
}

TFileWatch::~TFileWatch() = default;

QString TFileWatch::FileName() const
{
    return QFileInfo(m_path).fileName();
}

void TFileWatch::SetSaveCommand(std::function<bool()> save)
{
    m_save = std::move(save);
}

void TFileWatch::Load(const QString &path)
{
    Forget();
    m_store.Clear();
    const QByteArray bytes = ReadDataFileBytes(path);
    m_store.LoadFromBytes(bytes, path);
    m_baseBytes = bytes;
    m_baseRecords = m_store.Records();
    Watch(path);
}

void TFileWatch::Forget()
{
    m_settle->stop();
    if (!m_watcher->files().isEmpty())
        m_watcher->removePaths(m_watcher->files());
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    m_path.clear();
    m_baseBytes.reset();
    m_baseRecords.clear();
    m_cancelledBytes.reset();
    m_toldMissing = false;
    m_declinedCopies.clear();
}

void TFileWatch::Watch(const QString &path)
{
    if (path != m_path) {
        const std::optional<QByteArray> bytes = m_baseBytes;
        const QList<DayRecord> records = m_baseRecords;
        Forget();
        m_path = path;
        m_baseBytes = bytes;
        m_baseRecords = records;
    }
    if (!m_watcher->files().contains(path) && QFileInfo(path).isFile())
        m_watcher->addPath(path);
    const QString folder = QFileInfo(path).absolutePath();
    if (!m_watcher->directories().contains(folder) && QFileInfo(folder).isDir())
        m_watcher->addPath(folder);
}

TFileWatch::SaveResult TFileWatch::Save(const QString &path)
{
    const QScopedValueRollback busy(m_busy, true);
    // Another file than the document's own: the user chose to replace it.
    const bool chosenFile = path != m_path;
    for (;;) {
        std::optional<QByteArray> found;
        bool saved = false;
        {
            const TDataFileLock lock(path);
            saved = m_store.SaveToFile(path, [&] {
                if (chosenFile)
                    return true;
                found = ReadDataFileIfPresent(path);
                return found == m_baseBytes;
            });
            if (saved)
                m_baseBytes = ReadDataFileIfPresent(path);
        }
        if (saved) {
            m_baseRecords = m_store.Records();
            m_toldMissing = false;
            Watch(path);
            return SaveResult::Saved;
        }
        if (!found) {
            const TMsgDlgBtn answer
                = ShowMessageBox(tr("%1 is not there any more: it was deleted or renamed while it was open.\n"
                                    "Save the time card there again?")
                                     .arg(shown(path)),
                    mtWarning, mbYes | mbNo | mbCancel);
            if (answer == mbNo)
                return SaveResult::AskForName;
            if (answer != mbYes)
                return SaveResult::Cancelled;
            m_baseBytes.reset();
            continue;
        }
        QList<DayRecord> theirs;
        try {
            theirs = DataFileRecords(*found, path);
        } catch (const HourframeError &error) {
            throw IoError(tr("%1 was changed on disk and cannot be read, so its changes cannot be merged; "
                             "nothing was saved. %2")
                              .arg(shown(path), error.message()));
        }
        if (!MergeIn(*found, theirs))
            return SaveResult::Cancelled;
    }
}

void TFileWatch::CheckNow()
{
    m_settle->stop();
    Check();
}

void TFileWatch::Check()
{
    if (m_path.isEmpty())
        return;
    // Not in the middle of a save or of a question: once it is over.
    if (m_busy || QApplication::activeModalWidget()) {
        m_settle->start();
        return;
    }
    Watch(m_path);
    std::optional<QByteArray> found;
    try {
        found = ReadDataFileIfPresent(m_path);
    } catch (const HourframeError &) {
        return; // on its way in; its next change brings it
    }
    if (!found) {
        if (m_baseBytes && !m_toldMissing) {
            m_toldMissing = true;
            ShowMessageBox(tr("%1 was deleted or renamed.\nIts days stay in this window; Save asks where to "
                              "write them.")
                               .arg(shown(m_path)),
                mtWarning, mbOK);
        }
        return;
    }
    m_toldMissing = false;
    if (found != m_baseBytes && !(m_store.Modified() && found == m_cancelledBytes)) {
        QList<DayRecord> theirs;
        try {
            theirs = DataFileRecords(*found, m_path);
        } catch (const HourframeError &error) {
            Q_EMIT Status(
                tr("%1 was changed on disk but cannot be read: %2").arg(FileName(), error.message()));
            return;
        }
        if (m_store.Modified()) {
            const QScopedValueRollback busy(m_busy, true);
            if (!MergeIn(*found, theirs))
                m_cancelledBytes = found;
        } else {
            m_store.ReplaceRecords(theirs);
            m_baseBytes = found;
            m_baseRecords = theirs;
            Q_EMIT StoreReplaced(tr("reloaded"), tr("Reloaded: changed on disk"));
        }
    }
    OfferConflictCopies();
}

bool TFileWatch::MergeIn(const QByteArray &found, const QList<DayRecord> &theirs)
{
    DayMergeResult merged = MergeDays(m_baseRecords, m_store.Records(), theirs);
    if (!merged.conflicts.isEmpty()) {
        QSet<int> takeTheirs;
        if (!ResolveMergeConflicts(m_window, merged.conflicts, FileName(), takeTheirs))
            return false;
        if (!takeTheirs.isEmpty())
            merged = MergeDays(m_baseRecords, m_store.Records(), theirs, takeTheirs);
    }
    m_store.ReplaceRecords(std::move(merged.records));
    m_baseBytes = found;
    m_baseRecords = theirs;
    Q_EMIT StoreReplaced(tr("merged"), tr("Merged: changed on disk"));
    return true;
}

void TFileWatch::OfferConflictCopies()
{
    if (m_path.isEmpty() || m_busy)
        return;
    for (const QString &copy : FindConflictCopies(m_path)) {
        if (m_declinedCopies.contains(copy))
            continue;
        m_declinedCopies.insert(copy); // asked once; a merge that did not finish is not asked again
        TMsgDlgBtn answer = mbNo;
        {
            const QScopedValueRollback busy(m_busy, true);
            answer = ShowMessageBox(tr("A file-sync tool has left a conflicting copy of %1:\n%2\n"
                                       "Merge its days into this time card?")
                                        .arg(FileName(), QFileInfo(copy).fileName()),
                mtConfirmation, mbYes | mbNo);
        }
        if (answer == mbYes)
            RunReportingErrors([&] { MergeCopy(copy); });
    }
}

void TFileWatch::MergeCopy(const QString &copy)
{
    const QString copyName = QFileInfo(copy).fileName();
    {
        const QScopedValueRollback busy(m_busy, true);
        const QList<DayRecord> theirs = DataFileRecords(ReadDataFileBytes(copy), copy);
        DayMergeResult merged = MergeDays({}, m_store.Records(), theirs);
        if (!merged.conflicts.isEmpty()) {
            QSet<int> takeTheirs;
            if (!ResolveMergeConflicts(m_window, merged.conflicts, copyName, takeTheirs))
                return;
            merged = MergeDays({}, m_store.Records(), theirs, takeTheirs);
        }
        m_store.ReplaceRecords(std::move(merged.records));
        m_store.MarkModified();
        Q_EMIT StoreReplaced(tr("merged"), tr("Merged: conflict copy"));
    }
    // The copy goes out of the way only once its days are safe in the file.
    if (!m_save || !m_save())
        return;
    const QString where = SetAsideMergedCopy(copy, true);
    Q_EMIT Status(where.endsWith(QStringLiteral(".merged")) ? tr("Copy merged and renamed")
                                                            : tr("Copy merged, in the trash"));
}
