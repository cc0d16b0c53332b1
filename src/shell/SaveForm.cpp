#include "shell/SaveForm.h"

#include "settings/RegFile.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

constexpr int SettleTime = 250; // milliseconds
// The part of a window that must lie on a monitor for its title bar to be
// within reach.
constexpr int ReachableCorner = 32;

enum TWindowState { wsNormal = 0, wsMinimized = 1, wsMaximized = 2 };

// Edges that lie outside the area are brought in, right and bottom first, so
// that a window larger than the area keeps its left and top edges inside.
QRect ClampInto(QRect rect, const QRect &area)
{
    const int right = area.x() + area.width();
    const int bottom = area.y() + area.height();
    if (right < rect.x() + rect.width())
        rect.moveLeft(right - rect.width());
    if (rect.x() < area.x())
        rect.moveLeft(area.x());
    if (bottom < rect.y() + rect.height())
        rect.moveTop(bottom - rect.height());
    if (rect.y() < area.y())
        rect.moveTop(area.y());
    return rect;
}

} // namespace

TScreenLayout TScreenLayout::Current()
{
    TScreenLayout layout;
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (!primary)
        return layout;
    layout.desktop = primary->virtualGeometry();
    layout.primary = primary->availableGeometry();
    for (const QScreen *screen : QGuiApplication::screens())
        layout.screens.append(screen->geometry());
    return layout;
}

std::optional<QRect> RestoredGeometry(const TRect &stored, const TScreenLayout &screens)
{
    if (stored.Left >= stored.Right || stored.Top >= stored.Bottom)
        return std::nullopt;
    const QRect rect = ClampInto(stored.ToGeometry(), screens.desktop);
    const QRect corner(rect.topLeft(),
        QSize(std::min(rect.width(), ReachableCorner), std::min(rect.height(), ReachableCorner)));
    const bool reachable = screens.screens.isEmpty()
        || std::any_of(screens.screens.cbegin(), screens.screens.cend(),
            [&](const QRect &screen) { return screen.contains(corner); });
    return reachable ? rect : ClampInto(rect, screens.primary);
}

TSaveFormPosition::TSaveFormPosition(QObject *owner)
    : QObject(owner)
    , m_owner(qobject_cast<QWidget *>(owner))
{
    if (!m_owner || !m_owner->isWindow())
        throw EOwnerNotForm(u"TSaveFormPosition must be owned by a TForm"_s);
    // The window opens where it was designed or restored, never where the
    // window manager would cascade it.
    m_owner->setAttribute(Qt::WA_Moved);
    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleTime);
    connect(&m_settle, &QTimer::timeout, this, &TSaveFormPosition::Settled);
}

TSaveFormPosition::~TSaveFormPosition()
{
    if (m_loading)
        return;
    m_owner->removeEventFilter(this);
    // The last position is stored as the window goes; there is no one left
    // to tell about a failure.
    try {
        Store();
    } catch (const HourframeError &) {
    }
}

void TSaveFormPosition::SetRegistryManager(TRegistryManager *manager)
{
    m_registryManager = manager;
    if (manager) {
        m_iniFile.clear();
        m_iniSection.clear();
    }
    Changed();
}

void TSaveFormPosition::SetIniFile(const QString &iniFile)
{
    m_iniFile = iniFile;
    if (!iniFile.isEmpty())
        m_registryManager = nullptr;
    Changed();
}

void TSaveFormPosition::SetIniSection(const QString &iniSection)
{
    m_iniSection = iniSection;
    if (!iniSection.isEmpty())
        m_registryManager = nullptr;
    Changed();
}

void TSaveFormPosition::Changed()
{
    if (!m_loading)
        Store();
    Q_EMIT OnChange();
}

void TSaveFormPosition::Loaded()
{
    if (!m_loading)
        return;
    m_loading = false;
    m_owner->installEventFilter(this);
    Restore();
}

