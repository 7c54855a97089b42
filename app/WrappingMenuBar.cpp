#include "app/WrappingMenuBar.h"

#include <QMenu>
#include <QMenuBar>

namespace {
QMenuBar* NewBar(QWidget* parent) {
    auto* bar = new QMenuBar(parent);
    // Every line stays in the window, which is sized with them: a desktop's menu at the top of the
    // screen would take one line away and leave its room empty.
    bar->setNativeMenuBar(false);
    return bar;
}
}  // namespace

WrappingMenuBar::WrappingMenuBar(QWidget* parent) : QWidget(parent), ruler_(NewBar(this)) { ruler_->hide(); }

QMenu* WrappingMenuBar::addMenu(const QString& title) {
    auto* menu = new QMenu(title, this);
    menus_.append(menu);
    DealMenus();
    updateGeometry();
    return menu;
}

int WrappingMenuBar::heightForWidth(int width) const {
    int height = 0;
    for (const Line& line : Lines(width)) height += line.size.height();
    return height;
}

QSize WrappingMenuBar::sizeHint() const { return LineSize(0, static_cast<int>(menus_.size())); }

void WrappingMenuBar::resizeEvent(QResizeEvent*) { DealMenus(); }

std::vector<WrappingMenuBar::Line> WrappingMenuBar::Lines(int width) const {
    std::vector<Line> lines;
    const int count = static_cast<int>(menus_.size());
    for (int first = 0; first < count;) {
        // A menu wider than the bar still gets a line of its own.
        int end = first + 1;
        QSize size = LineSize(first, end);
        for (; end < count; ++end) {
            const QSize longer = LineSize(first, end + 1);
            if (longer.width() > width) break;
            size = longer;
        }
        lines.push_back({first, end, size});
        first = end;
    }
    return lines;
}

QList<QAction*> WrappingMenuBar::Titles(int first, int end) const {
    QList<QAction*> titles;
    for (int i = first; i < end; ++i) titles.append(menus_[i]->menuAction());
    return titles;
}

QSize WrappingMenuBar::LineSize(int first, int end) const {
    const QList<QAction*> titles = Titles(first, end);
    ruler_->addActions(titles);
    // What QMenuBar asks for shows all of its menus, and its height is the one a window gives it.
    const int width = ruler_->sizeHint().width();
    const QSize size(width, ruler_->heightForWidth(width));
    for (QAction* title : titles) ruler_->removeAction(title);
    return size;
}

void WrappingMenuBar::DealMenus() {
    const std::vector<Line> lines = Lines(width());
    int top = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == lines_.size()) lines_.push_back(NewBar(this));
        QMenuBar* bar = lines_[i];
        const QList<QAction*> titles = Titles(lines[i].first, lines[i].end);
        if (bar->actions() != titles) {
            for (QAction* title : bar->actions()) bar->removeAction(title);
            bar->addActions(titles);
        }
        bar->setGeometry(0, top, width(), lines[i].size.height());
        bar->show();
        top += lines[i].size.height();
    }
    for (std::size_t i = lines.size(); i < lines_.size(); ++i) {
        for (QAction* title : lines_[i]->actions()) lines_[i]->removeAction(title);
        lines_[i]->hide();
    }
}
