#pragma once
// Why: QMenuBar keeps to one line and folds whatever does not fit behind its "»" button, and the
// window of a level a few cells wide is narrower than the game's menus side by side.
// Can go when: QMenuBar wraps onto more lines itself, on every Qt the game builds with.
#include <QList>
#include <QWidget>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

// A window's menu bar on as many lines as its width needs, the menus in their order, each line
// holding as many as fit. Each line is a QMenuBar of its own, so the mouse and the arrow keys
// lead from one open menu to the next only along a line. Set as the window's menu widget, it
// tells the window its height for each width.
class WrappingMenuBar : public QWidget {
    Q_OBJECT
public:
    explicit WrappingMenuBar(QWidget* parent);

    // A new menu after the others; its title stays as given.
    QMenu* addMenu(const QString& title);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;  // every menu on one line

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Line {
        int first;  // index of its first menu
        int end;    // and of the first menu after it
        QSize size;
    };
    std::vector<Line> Lines(int width) const;
    QList<QAction*> Titles(int first, int end) const;  // of menus first to end - 1, as the bars hold them
    QSize LineSize(int first, int end) const;
    void DealMenus();

    QList<QMenu*> menus_;
    std::vector<QMenuBar*> lines_;  // made as they are first needed; those not needed now are hidden
    QMenuBar* ruler_;               // never shown: holds a line's menus for a moment to measure it
};
