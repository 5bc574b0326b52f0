#pragma once
#include <QLayout>
#include <QList>

// Places items left to right, wraps to a new row at the right edge, and
// centres every row; the sentence-building exercise keeps its word buttons
// in two of these.
class FlowLayout : public QLayout
{
public:
    FlowLayout(QWidget* parent, int margin, int spacing);
    explicit FlowLayout(int spacing);
    FlowLayout(int hSpacing, int vSpacing);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    void addSpacing(int size);
    int horizontalSpacing() const;
    void setHorizontalSpacing(int spacing);
    int verticalSpacing() const;
    void setVerticalSpacing(int spacing);
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;
    QSize sizeHint() const override;
    QLayoutItem* takeAt(int index) override;

private:
    int doLayout(const QRect& rect, bool testOnly) const;

    QList<QLayoutItem*> itemList;
    int hSpace;
    int vSpace;
};
