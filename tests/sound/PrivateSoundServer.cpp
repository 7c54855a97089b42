#include "tests/sound/PrivateSoundServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>
#include <csignal>
#include <sched.h>
#include <sys/prctl.h>

void EndWithParent() {
    // A test that crashes leaves no server running for ever.
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
}

void EndWithParentAheadOfBusyProcesses() {
    EndWithParent();
    sched_param param{};
    param.sched_priority = sched_get_priority_min(SCHED_RR);
    sched_setscheduler(0, SCHED_RR, &param);
}

PrivateSoundServer::Kind PrivateSoundServer::KindFromEnvironment() {
    return qgetenv("ZURK3_SOUND_SERVER") == "pipewire" ? Kind::PipeWire : Kind::PulseAudio;
}

const char* PrivateSoundServer::Name(Kind kind) { return kind == Kind::PipeWire ? "PipeWire" : "PulseAudio"; }

PrivateSoundServer::PrivateSoundServer(Kind kind) : kind_(kind) {}

PrivateSoundServer::~PrivateSoundServer() { Stop(); }

QString PrivateSoundServer::Path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }

bool PrivateSoundServer::WriteFile(const char* name, const QByteArray& text, QString* error) const {
    QDir(folder_.path()).mkpath(QFileInfo(Path(name)).path());
    QFile file(Path(name));
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size()) return true;
    *error = QStringLiteral("cannot write %1").arg(file.fileName());
    return false;
}

QProcessEnvironment PrivateSoundServer::ServerEnvironment() const {
    // The server's home, runtime and configuration folders are all ours, and so is its message
    // bus; no display, so that it starts nothing beside itself.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), folder_.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Path("config"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), Path("run"));
    environment.insert(QStringLiteral("PIPEWIRE_RUNTIME_DIR"), Path("run"));
    environment.insert(QStringLiteral("PULSE_RUNTIME_PATH"), Path("run/pulse"));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=") + Path("run/bus"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("PULSE_SERVER"));
    // PipeWire logs each cycle its graph missed: the driver each one it did not finish in time (0.3
    // as "graph not finished", 1.x as "graph xrun", or as a node's "xrun state" alone; every one
    // only at debug level, else one in two seconds), and each process each time one of its nodes,
    // the driver, a stream of the game's or the recorder's, woke too late ("client missed N wakeups").
    environment.insert(QStringLiteral("PIPEWIRE_DEBUG"), QStringLiteral("pw.node:4"));
    return environment;
}

bool PrivateSoundServer::Launch(const QString& program, const QStringList& arguments, QString* error) {
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(ServerEnvironment());
    // Their chatter goes nowhere; a failure shows as a server that takes no clients.
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(Path("server.log"), QIODevice::Append);
    process->setChildProcessModifier(EndWithParentAheadOfBusyProcesses);
    process->start(program, arguments);
    if (!process->waitForStarted(5000)) {
        *error = QStringLiteral("%1 did not start: %2").arg(program, process->errorString());
        return false;
    }
    processes_.push_back(std::move(process));
    return true;
}

bool PrivateSoundServer::Control(const QStringList& arguments, QString* error) const {
    QProcess control;
    control.setStandardOutputFile(QProcess::nullDevice());
    return RunControl(control, arguments, error);
}

QString PrivateSoundServer::Report(const QStringList& arguments) const {
    QProcess control;
    QString error;
    return RunControl(control, arguments, &error) ? QString::fromUtf8(control.readAllStandardOutput()) : QString();
}

bool PrivateSoundServer::RunControl(QProcess& control, const QStringList& arguments, QString* error) const {
    control.setProcessEnvironment(ClientEnvironment());
    control.start(QStringLiteral("pactl"), arguments);
    if (!control.waitForStarted(5000)) {
        *error = QStringLiteral("pactl did not start: %1").arg(control.errorString());
        return false;
    }
    if (control.waitForFinished(10000) && control.exitStatus() == QProcess::NormalExit && control.exitCode() == 0)
        return true;
    *error = QStringLiteral("pactl %1 failed").arg(arguments.join(QLatin1Char(' ')));
    return false;
}

bool PrivateSoundServer::WaitForClients(QString* error) {
    const QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        for (const auto& process : processes_)
            if (process->state() != QProcess::Running) {
                *error = QStringLiteral("%1 ended (exit code %2); see %3")
                             .arg(process->program())
                             .arg(process->exitCode())
                             .arg(Path("server.log"));
                return false;
            }
        if (Control({QStringLiteral("info")}, error)) return true;
        QThread::msleep(50);
    }
    *error = QStringLiteral("%1 took no clients; see %2").arg(QLatin1String(Name(kind_)), Path("server.log"));
    return false;
}