QString TSaveFormPosition::RectName() const
{
    return m_owner->objectName() + u"WindowRect"_s;
}

QString TSaveFormPosition::StateName() const
{
    return m_owner->objectName() + u"WindowState"_s;
}

// On X11 a window resized after it was placed but before its window manager
// framed it (the main window sets its height as it is shown) lands with its
// client area where its frame should be: its frame ends up higher by the
// title bar, and the next start would open it higher again. Once the first
// placement has settled, the window goes back to where it was put.
void TSaveFormPosition::Settled()
{
    const std::optional<QPoint> placed = std::exchange(m_placed, std::nullopt);
    if (placed && m_owner->isVisible() && m_owner->windowState() == Qt::WindowNoState
        && m_owner->frameGeometry().topLeft() != *placed) {
        m_owner->move(*placed); // stored once this move has settled
        return;
    }
    Store();
}

void TSaveFormPosition::Store()
{
    m_settle.stop();
    if (m_loading)
        return;
    const Qt::WindowStates windowState = m_owner->windowState();
    const int state = windowState & Qt::WindowMinimized ? wsMinimized
        : windowState & Qt::WindowMaximized             ? wsMaximized
                                                        : wsNormal;
    const TRect rect = TRect::FromGeometry(m_owner->frameGeometry());
    // A minimised or maximised window keeps the rectangle of its last
    // normal placement.
    if (m_registryManager) {
        // Both values in one write of the settings file, none when it holds them.
        m_registryManager->UpdateValues(state == wsNormal ? RectName() : StateName(), [&](RegFile::Key &key) {
            const bool rectChanged
                = state == wsNormal && key.assign(RegFile::stringValue(RectName(), RectText(rect)));
            return key.assign(RegFile::dwordValue(StateName(), quint32(state))) || rectChanged;
        });
    } else if (!m_iniFile.isEmpty() && !m_iniSection.isEmpty()) {
        QSettings ini(m_iniFile, QSettings::IniFormat);
        ini.beginGroup(m_iniSection);
        if (state == wsNormal)
            ini.setValue(RectName(), RectText(rect));
        ini.setValue(StateName(), state);
    }
}

void TSaveFormPosition::Restore()
{
    TRect rect;
    int state = wsNormal;
    if (m_registryManager) {
        rect = m_registryManager->ReadRect(RectName(), rect);
        state = m_registryManager->ReadInteger(StateName(), state);
    } else if (!m_iniFile.isEmpty() && !m_iniSection.isEmpty()) {
        QSettings ini(m_iniFile, QSettings::IniFormat);
        ini.beginGroup(m_iniSection);
        rect = ParseRectText(ini.value(RectName(), u"0,0,0,0"_s).toString()).value_or(rect);
        state = ini.value(StateName(), state).toInt();
    }

    if (const std::optional<QRect> geometry = RestoredGeometry(rect, TScreenLayout::Current())) {
        m_owner->move(geometry->topLeft());
        // A window of fixed size takes only its position; its size comes
        // from its own layout.
        if (m_owner->minimumSize() != m_owner->maximumSize()) {
            const QSize frame = m_owner->frameGeometry().size() - m_owner->size();
            m_owner->resize(geometry->size() - frame);
        }
    }

    m_placed = m_owner->pos();
    const Qt::WindowFlags flags = m_owner->windowFlags();
    if (state == wsMaximized && flags & Qt::WindowMaximizeButtonHint)
        m_owner->setWindowState(m_owner->windowState() | Qt::WindowMaximized);
    else if (state == wsMinimized && flags & Qt::WindowMinimizeButtonHint)
        m_owner->setWindowState(m_owner->windowState() | Qt::WindowMinimized);
}

bool TSaveFormPosition::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_owner) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::WindowStateChange:
            m_settle.start();
            break;
        case QEvent::Hide:
            // Closing hides the window: store at once.
            Store();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
