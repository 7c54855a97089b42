#pragma once
#include <QWidget>

class QTextBrowser;

// The help: Zurk3.hlp from the program's folder, an HTML file whose topics are anchors,
// opened at the topic it was asked for.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    HelpViewer(const QString& folder, QWidget* parent = nullptr);

    // Shows the help at a topic (1000 is the contents).
    void ShowTopic(int topic);

    QTextBrowser* Browser() const { return browser_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTextBrowser* browser_;
    QString topic_;
};