bool PrivateSoundServer::Start(QString* error) {
    Stop();
    QDir(folder_.path()).mkpath(QStringLiteral("run/pulse"));
    for (const char* folder : {"run", "run/pulse"})
        QFile::setPermissions(Path(folder), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::remove(Path("run/pulse/native"));
    if (!WriteFile("client.conf", "autospawn = no\n", error)) return false;
    return kind_ == Kind::PipeWire ? StartPipeWire(error) : StartPulseAudio(error);
}

bool PrivateSoundServer::StartPulseAudio(QString* error) {
    // As root it warns that it is meant for the system mode, and runs: the warning is all that
    // differs. Rewinds are off so that the monitor shows a stream's start as the sink plays it.
    const QString sink = QStringLiteral("module-null-sink sink_name=zurk3 format=s16le rate=%1 channels=%2 norewinds=1")
                             .arg(SampleRate)
                             .arg(Channels);
    const QStringList options = QStringLiteral(
                                    "--daemonize=no --exit-idle-time=-1 -n --use-pid-file=no --realtime=yes "
                                    "--high-priority=yes --disable-shm=yes --log-target=stderr --log-level=error")
                                    .split(QLatin1Char(' '));
    return Launch(QStringLiteral("pulseaudio"),
                  options + QStringList{QStringLiteral("--load=") + sink,
                                        QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") +
                                            Path("run/pulse/native")},
                  error) &&
           WaitForClients(error);
}

bool PrivateSoundServer::StartPipeWire(QString* error) {
    // The graph runs at the cues' rate, so that nothing is resampled on the way to the sink; its
    // period is what its clients ask for, the cue player included, as on a player's desktop.
    const QByteArray rate = QByteArray::number(SampleRate);
    if (!WriteFile("config/pipewire/pipewire.conf.d/zurk3.conf",
                   "context.properties = {\n    default.clock.rate = " + rate +
                       "\n    default.clock.allowed-rates = [ " + rate + " ]\n}\n",
                   error))
        return false;
    // The session manager finds no bus of the user's: it gets one of its own.
    if (!Launch(QStringLiteral("dbus-daemon"),
                {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                 QStringLiteral("--address=unix:path=") + Path("run/bus")},
                error))
        return false;
    for (const char* program : {"pipewire", "wireplumber", "pipewire-pulse"})
        if (!Launch(QString::fromLatin1(program), {}, error)) return false;
    return WaitForClients(error) &&
           Control(QStringLiteral("load-module module-null-sink sink_name=zurk3 format=s16le rate=%1 channels=%2")
                       .arg(SampleRate)
                       .arg(Channels)
                       .split(' '),
                   error) &&
           MakeDefault(error);
}

bool PrivateSoundServer::MakeDefault(QString* error) const {
    // The session manager keeps the default, and takes a moment to start after the server.
    const QDeadlineTimer deadline(20000);
    while (!Control({QStringLiteral("set-default-sink"), QStringLiteral("zurk3")}, error))
        if (deadline.hasExpired())
            return false;
        else
            QThread::msleep(50);
    return true;
}

std::size_t PrivateSoundServer::MissedCycles() const {
    QFile log(Path("server.log"));
    if (kind_ != Kind::PipeWire || !log.open(QIODevice::ReadOnly)) return 0;
    // Counted, not timed: the log's times are not the monotonic clock's.
    static const QRegularExpression report(
        QStringLiteral(R"(\) (graph not finished|graph xrun|xrun state:.*suppressed\)$|client missed (\d+) wakeups))"));
    std::size_t missed = 0;
    while (!log.atEnd()) {
        const QRegularExpressionMatch reported = report.match(QString::fromUtf8(log.readLine()));
        if (reported.hasMatch()) missed += reported.hasCaptured(2) ? reported.captured(2).toULongLong() : 1;
    }
    return missed;
}

void PrivateSoundServer::Stop() {
    Signal(SIGCONT);
    // The last started first: the services before the server they serve.
    while (!processes_.empty()) {
        QProcess& process = *processes_.back();
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished(5000);
        }
        processes_.pop_back();
    }
}

void PrivateSoundServer::Freeze() { Signal(SIGSTOP); }

void PrivateSoundServer::Thaw() {
    Signal(SIGCONT);
    // Thawed, a null sink first renders all the time it missed. A recorder that links meanwhile
    // has it render that in pieces of the recorder's few milliseconds, and PulseAudio was seen to
    // hang there after a long stall and drop the recorder. Once the sink answers, it has caught up.
    Report({QStringLiteral("list"), QStringLiteral("sinks")});
}

void PrivateSoundServer::Signal(int signal) const {
    for (const auto& process : processes_) ::kill(static_cast<pid_t>(process->processId()), signal);
}

QProcessEnvironment PrivateSoundServer::ClientEnvironment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + Path("run/pulse/native"));
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
