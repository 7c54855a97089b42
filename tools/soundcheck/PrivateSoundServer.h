#pragma once
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// Run in a child process before it starts its program: the child ends when the process that
// started it ends, however that ends.
void EndWithParent();

// A PulseAudio server of our own, for hearing what the game plays: it lives in a scratch folder,
// plays into one null sink in the cues' format (no resampling, so its monitor holds the very
// samples played) and is reachable only by the clients given its environment. Nothing of the
// machine's own sound setup is read or touched. It runs as root too, as on a CI machine.
class PrivateSoundServer {
public:
    static constexpr int SampleRate = 44100;
    static constexpr int Channels = 1;

    PrivateSoundServer();
    ~PrivateSoundServer();
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

    // Starts the server and waits until it takes clients; the reason when it cannot.
    bool Start(QString* error);
    void Stop();

    // What a client needs to reach this server and no other (and never to start one itself).
    QProcessEnvironment ClientEnvironment() const;
    // Makes this process such a client; call it before the process first touches the sound system.
    void ServeThisProcess() const;
    // The source that records what the sink plays.
    static QString MonitorSource() { return QStringLiteral("zurk3.monitor"); }

private:
    QString Path(const char* name) const;

    QTemporaryDir folder_;
    QProcess server_;
};
