#pragma once
#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

// Takes the desktop's place for the schemes a hostile file might try, while it lives: whatever the
// game asks the desktop to open is kept here, and nothing of it reaches the desktop.
class UrlWatch : public QObject {
    Q_OBJECT
public:
    explicit UrlWatch(const QStringList& schemes);
    ~UrlWatch() override;
    // The desktop's own handling of a scheme, as where nothing can open it, until Watch again.
    static void Release(const QString& scheme);
    void Watch(const QString& scheme);

    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened << url; }

private:
    QStringList schemes_;
};
