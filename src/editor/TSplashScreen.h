#pragma once

#include <QWidget>

class QLabel;

// The start-up picture with the program's version; it closes and frees itself 3.5 s after it
// was made.
class TSplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit TSplashScreen(QWidget* parent = nullptr);

    QLabel* LabelVersion;

protected:
    void paintEvent(QPaintEvent* event) override;
};
