#pragma once
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

// Run in a child process before it starts its program: the child ends when the process that
// started it ends, however that ends.
void EndWithParent();
// Also run in a child before it starts its program: the sound server and the recorder are the
// measure, so where the system grants it they run real-time, and no busy process of a loaded
// machine makes them drop a period that the test would blame on the player.
void EndWithParentAheadOfBusyProcesses();

// A sound server of our own, for hearing what the game plays: PulseAudio, or PipeWire with its
// PulseAudio service (and the session manager and message bus it needs). It lives in a scratch
// folder, plays into one null sink in the cues' format (no resampling, so its monitor holds the
// very samples played) and is reachable only by the clients given its environment. Nothing of
// the machine's own sound setup is read or touched. It runs as root too, as on a CI machine.
class PrivateSoundServer {
public:
    enum class Kind { PulseAudio, PipeWire };
    static constexpr int SampleRate = 44100;
    static constexpr int Channels = 1;

    // The kind that ZURK3_SOUND_SERVER names ("pulseaudio", the default, or "pipewire").
    static Kind KindFromEnvironment();
    static const char* Name(Kind kind);

    explicit PrivateSoundServer(Kind kind = KindFromEnvironment());
    ~PrivateSoundServer();
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

    Kind Which() const { return kind_; }
    // Starts the server, or starts it again after Stop, and waits until it takes clients; the
    // reason when it cannot.
    bool Start(QString* error);
    void Stop();
    // Stops the server's processes dead (SIGSTOP) and lets them go on: a stalled server. Thaw
    // returns once the server answers again.
    void Freeze();
    void Thaw();

    // What a client needs to reach this server and no other (and never to start one itself).
    QProcessEnvironment ClientEnvironment() const;
    // Makes this process such a client; call it before the process first touches the sound system.
    void ServeThisProcess() const;
    // What `pactl ARGUMENTS` prints about the server; empty when it fails.
    QString Report(const QStringList& arguments) const;
    // The source that records what the sink plays.
    static QString MonitorSource() { return QStringLiteral("zurk3.monitor"); }
    // How often the recording of the sink comes, in milliseconds: the sink then plays in blocks
    // as short, so each sample's time is close. PipeWire runs its whole graph at the shortest
    // period any client asks for, so there the recording asks for no shorter a one than the
    // cue player's (512 frames): the graph plays as on a player's desktop.
    int RecordingPeriodMs() const { return kind_ == Kind::PipeWire ? 12 : 2; }
    // Whether the sink takes its sound at its own rate, as its clock goes. PipeWire's takes a
    // period when its timer fires; PulseAudio's takes sound ahead of its clock, by as much as its
    // latency.
    bool SinkKeepsItsRate() const { return kind_ == Kind::PipeWire; }
    // How many cycles the server's graph has missed, by the server's own log: not finished in time,
    // or not begun because its driver woke late. Then the sink may miss a period or more of any
    // stream, the game's or the recorder's, or play it late. PipeWire logs each; PulseAudio logs
    // none, so nothing is ever excused there.
    std::size_t MissedCycles() const;

private:
    QString Path(const char* name) const;
    QProcessEnvironment ServerEnvironment() const;
    bool WriteFile(const char* name, const QByteArray& text, QString* error) const;
    bool Launch(const QString& program, const QStringList& arguments, QString* error);
    bool WaitForClients(QString* error);
    bool Control(const QStringList& arguments, QString* error) const;
    bool RunControl(QProcess& control, const QStringList& arguments, QString* error) const;
    bool StartPulseAudio(QString* error);
    bool StartPipeWire(QString* error);
    bool MakeDefault(QString* error) const;
    void Signal(int signal) const;

    Kind kind_;
    QTemporaryDir folder_;
    std::vector<std::unique_ptr<QProcess>> processes_;  // in the order started
};
