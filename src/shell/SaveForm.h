#pragma once

#include "core/Errors.h"
#include "settings/RegMgr.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>

#include <optional>

class QWidget;

// The window-position component was given an owner that is not a window.
class EOwnerNotForm : public HourframeError {
public:
    using HourframeError::HourframeError;
};

// The screens as the window sees them when it comes back.
struct TScreenLayout {
    QRect desktop; // the virtual desktop over all monitors
    QList<QRect> screens; // each monitor
    QRect primary; // the primary monitor's working area

    // The screens of this session.
    static TScreenLayout Current();
};

// Where a window with the stored rectangle reappears: pulled inside the
// desktop's right and bottom edges, then pushed inside its left and top
// edges. Monitors of different sizes leave gaps inside the desktop; a window
// whose top-left corner would lie in one is brought onto the primary monitor
// instead, so that its title bar can be reached. Nothing for an empty
// rectangle, which keeps the design position.
std::optional<QRect> RestoredGeometry(const TRect &stored, const TScreenLayout &screens);

// Makes its owner window reappear where the user left it: restores the
// stored rectangle and state when the owner has been built (Loaded), and
// stores them when a move or resize has settled, when the window is shown,
// hidden or changes state, and when it goes. The values are named after the
// owner: <objectName>WindowRect and <objectName>WindowState.
class TSaveFormPosition : public QObject {
    Q_OBJECT

public:
    // Throws EOwnerNotForm unless owner is a window. Until Loaded() nothing
    // is stored.
    explicit TSaveFormPosition(QObject *owner);
    ~TSaveFormPosition() override;

    // The two stores exclude each other: assigning a registry manager
    // empties IniFile and IniSection, a non-empty IniFile or IniSection
    // clears the registry manager.
    TRegistryManager *RegistryManager() const { return m_registryManager; }
    void SetRegistryManager(TRegistryManager *manager);
    QString IniFile() const { return m_iniFile; }
    void SetIniFile(const QString &iniFile);
    QString IniSection() const { return m_iniSection; }
    void SetIniSection(const QString &iniSection);

    // The owner has been built: watch it from now on and restore.
    void Loaded();

    void Store();
    void Restore();

Q_SIGNALS:
    void OnChange();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Changed();
    void Settled();
    QString RectName() const;
    QString StateName() const;

    QWidget *m_owner;
    QPointer<TRegistryManager> m_registryManager;
    QString m_iniFile;
    QString m_iniSection;
    bool m_loading = true;
    // A window being dragged moves dozens of times a second, and each store
    // is a file written to disk: store once the moves have settled.
    QTimer m_settle;
    // Where the window's frame was put before it was first shown, until that
    // placement has settled.
    std::optional<QPoint> m_placed;
};
