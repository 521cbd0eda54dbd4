#ifndef SCREENFRAME_H
#define SCREENFRAME_H

#include <QWidget>

// The frame every screen and the top menu bar share: a plain widget that
// lets its style paint the PE_Widget primitive, so that the background and
// border rules of the style sheets reach these custom widget classes.
class ScreenFrame : public QWidget
{
    Q_OBJECT

public:
    explicit ScreenFrame(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif // SCREENFRAME_H
