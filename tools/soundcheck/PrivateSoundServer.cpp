#include "tools/soundcheck/PrivateSoundServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>
#include <csignal>
#include <sys/prctl.h>

void EndWithParent() {
    // A test that crashes leaves no server running for ever.
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
}

PrivateSoundServer::PrivateSoundServer() = default;

PrivateSoundServer::~PrivateSoundServer() { Stop(); }

QString PrivateSoundServer::Path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }

bool PrivateSoundServer::Start(QString* error) {
    QDir(folder_.path()).mkpath(QStringLiteral("run"));
    QFile::setPermissions(Path("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile config(Path("client.conf"));
    if (!config.open(QIODevice::WriteOnly) || config.write("autospawn = no\n") < 0) {
        *error = QStringLiteral("cannot write %1").arg(config.fileName());
        return false;
    }
    config.close();

    // The server's home, runtime and configuration folders are all ours; no display and no
    // session bus, so that it starts nothing beside itself.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), folder_.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Path("config"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), Path("run"));
    environment.insert(QStringLiteral("PULSE_RUNTIME_PATH"), Path("run"));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=") + Path("no-bus"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    server_.setProcessEnvironment(environment);
    server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server_.setChildProcessModifier(EndWithParent);
    // As root it warns that it is meant for the system mode, and runs: the warning is all that
    // differs. Rewinds are off so that the monitor shows a stream's start as the sink plays it.
    const QString sink = QStringLiteral("module-null-sink sink_name=zurk3 format=s16le rate=%1 channels=%2 norewinds=1")
                             .arg(SampleRate)
                             .arg(Channels);
    server_.start(
        QStringLiteral("pulseaudio"),
        {QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"), QStringLiteral("-n"),
         QStringLiteral("--use-pid-file=no"), QStringLiteral("--realtime=yes"), QStringLiteral("--high-priority=yes"),
         QStringLiteral("--disable-shm=yes"), QStringLiteral("--log-target=stderr"),
         QStringLiteral("--log-level=error"), QStringLiteral("--load=") + sink,
         QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + Path("native")});
    if (!server_.waitForStarted(5000)) {
        *error = QStringLiteral("pulseaudio did not start: %1").arg(server_.errorString());
        return false;
    }
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && server_.state() == QProcess::Running) {
        QProcess probe;
        probe.setProcessEnvironment(ClientEnvironment());
        probe.start(QStringLiteral("pactl"), {QStringLiteral("info")});
        if (!probe.waitForStarted(5000)) {
            *error = QStringLiteral("pactl did not start: %1").arg(probe.errorString());
            return false;
        }
        if (probe.waitForFinished(5000) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0)
            return true;
        QThread::msleep(50);
    }
    *error = QStringLiteral("pulseaudio took no clients (exit code %1)").arg(server_.exitCode());
    return false;
}

void PrivateSoundServer::Stop() {
    if (server_.state() == QProcess::NotRunning) return;
    server_.terminate();
    if (!server_.waitForFinished(5000)) {
        server_.kill();
        server_.waitForFinished(5000);
    }
}

QProcessEnvironment PrivateSoundServer::ClientEnvironment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + Path("native"));
    environment.insert(QStringLiteral("PULSE_CLIENTCONFIG"), Path("client.conf"));
    // The server's own cookie: a client would otherwise make one in the user's home.
    environment.insert(QStringLiteral("PULSE_COOKIE"), Path("config/pulse/cookie"));
    return environment;
}

void PrivateSoundServer::ServeThisProcess() const {
    const QProcessEnvironment environment = ClientEnvironment();
    for (const char* name : {"PULSE_SERVER", "PULSE_CLIENTCONFIG", "PULSE_COOKIE"})
        qputenv(name, environment.value(QString::fromLatin1(name)).toLocal8Bit());
}
