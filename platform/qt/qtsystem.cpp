#include "platform/qt/qtsystem.h"

#include "platform/qt/qtwindow.h"
#include "platform/qt/twips.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSaveFile>
#include <QScreen>
#include <QTimer>

namespace platform::qt {

bool QtProcessLauncher::start(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

std::optional<QByteArray> QtTransfer::fetch(const QString& address, QString* error) {
    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(address)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = manager.get(request);
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, reply, &QNetworkReply::abort);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timeout.start(60000);
    loop.exec();
    std::optional<QByteArray> out;
    if (reply->error() == QNetworkReply::NoError)
        out = reply->readAll();
    else if (error)
        *error = reply->errorString();
    reply->deleteLater();
    return out;
}

namespace {
long long handleOf(const QScreen* screen) {
    const auto screens = QGuiApplication::screens();
    return screens.indexOf(const_cast<QScreen*>(screen)) + 1;
}
} // namespace

int QtMonitorSystem::getSystemMetrics(int metric) const {
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect virt = primary ? primary->virtualGeometry() : QRect();
    switch (metric) {
    case SM_CMONITORS:
        return static_cast<int>(QGuiApplication::screens().size());
    case SM_XVIRTUALSCREEN:
        return virt.x();
    case SM_YVIRTUALSCREEN:
        return virt.y();
    case SM_CXVIRTUALSCREEN:
        return virt.width();
    case SM_CYVIRTUALSCREEN:
        return virt.height();
    default:
        return 0;
    }
}

long long QtMonitorSystem::monitorFromWindow() const {
    // The monitor nearest to the window's frame as it was last placed.
    const QRect frame(window_->mainWindow()->pos(), window_->mainWindow()->size());
    const QPoint centre = frame.center();
    const QScreen* best = QGuiApplication::primaryScreen();
    long long bestDistance = -1;
    for (const QScreen* s : QGuiApplication::screens()) {
        const QRect g = s->geometry();
        const int dx = centre.x() < g.left()
                           ? g.left() - centre.x()
                           : (centre.x() > g.right() ? centre.x() - g.right() : 0);
        const int dy = centre.y() < g.top()
                           ? g.top() - centre.y()
                           : (centre.y() > g.bottom() ? centre.y() - g.bottom() : 0);
        const long long d = 1LL * dx * dx + 1LL * dy * dy;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = s;
        }
    }
    return best ? handleOf(best) : 0;
}

void QtMonitorSystem::enumDisplayMonitors(
    const std::function<bool(long long, const QRect&)>& proc) const {
    for (const QScreen* s : QGuiApplication::screens())
        if (!proc(handleOf(s), s->geometry())) break;
}

int QtMonitorSystem::primaryWidth() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().width() : 0;
}

int QtMonitorSystem::primaryHeight() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().height() : 0;
}

double QtMonitorSystem::twipsPerPixelX() const {
    return twipsPerPixel();
}
double QtMonitorSystem::twipsPerPixelY() const {
    return twipsPerPixel();
}

} // namespace platform::qt
