#include "FlowLayout.h"

#include <QMap>
#include <QSpacerItem>
#include <QWidget>

FlowLayout::FlowLayout(QWidget* parent, int margin, int spacing)
    : QLayout(parent)
    , hSpace(spacing)
    , vSpace(spacing)
{
    setMargin(margin);
}

FlowLayout::FlowLayout(int spacing)
    : hSpace(spacing)
    , vSpace(spacing)
{
}

FlowLayout::FlowLayout(int hSpacing, int vSpacing)
    : hSpace(hSpacing)
    , vSpace(vSpacing)
{
}

FlowLayout::~FlowLayout()
{
    while (!itemList.isEmpty())
        delete itemList.takeFirst();
}

void FlowLayout::addItem(QLayoutItem* item)
{
    itemList.append(item);
}

void FlowLayout::addSpacing(int size)
{
    addItem(new QSpacerItem(size, 0, QSizePolicy::Fixed, QSizePolicy::Minimum));
}

int FlowLayout::horizontalSpacing() const
{
    return hSpace;
}
void FlowLayout::setHorizontalSpacing(int spacing)
{
    hSpace = spacing;
}
int FlowLayout::verticalSpacing() const
{
    return vSpace;
}
void FlowLayout::setVerticalSpacing(int spacing)
{
    vSpace = spacing;
}

Qt::Orientations FlowLayout::expandingDirections() const
{
    return {};
}

bool FlowLayout::hasHeightForWidth() const
{
    return true;
}

int FlowLayout::heightForWidth(int width) const
{
    return doLayout(QRect(0, 0, width, 0), true);
}

int FlowLayout::count() const
{
    return itemList.size();
}

QLayoutItem* FlowLayout::itemAt(int index) const
{
    return index >= 0 && index < itemList.size() ? itemList.at(index) : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index)
{
    return index >= 0 && index < itemList.size() ? itemList.takeAt(index) : nullptr;
}

QSize FlowLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem* item : itemList)
        size = size.expandedTo(item->minimumSize());
    return size + QSize(2 * margin(), 2 * margin());
}

QSize FlowLayout::sizeHint() const
{
    return minimumSize();
}

void FlowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    doLayout(rect, false);
}

int FlowLayout::doLayout(const QRect& rect, bool testOnly) const
{
    const int m = margin();
    const int x0 = rect.x() + m;
    int x = x0;
    int y = rect.y() + m;
    int lineHeight = 0;
    bool lastWasSpacer = false;
    QMap<int, int> rowWidth; // a row's top -> its extent

    for (QLayoutItem* item : itemList) {
        const bool spacer = item->spacerItem() != nullptr;
        const QSize hint = item->sizeHint();
        if (hint.width() == 0)
            continue; // a hidden widget takes no place
        if (spacer && lastWasSpacer)
            continue;
        int nextX = x + hint.width() + hSpace;
        if (x + hint.width() > rect.right() - m && lineHeight != 0) {
            y = y + lineHeight + vSpace;
            x = x0;
            nextX = x0 + hint.width() + hSpace;
            lineHeight = 0;
        }
        if (spacer && x == x0)
            continue;
        if (!testOnly)
            item->setGeometry(QRect(QPoint(x, y), hint));
        if (!spacer)
            rowWidth[y] = nextX - m;
        lineHeight = qMax(lineHeight, hint.height());
        x = nextX;
        lastWasSpacer = spacer;
    }

    if (!testOnly) {
        for (QLayoutItem* item : itemList) {
            QRect g = item->geometry();
            const auto row = rowWidth.constFind(g.top());
            if (row != rowWidth.constEnd())
                g.translate((rect.width() - 2 * m - row.value()) / 2, 0);
            if (alignment() & Qt::AlignVCenter)
                g.translate(0, (lineHeight - g.height()) / 2);
            item->setGeometry(g);
        }
    }
    return y + lineHeight - rect.y() + m;
}
