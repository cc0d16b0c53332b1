#pragma once

#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QSystemTrayIcon>
#include <QTimer>

#include <memory>

// What the tray icon needs from the desktop's notification area: whether
// there is one, putting the icon there with its tip and menu, taking it away,
// and the clicks on it. The desktop's own is QSystemTrayIcon; tests put a
// fake in its place, since a test machine has no notification area.
class TTrayHost : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    virtual bool IsAvailable() const = 0;
    // Adds the icon, or brings the shown one up to date.
    virtual void Show(const QIcon &icon, const QString &tip, QMenu *menu) = 0;
    virtual void Hide() = 0;
    // A desktop notification from the shown icon; some areas show none.
    virtual void ShowMessage(const QString &title, const QString &text)
    {
        Q_UNUSED(title);
        Q_UNUSED(text);
    }

Q_SIGNALS:
    void Activated(QSystemTrayIcon::ActivationReason reason);
};

// The icon of the application in the notification area. Active says that
// the application wants the icon there; it is there only while the desktop
// also has a notification area, which many desktops do not show, or show
// only later. So while active the icon looks for the area every two seconds,
// comes as soon as the area does, and reports the change.
class TTrayIcon : public QObject {
    Q_OBJECT

public:
    explicit TTrayIcon(QObject *parent = nullptr);
    ~TTrayIcon() override;

    // Replaces the desktop's notification area (tests).
    void SetHost(std::unique_ptr<TTrayHost> host);

    bool Active() const { return m_trayWatch.isActive(); }
    void SetActive(bool active);
    // Whether the icon is in the notification area now.
    bool Shown() const { return m_shown; }

    QIcon Icon() const { return m_icon; }
    void SetIcon(const QIcon &icon);
    // At most 62 characters are kept.
    QString Hint() const { return m_hint; }
    void SetHint(const QString &hint);
    QMenu *PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(QMenu *menu);

    // Looks whether the notification area came or went.
    void CheckTray();
    // A desktop notification, while the icon is shown; nothing otherwise.
    void ShowMessage(const QString &title, const QString &text);

Q_SIGNALS:
    // Left button released over the icon.
    void OnClick();
    void OnDblClick();
    // Right button released over the icon, once the pop-up menu has closed.
    void OnRightClick();
    // The icon came into or went out of the notification area while active.
    void OnTrayChange();

private:
    void Update();
    void HostActivated(QSystemTrayIcon::ActivationReason reason);

    std::unique_ptr<TTrayHost> m_host;
    bool m_shown = false;
    QIcon m_icon;
    QString m_hint;
    QPointer<QMenu> m_popupMenu;
    QMetaObject::Connection m_menuClosed;
    QTimer m_trayWatch;
};
