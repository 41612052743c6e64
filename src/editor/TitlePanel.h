#pragma once

#include <QWidget>

// The main window's title bar: the program's picture and name on a gradient that follows the
// window's activity.
class TitlePanel : public QWidget {
    Q_OBJECT
public:
    TitlePanel(const QString& caption, QWidget* parent = nullptr);

    void setActive(bool active);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    bool active_ = true;
};
