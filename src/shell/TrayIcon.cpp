#include "shell/TrayIcon.h"

#include <QMenu>

namespace {

constexpr qsizetype MaxHintLength = 62;
constexpr int TrayWatchInterval = 2000; // milliseconds

class TSystemTrayHost : public TTrayHost {
public:
    TSystemTrayHost() { connect(&m_icon, &QSystemTrayIcon::activated, this, &TTrayHost::Activated); }

    bool IsAvailable() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }

    void Show(const QIcon &icon, const QString &tip, QMenu *menu) override
    {
        m_icon.setIcon(icon);
        m_icon.setToolTip(tip);
        m_icon.setContextMenu(menu);
        m_icon.show();
    }

    void Hide() override { m_icon.hide(); }

    void ShowMessage(const QString &title, const QString &text) override
    {
        m_icon.showMessage(title, text, m_icon.icon());
    }

private:
    QSystemTrayIcon m_icon;
};

} // namespace

TTrayIcon::TTrayIcon(QObject *parent)
    : QObject(parent)
{
    m_trayWatch.setInterval(TrayWatchInterval);
    connect(&m_trayWatch, &QTimer::timeout, this, &TTrayIcon::CheckTray);
    SetHost(std::make_unique<TSystemTrayHost>());
}

TTrayIcon::~TTrayIcon()
{
    SetActive(false);
}

void TTrayIcon::SetHost(std::unique_ptr<TTrayHost> host)
{
    if (m_host && m_shown)
        m_host->Hide();
    m_shown = false;
    m_host = std::move(host);
    connect(m_host.get(), &TTrayHost::Activated, this, &TTrayIcon::HostActivated);
    Update();
}

void TTrayIcon::SetActive(bool active)
{
    if (active == Active())
        return;
    if (active)
        m_trayWatch.start();
    else
        m_trayWatch.stop();
    Update();
}

void TTrayIcon::SetIcon(const QIcon &icon)
{
    m_icon = icon;
    Update();
}

void TTrayIcon::SetHint(const QString &hint)
{
    m_hint = hint.left(MaxHintLength);
    Update();
}

void TTrayIcon::SetPopupMenu(QMenu *menu)
{
    disconnect(m_menuClosed);
    m_popupMenu = menu;
    // The desktop pops the menu up itself; the right click counts once the
    // menu has closed and the chosen command has run.
    if (menu)
        m_menuClosed
            = connect(menu, &QMenu::aboutToHide, this, &TTrayIcon::OnRightClick, Qt::QueuedConnection);
    Update();
}

void TTrayIcon::CheckTray()
{
    if (!m_host || (Active() && m_host->IsAvailable()) == m_shown)
        return;
    Update();
    Q_EMIT OnTrayChange();
}

void TTrayIcon::ShowMessage(const QString &title, const QString &text)
{
    if (m_host && m_shown)
        m_host->ShowMessage(title, text);
}

void TTrayIcon::Update()
{
    if (!m_host)
        return;
    const bool show = Active() && m_host->IsAvailable();
    if (show)
        m_host->Show(m_icon, m_hint, m_popupMenu);
    else if (m_shown)
        m_host->Hide();
    m_shown = show;
}

void TTrayIcon::HostActivated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        Q_EMIT OnClick();
        break;
    case QSystemTrayIcon::DoubleClick:
        Q_EMIT OnDblClick();
        break;
    case QSystemTrayIcon::Context:
        if (!m_popupMenu)
            Q_EMIT OnRightClick();
        break;
    default:
        break;
    }
}
